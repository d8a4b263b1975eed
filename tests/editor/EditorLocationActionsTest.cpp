#include "editor/EditorLocationActions.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "editor/GeotagsSyncViewController.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "engine/halvex/places/TagEditorLocation.h"
#include "engine/halvex/places/TagEditorLocationList.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/TagItem.h"
#include "filemodel/MetadataFileList.h"
#include "tags/TagNamePickerWindowController.h"
#include "tags/TagsSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "support/TestEnvironment.h"
#include "support/ui/SectionViewStandIn.h"

#include <QAction>
#include <QLineEdit>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace corvelle;
using corvelle::test::fixturePath;

namespace {

constexpr int taskTimeout = 60000;

QString exifTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("exiftool"), arguments);
    process.waitForFinished(taskTimeout);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool near(const std::optional<halvex::Coordinate>& a, double latitude, double longitude)
{
    return a && std::abs(a->latitude() - latitude) < 1e-4 && std::abs(a->longitude() - longitude) < 1e-4;
}

} // namespace

class EditorLocationActionsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<EditorWindowController> controller_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }
    halvex::TagEditor& editor(int row) const { return *list().files()[row]->editor(); }

    QString copy(const QString& fixture, const QString& name)
    {
        const QString target = folder_.filePath(name);
        QFile::remove(target);
        QFile::copy(fixturePath(fixture), target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTest::qWait(0);
    }

    // Row 0: the photo with its GPS position and address; row 1: the photo without any
    // location tag; row 2: the movie, with its QuickTime position only.
    void openThree()
    {
        const QString bare = copy(QStringLiteral("photo.jpg"), QStringLiteral("b-bare.jpg"));
        exifTool({QStringLiteral("-overwrite_original"), QStringLiteral("-GPS:all="), QStringLiteral("-IPTC:all="),
                  QStringLiteral("-XMP:all="), bare});
        controller_->addFiles({QUrl::fromLocalFile(copy(QStringLiteral("photo.jpg"), QStringLiteral("a-photo.jpg"))),
                               QUrl::fromLocalFile(bare),
                               QUrl::fromLocalFile(copy(QStringLiteral("movie.mp4"), QStringLiteral("c-movie.mp4")))});
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 3, taskTimeout);
        waitForTasks();
    }

    bool perform(const char* action)
    {
        QAction* item = controller_->commandAction(QString::fromLatin1(action));
        controller_->refreshCommandActions();
        if (!item || !item->isEnabled())
            return false;
        item->trigger();
        return true;
    }


