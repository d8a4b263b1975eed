#include "engine/halvex/libraries/KeywordItem.h"
#include "engine/halvex/libraries/KeywordManager.h"
#include "engine/halvex/places/CoordinateWriter.h"
#include "engine/halvex/places/Gazetteer.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "map/MapSettings.h"
#include "photos/PhotosSettings.h"
#include "photos/RCEditImageDateTimeWindowController.h"
#include "photos/RCEditImageDescriptionWindowController.h"
#include "photos/RCEditImageFilenameWindowController.h"
#include "photos/RCEditImageKeywordsWindowController.h"
#include "photos/RCEditImageLocationWindowController.h"
#include "photos/RCEditProfileDescriptionWindowController.h"
#include "photos/RCEditProfileNameWindowController.h"
#include "photos/RCPropertyListModel.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/maps/SyncRegionMapView.h"
#include "widgets/TextLocalizer.h"

#include "keywords/KeywordTestSupport.h"
#include "support/ui/ApplicationCommandsStandIn.h"
#include "support/ui/WidgetDriver.h"
#include "tags/ContentItemTableCellView.h"
#include "widgets/controls/PlaceholderTextView.h"
#include "widgets/controls/TokenField.h"


#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QTreeView>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace corvelle;
using halvex::Coordinate;
using halvex::PhotosRemoteDateTimeValue;
using halvex::PhotosRemoteFileNameEdition;
using halvex::PhotosRemoteProfile;
using halvex::PhotosRemoteProfilePtr;
using Property = RCProfileEditableProperty;

namespace {

// A profile with the editions given, none by default.
struct ProfileValues {
    QString name = QStringLiteral("P");
    QString description;
    std::optional<PhotosRemoteFileNameEdition> fileName;
    std::optional<QString> photoDescription;
    std::optional<PhotosRemoteDateTimeValue> dateTime;
    std::optional<QStringList> keywords;
    std::optional<Coordinate> location;

    PhotosRemoteProfilePtr make() const
    {
        return std::make_shared<PhotosRemoteProfile>(name, description, fileName, photoDescription, dateTime, keywords,
                                                     location);
    }
};

// What the user does in the sheet before Save.
struct SheetEdit {
    std::function<void(RCEditPropertyWindowController*)> perform;
};

// A widget of a sheet's form, by its name.
template<class Widget>
Widget* field(const QWidget* sheet, const char* name)
{
    return corvelle::test::WidgetDriver::child<Widget>(sheet, QString::fromLatin1(name));
}

const QDateTime pickedDate(QDate(2022, 8, 9), QTime(10, 11, 12));

} // namespace

Q_DECLARE_METATYPE(ProfileValues)
Q_DECLARE_METATYPE(SheetEdit)
Q_DECLARE_METATYPE(Property)