private Q_SLOTS:
    void initTestCase() { corvelle::test::SectionViewStandIn::registerFor(); }

    void init()
    {
        brisa::UserDefaults::standard().setObject(Settings::lastContentSection().name(), {});
        halvex::TagPasteboard::shared().setCopiedTags({});
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->show();
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
    }

    // Which commands each selection allows: every command of the menu is the family's.
    void validation_data()
    {
        QTest::addColumn<QString>("action");
        // e or d per state: none selected, photo, bare photo, movie, photo in the raw section
        QTest::addColumn<QString>("expected");
        QTest::newRow("copy all") << "copyLocationTags:" << "deeee";
        QTest::newRow("cut all") << "cutLocationTags:" << "deeee";
        QTest::newRow("paste all, empty pasteboard") << "pasteLocationTags:" << "ddddd";
        QTest::newRow("find") << "searchLocation:" << "deeed";
        QTest::newRow("restore all") << "restoreLocation:" << "deded";
        QTest::newRow("clear all") << "clearLocation:" << "deded";
        QTest::newRow("from a file") << "importLocation:" << "deeed";
        QTest::newRow("copy EXIF position") << "copyEXIFGPSCoordinate:" << "dedde";
        QTest::newRow("paste EXIF position, none copied") << "pasteEXIFGPSCoordinate:" << "ddddd";
        QTest::newRow("EXIF position from a file") << "importEXIFGPSCoordinate:" << "deeed";
        QTest::newRow("clear EXIF") << "clearEXIFGPSLocation:" << "deeed";
        QTest::newRow("copy GPS stamp") << "copyEXIFGPSStampTags:" << "ddddd";
        QTest::newRow("copy IPTC address") << "copyIPTCLocationAddress:" << "dedde";
        QTest::newRow("copy XMP position") << "copyXMPCoordinate:" << "ddddd";
        QTest::newRow("copy QuickTime position") << "copyQuicktimeCoordinate:" << "ddded";
        QTest::newRow("copy as text") << "copyCoordinates:" << "dedee";
        QTest::newRow("copy as ISO 6709") << "copyCoordinatesISO6709:" << "dedee";
        QTest::newRow("paste coordinates, none copied") << "pasteCoordinates:" << "ddddd";
        QTest::newRow("address from EXIF") << "autocompleteUsingEXIFCoordinate:" << "deddd";
        QTest::newRow("position from IPTC") << "autocompleteUsingIPTCAddress:" << "deddd";
        QTest::newRow("position from XMP") << "autocompleteUsingXMPAddress:" << "deddd";
        QTest::newRow("address from QuickTime") << "autocompleteUsingQuickTimeCoordinate:" << "dddfd";
    }

    void validation()
    {
        QFETCH(QString, action);
        QFETCH(QString, expected);
        openThree();
        QString seen;
        for (const brisa::IndexSet& selection : {brisa::IndexSet{}, brisa::IndexSet{0}, brisa::IndexSet{1}, brisa::IndexSet{2}}) {
            list().setSelection(selection);
            seen += controller_->validateUserInterfaceItem(action) ? u'e' : u'd';
        }
        list().setSelection(brisa::IndexSet{0});
        controller_->setContentSection(EditorContentSection::raw);
        seen += controller_->validateUserInterfaceItem(action) ? u'e' : u'd';
        QCOMPARE(seen, expected.replace(u'f', u'e'));
    }

    // A cut queues its copy; a paste made at once after it pastes what that copy takes, not
    // what the pasteboard held before, and the cut file loses its place.
    void pasteFollowsTheCutQueuedBeforeIt()
    {
        openThree();
        list().setSelection(brisa::IndexSet{2});
        QVERIFY(perform("copyLocationTags:"));
        waitForTasks();
        QVERIFY(halvex::TagPasteboard::shared().hasCopiedTags());

        list().setSelection(brisa::IndexSet{0});
        QVERIFY(perform("cutLocationTags:"));
        list().setSelection(brisa::IndexSet{1});
        QVERIFY(perform("pasteLocationTags:"));
        waitForTasks();
        QVERIFY2(near(halvex::gpsCoordinate(editor(1)), 47.3769, 8.5417),
                 qPrintable(QString::number(halvex::gpsCoordinate(editor(1)).value_or(halvex::Coordinate(0, 0)).latitude())));
        QCOMPARE(editor(1).currentValue(ostrak::TagName(QStringLiteral("IPTC"), QStringLiteral("City"))), u"Zürich"_qs);
        QVERIFY(!halvex::gpsCoordinate(editor(0)));
    }

    // Each family's tags copied from a file, cleared there, and pasted into another file (a
    // movie's QuickTime place back into the movie): only that family moves.
    void familyCopyClearAndPaste_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::newRow("EXIF") << u"EXIFGPSLocation"_qs << 0 << 1;
        QTest::newRow("IPTC") << u"IPTCLocation"_qs << 0 << 1;
        QTest::newRow("XMP") << u"XMPLocation"_qs << 0 << 1;
        QTest::newRow("QuickTime") << u"QuicktimeLocation"_qs << 2 << 2;
    }

    void familyCopyClearAndPaste()
    {
        QFETCH(QString, family);
        QFETCH(int, source);
        QFETCH(int, target);
        openThree();
        // What the family holds of a file: its position, or its town.
        const auto held = [&family](const halvex::TagEditor& editor) -> QString {
            std::optional<halvex::Coordinate> position;
            std::optional<halvex::TextLocation> address;
            if (family == u"EXIFGPSLocation"_qs)
                position = halvex::exifGPSCoordinate(editor);
            else if (family == u"IPTCLocation"_qs)
                address = halvex::iptcTextLocation(editor);
            else if (family == u"XMPLocation"_qs)
                address = halvex::xmpTextLocation(editor);
            else
                position = halvex::quicktimeGPSCoordinate(editor);
            if (position)
                return QStringLiteral("%1 %2").arg(position->latitude(), 0, 'f', 4).arg(position->longitude(), 0, 'f', 4);
            return address ? address->city().value_or(QString()) : QString();
        };
        const QString before = held(editor(source));
        QVERIFY(!before.isEmpty());
        const std::optional<halvex::Coordinate> sourcePosition = halvex::gpsCoordinate(editor(source));

        list().setSelection(brisa::IndexSet{source});
        QVERIFY(perform(qPrintable(u"copy"_qs + family.chopped(8) + u"LocationTags:"_qs)));
        waitForTasks();
        QVERIFY(perform(qPrintable(u"clear"_qs + family + u":"_qs)));
        waitForTasks();
        QCOMPARE(held(editor(source)), QString());

        list().setSelection(brisa::IndexSet{target});
        QVERIFY(perform(qPrintable(u"paste"_qs + family.chopped(8) + u"LocationTags:"_qs)));
        waitForTasks();
        QCOMPARE(held(editor(target)), before);
        // The other families of the source are untouched by its clear.
        if (family == u"IPTCLocation"_qs || family == u"XMPLocation"_qs)
            QVERIFY(near(halvex::exifGPSCoordinate(editor(source)), sourcePosition->latitude(), sourcePosition->longitude()));
    }

    // One family's position copied and pasted into another family of another file; the
    // coordinate as text follows the notation asked for.
    void coordinateCopies()
    {
        openThree();
        list().setSelection(brisa::IndexSet{2});
        QVERIFY(perform("copyQuicktimeCoordinate:"));
        list().setSelection(brisa::IndexSet{1});
        QVERIFY(perform("pasteXMPCoordinate:"));
        waitForTasks();
        QVERIFY(near(halvex::xmpGPSCoordinate(editor(1)), 48.8584, 2.2945));
        QVERIFY(!halvex::exifGPSCoordinate(editor(1)));

        list().setSelection(brisa::IndexSet{0});
        QVERIFY(perform("copyCoordinatesISO6709:"));
        QVERIFY(halvex::TagPasteboard::shared().text()->startsWith(u"+47.3"_qs));
        QVERIFY(perform("copyCoordinatesDDddddd:"));
        QVERIFY(halvex::TagPasteboard::shared().text()->startsWith(u"47.3"_qs));
    }

    // Location tags from another file: a readable one gives its place; one that cannot be read
    // writes nothing and says which file and why.
    void importFromAnotherFile()
    {
        openThree();
        const EditorLocationActions::Editors bare{list().files()[1]->editor()};
        QStringList reasons;
        // Chosen, then gone before it could be read.
        const QString gone = copy(QStringLiteral("photo.jpg"), QStringLiteral("gone.jpg"));
        QFile::remove(gone);
        EditorLocationActions::importLocation(gone, bare, [&](const QString& reason) { reasons << reason; });
        QTRY_COMPARE_WITH_TIMEOUT(reasons.size(), 1, taskTimeout);
        QVERIFY(!reasons.first().isEmpty());
        waitForTasks();
        QVERIFY(!editor(1).hasEdits());

        EditorLocationActions::importLocation(fixturePath(QStringLiteral("photo.jpg")), bare, {});
        QTRY_VERIFY_WITH_TIMEOUT(halvex::gpsCoordinate(editor(1)).has_value(), taskTimeout);
        waitForTasks();
        QVERIFY(near(halvex::gpsCoordinate(editor(1)), 47.3769, 8.5417));

        EditorLocationActions::importCoordinate(fixturePath(QStringLiteral("movie.mp4")), bare,
                                                  qOverload<const EditorLocationActions::Editors&, const halvex::TypedValue&>(&halvex::setExifGPSCoordinate));
        QTRY_VERIFY_WITH_TIMEOUT(near(halvex::exifGPSCoordinate(editor(1)), 48.8584, 2.2945), taskTimeout);
        waitForTasks();
    }

    // A GPS track into the selected photo, written at once and read again; then the selection's
    // positions out as one GPX file.
    void geotagImportAndExport()
    {
        openThree();
        list().setSelection(brisa::IndexSet{1});
        QVERIFY(controller_->validateUserInterfaceItem(QStringLiteral("importGeotags:")));
        QVERIFY(controller_->locationActions().queueGeotagImport(fixturePath(QStringLiteral("track.gpx")),
                                                                 QStringLiteral("02:00:00")));
        // The editor is read again by a task of its own, queued once the write has finished.
        QTRY_VERIFY_WITH_TIMEOUT(near(halvex::gpsCoordinate(editor(1)), 47.37104, 8.54208), taskTimeout);
        waitForTasks();
        QVERIFY(!editor(1).hasEdits());

        list().selectAllFiles();
        const QString gpx = folder_.filePath(QStringLiteral("out.gpx"));
        QVERIFY(controller_->locationActions().queueGeotagExport(gpx, false));
        waitForTasks();
        QFile file(gpx);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("<trkpt"), 3);

        controller_->setContentSection(EditorContentSection::raw);
        QVERIFY(!controller_->validateUserInterfaceItem(QStringLiteral("importGeotags:")));
        QVERIFY(controller_->validateUserInterfaceItem(QStringLiteral("exportGPXGeotags:")));
    }

    // The panel's zone fields: preset from the zone with the signs of the parts, read back with
    // one sign.
    void geotagZoneFields()
    {
        GeotagsSyncViewController fields;
        for (const auto& [offset, parts, text] : QList<std::tuple<int, QString, QString>>{
                 {-12600, u"-3 -30 0"_qs, u"-03:30:00"_qs}, {0, u"0 0 0"_qs, u"00:00:00"_qs},
                 {3600, u"1 0 0"_qs, u"01:00:00"_qs}, {19800, u"5 30 0"_qs, u"05:30:00"_qs}}) {
            fields.setUpOffsetFields(offset);
            QCOMPARE(QStringList({fields.hhTextField()->text(), fields.mmTextField()->text(), fields.ssTextField()->text()})
                         .join(u' '),
                     parts);
            QCOMPARE(fields.timeOffsetText(), text);
        }
        fields.hhTextField()->setText(u"7"_qs);
        fields.mmTextField()->setText(u"zero"_qs);
        fields.ssTextField()->clear();
        QCOMPARE(fields.timeOffsetText(), u"07:00:00"_qs);
    }

    // The GPS stamps from the date tag chosen in the tag picker (date tags other than the stamps,
    // last time's choice first), in every selected file; the choice is kept.
    void gpsStampFromADate()
    {
        openThree();
        list().setSelection(brisa::IndexSet{0, 1});
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        defaults.set(Settings::reducedTagSetUserChoice(), corvelle::ReducedTagSetUserChoice::all);
        const ostrak::TagName original = ostrak::TagItem::itemEXIFDateTimeOriginal().tagName();
        defaults.set(Settings::syncDateTimeChosenName(), original);
        QVERIFY(perform("syncEXIFGPSStamp:"));
        corvelle::TagNamePickerWindowController* picker = nullptr;
        QTRY_VERIFY((picker = controller_->window()->findChild<corvelle::TagNamePickerWindowController*>()) != nullptr);
        QTRY_VERIFY(!picker->isSearching());
        QCOMPARE(picker->selectedTagItem(), std::optional<ostrak::TagItem>(ostrak::TagItem::itemEXIFDateTimeOriginal()));
        QVERIFY(picker->listModel()->elements().contains(ostrak::TagItem::itemEXIFDateTimeOriginal()));
        for (const ostrak::TagItem& item : picker->listModel()->elements())
            QVERIFY(EditorLocationActions::isStampSource(item));
        QVERIFY(!picker->listModel()->elements().contains(ostrak::TagItem::itemEXIFGPSDateStamp()));
        picker->applySheet();
        QTest::qWait(0);
        waitForTasks();
        for (int row : {0, 1})
            QCOMPARE(editor(row).currentValue(ostrak::TagItem::itemEXIFGPSDateStamp().tagName()), u"2022:07:14"_qs);
        QVERIFY(halvex::exifGPSStamp(editor(0)).has_value());
        QCOMPARE(defaults.value(Settings::syncDateTimeChosenName()), original);
    }

    // The installed geocoder fills the address of the movie from its position.
    void autocompleteWithTheGazetteer()
    {
        if (!QFile::exists(halvex::Gazetteer::defaultFolder() + QStringLiteral("/cities15000.txt")))
            QSKIP("the gazetteer is not installed");
        halvex::Geocoder::setShared(std::make_shared<halvex::GazetteerGeocoder>());
        openThree();
        list().setSelection(brisa::IndexSet{0, 1});
        QVERIFY(perform("autocompleteUsingEXIFCoordinate:"));
        waitForTasks();
        QCOMPARE(editor(0).currentValue(ostrak::TagName(QStringLiteral("IPTC"), QStringLiteral("Province-State"))),
                 u"Zurich"_qs);
        halvex::Geocoder::setShared(nullptr);
    }
};

QTEST_MAIN(EditorLocationActionsTest)
#include "EditorLocationActionsTest.moc"