// The property list's rows and the property sheets: what each shows of a profile and what it
// writes back on Save.
class RCEditPropertySheetsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // No tile server: the location sheet draws its base map.
        brisa::UserDefaults::standard().set(Settings::mapStandardTileURLTemplate(), QString());
    }

    void propertyRowsShowHowTheProfileSetsThem_data()
    {
        QTest::addColumn<Property>("property");
        QTest::addColumn<ProfileValues>("values");
        QTest::addColumn<bool>("withProfile");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("mode");

        const auto key = [](const char* k) { return localizedString(QString::fromLatin1(k)); };
        ProfileValues blankName;
        blankName.name = QStringLiteral("  ");
        QTest::newRow("blank name") << Property::profileName << blankName << true
                                    << key("RemoteProfileUntitledConfiguration") << QStringList() << 6;
        QTest::newRow("no profile") << Property::imageKeywords << ProfileValues() << false << key("RemotePropertyNoEdition")
                                    << QStringList() << 6;
        QTest::newRow("no edition") << Property::imageFilename << ProfileValues() << true << key("RemotePropertyNoEdition")
                                    << QStringList() << 6;
        ProfileValues keep;
        keep.fileName = PhotosRemoteFileNameEdition::keepCurrentName();
        QTest::newRow("keep the name") << Property::imageFilename << keep << true << key("RemotePropertyUseOriginalValue")
                                       << QStringList() << 4;
        ProfileValues blankTitle;
        blankTitle.fileName = PhotosRemoteFileNameEdition::customName(QStringLiteral(" "));
        QTest::newRow("blank title erases") << Property::imageFilename << blankTitle << true
                                            << key("RemotePropertyEraseFilenameValue") << QStringList() << 4;
        ProfileValues emptyKeywords;
        emptyKeywords.keywords = QStringList();
        QTest::newRow("no keywords erase") << Property::imageKeywords << emptyKeywords << true
                                           << key("RemotePropertyEraseKeywordsValue") << QStringList() << 4;
        ProfileValues threeKeywords;
        threeKeywords.keywords = QStringList{"Paris, France", "b", "c"};
        QTest::newRow("three keywords") << Property::imageKeywords << threeKeywords << true << QString()
                                        << QStringList{"Paris, France", "b", "c"} << 0;
        ProfileValues located;
        located.location = Coordinate(48.8584, 2.2945);
        QTest::newRow("location") << Property::imageLocation << located << true
                                  << key("RemotePropertyLatitude") + ": 48.858400\n" + key("RemotePropertyLongitude")
                                         + ": 2.294500"
                                  << QStringList() << 0;
        ProfileValues withoutDate;
        withoutDate.dateTime = PhotosRemoteDateTimeValue();
        QTest::newRow("a date edition without date") << Property::imageDateTime << withoutDate << true
                                                      << key("RemotePropertyNoEdition") << QStringList() << 6;
    }

    void propertyRowsShowHowTheProfileSetsThem()
    {
        QFETCH(Property, property);
        QFETCH(ProfileValues, values);
        QFETCH(bool, withProfile);
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QFETCH(int, mode);

        RCPropertyListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        if (withProfile)
            model.setProfile(values.make());
        QCOMPARE(model.rowCount(), 9);
        const int row = int(RCProfileEditableProperties::allCases().indexOf(property));
        const auto value = ContentValue::fromVariant(model.index(row).data(ContentItemTableCellView::objectValueRole));
        QVERIFY(value);
        QCOMPARE(value->title, localizedString(RCProfileEditableProperties::titleKey(property)));
        QCOMPARE(value->item.text(), text);
        QCOMPARE(value->item.wordList(), words);
        QCOMPARE(value->mode.rawValue(), mode);
        // Headings cannot be selected.
        QVERIFY(!(model.flags(model.index(0)) & Qt::ItemIsSelectable));
        QVERIFY(model.flags(model.index(row)) & Qt::ItemIsSelectable);
    }

    void sheetsLoadAndSave_data()
    {
        QTest::addColumn<Property>("property");
        QTest::addColumn<ProfileValues>("before");
        QTest::addColumn<SheetEdit>("edit");
        QTest::addColumn<ProfileValues>("after");

        ProfileValues plain;
        ProfileValues renamed;
        renamed.name = QStringLiteral("Trip");
        QTest::newRow("name") << Property::profileName << plain << SheetEdit{[](RCEditPropertyWindowController* sheet) {
            field<QLineEdit>(sheet, "valueTextField")->setText(QStringLiteral("Trip"));
        }} << renamed;
        ProfileValues unnamed;
        unnamed.name = QString();
        QTest::newRow("blank name is stored empty") << Property::profileName << plain
                                                    << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                                                           field<QLineEdit>(sheet, "valueTextField")->setText(QStringLiteral("   "));
                                                       }}
                                                    << unnamed;
        ProfileValues spaces;
        spaces.description = QStringLiteral("  ");
        QTest::newRow("profile description as typed")
            << Property::profileDescription << plain << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                   field<PlaceholderTextView>(sheet, "valueTextView")->setPlainText(
                       QStringLiteral("  "));
               }} << spaces;
        ProfileValues emptyTitle;
        emptyTitle.fileName = PhotosRemoteFileNameEdition::customName(QString());
        QTest::newRow("switch on, empty title") << Property::imageFilename << plain
                                                << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                                                       field<QCheckBox>(sheet, "useCustomNameSwitch")->setChecked(true);
                                                   }}
                                                << emptyTitle;
        ProfileValues keep;
        keep.fileName = PhotosRemoteFileNameEdition::keepCurrentName();
        ProfileValues typed;
        typed.fileName = PhotosRemoteFileNameEdition::customName(QStringLiteral("Pier"));
        QTest::newRow("typing leaves the current name")
            << Property::imageFilename << keep << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                   QVERIFY(!field<QLineEdit>(sheet, "customNameField")->isEnabled());
                   field<QLineEdit>(sheet, "customNameField")->setEnabled(true);
                   QTest::keyClicks(field<QLineEdit>(sheet, "customNameField"), QStringLiteral("Pier"));
                   QVERIFY(!field<QCheckBox>(sheet, "useOriginalNameRadioButton")->isChecked());
               }} << typed;
        QTest::newRow("choosing the current name clears the title")
            << Property::imageFilename << typed << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                   field<QCheckBox>(sheet, "useOriginalNameRadioButton")->click();
                   QCOMPARE(field<QLineEdit>(sheet, "customNameField")->text(), QString());
               }} << keep;
        QTest::newRow("switch off removes the title edition")
            << Property::imageFilename << typed << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                   field<QCheckBox>(sheet, "useCustomNameSwitch")->setChecked(false);
               }} << plain;
        ProfileValues described;
        described.photoDescription = QStringLiteral("x");
        QTest::newRow("typing turns the description on")
            << Property::imageDescription << plain << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                   QVERIFY(!field<QCheckBox>(sheet, "useDescriptionSwitch")->isChecked());
                   QTest::keyClicks(field<PlaceholderTextView>(sheet, "descriptionTextView"), QStringLiteral("x"));
                   QVERIFY(field<QCheckBox>(sheet, "useDescriptionSwitch")->isChecked());
               }} << described;
        ProfileValues erased;
        erased.photoDescription = QString();
        QTest::newRow("empty description erases")
            << Property::imageDescription << plain << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                   field<QCheckBox>(sheet, "useDescriptionSwitch")->setChecked(true);
               }} << erased;
        ProfileValues dated;
        dated.dateTime = PhotosRemoteDateTimeValue(pickedDate);
        QTest::newRow("picking a date turns the switch on")
            << Property::imageDateTime << plain << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                   field<QDateTimeEdit>(sheet, "customDatePicker")->setDateTime(pickedDate);
               }} << dated;
        ProfileValues undated;
        undated.dateTime = PhotosRemoteDateTimeValue();
        QTest::newRow("switch off saves no date")
            << Property::imageDateTime << dated << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                   field<QCheckBox>(sheet, "useCustomDataSwitch")->setChecked(false);
               }} << undated;
        ProfileValues withComma;
        withComma.keywords = QStringList{"Paris, France", "b"};
        QTest::newRow("a keyword holding a comma stays one")
            << Property::imageKeywords << withComma << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                   QVERIFY(field<QCheckBox>(sheet, "useEditionSwitch")->isChecked());
                   QCOMPARE(field<TokenField>(sheet, "keywordsTokenField")->tokens(), QStringList({"Paris, France", "b"}));
               }} << withComma;
        ProfileValues noKeywords;
        noKeywords.keywords = QStringList();
        QTest::newRow("empty keywords erase") << Property::imageKeywords << withComma
                                              << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                                                     field<TokenField>(sheet, "keywordsTokenField")->setTokens({});
                                                 }}
                                              << noKeywords;
        QTest::newRow("keywords switched off") << Property::imageKeywords << withComma
                                               << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                                                      field<QCheckBox>(sheet, "useEditionSwitch")->setChecked(false);
                                                  }}
                                               << plain;
        ProfileValues located;
        located.location = Coordinate(48.8584, 2.2945);
        QTest::newRow("typed position") << Property::imageLocation << plain
                                        << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                                               auto* location = static_cast<RCEditImageLocationWindowController*>(sheet);
                                               QTest::keyClicks(field<QLineEdit>(location, "coordinateTextField"),
                                                                QStringLiteral("48.8584, 2.2945"));
                                               location->changeCoordinate();
                                           }}
                                        << located;
        QTest::newRow("location switched off") << Property::imageLocation << located
                                               << SheetEdit{[](RCEditPropertyWindowController* sheet) {
                                                      field<QCheckBox>(sheet, "useCoordinateSwitch")->setChecked(false);
                                                  }}
                                               << plain;
    }

    void sheetsLoadAndSave()
    {
        QFETCH(Property, property);
        QFETCH(ProfileValues, before);
        QFETCH(SheetEdit, edit);
        QFETCH(ProfileValues, after);

        halvex::KeywordManager keywords(QDir::temp().filePath(QStringLiteral("unused-keywords.json")));
        std::unique_ptr<RCEditPropertyWindowController> sheet(
            property == Property::imageKeywords ? new RCEditImageKeywordsWindowController(keywords, nullptr)
                                                : RCProfileEditableProperties::makeSheet(property));
        const PhotosRemoteProfilePtr profile = before.make();
        sheet->setProfile(profile);
        sheet->show();
        edit.perform(sheet.get());
        if (QTest::currentTestFailed())
            return;
        QSignalSpy finished(sheet.get(), &QDialog::finished);
        QVERIFY(sheet->validateButton()->isEnabled());
        QTest::mouseClick(sheet->validateButton(), Qt::LeftButton);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().toInt(), 1);
        QVERIFY2(*profile == *after.make(), qPrintable(QJsonDocument(profile->editionsDescription()).toJson()));
    }

    void cancelWritesNothingAndNotesOfTheEditedProfileReload()
    {
        RCEditProfileNameWindowController sheet;
        const PhotosRemoteProfilePtr profile = ProfileValues().make();
        const PhotosRemoteProfilePtr other = ProfileValues().make();
        sheet.setProfile(profile);
        sheet.show();
        field<QLineEdit>(&sheet, "valueTextField")->setText(QStringLiteral("Typed"));
        other->setName(QStringLiteral("Elsewhere"));
        QCOMPARE(field<QLineEdit>(&sheet, "valueTextField")->text(), QStringLiteral("Typed"));
        profile->setName(QStringLiteral("Changed"));
        QCOMPARE(field<QLineEdit>(&sheet, "valueTextField")->text(), QStringLiteral("Changed"));

        field<QLineEdit>(&sheet, "valueTextField")->setText(QStringLiteral("Typed again"));
        QSignalSpy finished(&sheet, &QDialog::finished);
        QTest::mouseClick(sheet.cancelButton(), Qt::LeftButton);
        QCOMPARE(finished.first().first().toInt(), 0);
        QCOMPARE(profile->name(), QStringLiteral("Changed"));
    }

    void locationSaveWaitsForARealPosition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("saves");
        QTest::newRow("unreadable") << "somewhere" << false;
        QTest::newRow("latitude beyond the pole") << "95, 10" << false;
        QTest::newRow("decimal degrees") << "48.8584, 2.2945" << true;
        QTest::newRow("ISO 6709") << "+48.8584+002.2945/" << true;
    }

    void locationSaveWaitsForARealPosition()
    {
        QFETCH(QString, text);
        QFETCH(bool, saves);
        RCEditImageLocationWindowController sheet;
        const PhotosRemoteProfilePtr profile = ProfileValues().make();
        sheet.setProfile(profile);
        sheet.show();
        QVERIFY(sheet.validateButton()->isEnabled());
        QVERIFY(!field<QToolButton>(&sheet, "zoomToFitButton")->isEnabled());
        QTest::keyClicks(field<QLineEdit>(&sheet, "coordinateTextField"), text);
        QVERIFY(field<QCheckBox>(&sheet, "useCoordinateSwitch")->isChecked());
        QCOMPARE(sheet.validateButton()->isEnabled(), saves);
        sheet.changeCoordinate();
        QCOMPARE(sheet.mapView()->annotations().size(), saves ? 1 : 0);
        QCOMPARE(field<QToolButton>(&sheet, "zoomToFitButton")->isEnabled(), saves);
        // Even forced, an unreadable text never becomes 0, 0.
        sheet.validateEdition();
        QCOMPARE(profile->locationEdition().has_value(), saves);
    }

    void locationMapZoomsAndTakesDoubleClicks()
    {
        ProfileValues located;
        located.location = Coordinate(48.8584, 2.2945);
        RCEditImageLocationWindowController sheet;
        sheet.setProfile(located.make());
        sheet.resize(700, 600);
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        maps::SyncRegionMapView* map = sheet.mapView();
        QCOMPARE(map->annotations().size(), 1);
        QVERIFY(map->region().contains(Coordinate(48.8584, 2.2945)));
        QCOMPARE(field<QLineEdit>(&sheet, "coordinateTextField")->text(), halvex::CoordinateWriter().DDddddd(Coordinate(48.8584, 2.2945)));

        const double span = map->region().longitudeDelta();
        sheet.mapZoomIn();
        QVERIFY2(map->region().longitudeDelta() < span * 0.6, "zooming in shows a smaller region");
        const QString stored = brisa::UserDefaults::standard().value(Settings::remoteLocationMapRegion());
        sheet.mapZoomOut();
        sheet.mapZoomOut();
        QVERIFY2(map->region().longitudeDelta() > span * 1.5, "zooming out shows a larger region");
        QVERIFY(brisa::UserDefaults::standard().value(Settings::remoteLocationMapRegion()) != stored);

        field<QCheckBox>(&sheet, "useCoordinateSwitch")->setChecked(false);
        const int w = map->width();
        const int h = map->height();
        sheet.clickLocation(QPointF(w - 50, h - 20));
        QVERIFY(!field<QCheckBox>(&sheet, "useCoordinateSwitch")->isChecked());
        QVERIFY(sheet.currentCoordinate()->latitude() == 48.8584);
        sheet.clickLocation(QPointF(w - 100, h - 20));
        QVERIFY(field<QCheckBox>(&sheet, "useCoordinateSwitch")->isChecked());
        QVERIFY(sheet.currentCoordinate()->latitude() < 48.8584);
        QCOMPARE(map->annotations().first().coordinate.latitude(), sheet.currentCoordinate()->latitude());
    }

    void locationSearchPicksATown()
    {
        if (!QFile::exists(halvex::Gazetteer::defaultFolder() + QStringLiteral("/cities15000.txt")))
            QSKIP("the gazetteer is not installed");
        halvex::Geocoder::setShared(std::make_shared<halvex::GazetteerGeocoder>());
        RCEditImageLocationWindowController sheet;
        const PhotosRemoteProfilePtr profile = ProfileValues().make();
        sheet.setProfile(profile);
        sheet.show();
        auto* results = field<QListWidget>(&sheet, "searchResultList");
        QTest::keyClicks(field<QLineEdit>(&sheet, "searchField"), QStringLiteral("zur"));
        QVERIFY(results->count() > 0);
        QVERIFY(results->item(0)->text().startsWith(u"Zürich"_qs));
        results->setCurrentRow(0);
        QVERIFY(field<QCheckBox>(&sheet, "useCoordinateSwitch")->isChecked());
        QCOMPARE(sheet.mapView()->annotations().size(), 1);
        sheet.validateEdition();
        halvex::Geocoder::setShared(nullptr);
        QVERIFY(profile->locationEdition());
        QCOMPARE(qRound(profile->locationEdition()->latitude()), 47);
        QCOMPARE(qRound(profile->locationEdition()->longitude()), 9);
    }

    void keywordsSheetAddsTheSelectedLibraryKeywords()
    {
        halvex::KeywordManager library(QDir::temp().filePath(QStringLiteral("unused-keywords.json")));
        auto places = std::make_shared<halvex::KeywordItem>(QStringLiteral("Places"));
        places->insertChildren({std::make_shared<halvex::KeywordItem>(QStringLiteral("Paris, France")),
                                std::make_shared<halvex::KeywordItem>(QStringLiteral("Zürich"))}, 0);
        library.setItems({places, std::make_shared<halvex::KeywordItem>(QStringLiteral("Holidays"))});
        const QString shape = keywordtest::describe(library.items());
        RCEditImageKeywordsWindowController sheet(library, nullptr);
        ProfileValues values;
        values.keywords = QStringList{"sea"};
        sheet.setProfile(values.make());
        sheet.show();
        QVERIFY(!sheet.canAddKeyword());
        sheet.addSelectedKeywords();
        QCOMPARE(field<TokenField>(&sheet, "keywordsTokenField")->tokens(), QStringList{"sea"});

        field<QCheckBox>(&sheet, "useEditionSwitch")->setChecked(false);
        field<QTreeView>(&sheet, "keywordsOutlineView")->expandAll();
        const QModelIndex placesRow = sheet.outlineModel()->index(0, 0);
        QItemSelection selection;
        selection.select(sheet.outlineModel()->index(1, 0), sheet.outlineModel()->index(1, 0));
        selection.select(sheet.outlineModel()->index(0, 0, placesRow), sheet.outlineModel()->index(0, 0, placesRow));
        field<QTreeView>(&sheet, "keywordsOutlineView")->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        QVERIFY(field<QPushButton>(&sheet, "addKeywordButton")->isEnabled());
        QTest::mouseClick(field<QPushButton>(&sheet, "addKeywordButton"), Qt::LeftButton);
        QCOMPARE(field<TokenField>(&sheet, "keywordsTokenField")->tokens(), QStringList({"sea", "Paris, France", "Holidays"}));
        QVERIFY(field<QCheckBox>(&sheet, "useEditionSwitch")->isChecked());
        // The library is only read.
        QCOMPARE(keywordtest::describe(library.items()), shape);
    }

    // The library itself is edited in the keyword window, which the sheet opens through the
    // application; without an application to open it, the button is off.
    void keywordsSheetOpensTheKeywordWindow()
    {
        halvex::KeywordManager library(QDir::temp().filePath(QStringLiteral("unused-keywords.json")));
        {
            RCEditImageKeywordsWindowController sheet(library, nullptr);
            QVERIFY(!field<QPushButton>(&sheet, "manageKeywordsButton")->isEnabled());
        }
        corvelle::test::ApplicationCommandsStandIn application({QStringLiteral("showKeywordManager:")});
        RCEditImageKeywordsWindowController sheet(library, nullptr);
        sheet.setProfile(ProfileValues().make());
        sheet.show();
        QPushButton* button = field<QPushButton>(&sheet, "manageKeywordsButton");
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(application.performed, QStringList{QStringLiteral("showKeywordManager:")});
        QVERIFY(sheet.isVisible());
    }
};

QTEST_MAIN(RCEditPropertySheetsTest)
#include "RCEditPropertySheetsTest.moc"
