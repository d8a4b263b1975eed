#include "EditingTestSupport.h"
#include "EditorTestHost.h"
#include "editing/BooleanEditionViewController.h"
#include "editing/CountryEditionViewController.h"
#include "editing/DateTimeActionViewController.h"
#include "editing/DateTimeEditionViewController.h"
#include "editing/ImageB64EditionViewController.h"
#include "editing/KeywordEditionViewController.h"
#include "support/ui/ApplicationCommandsStandIn.h"
#include "editing/SpeedEditionViewController.h"
#include "editing/EnumEditionViewController.h"
#include "editing/NumberEditionViewController.h"
#include "editing/TextEditionViewController.h"
#include "engine/halvex/EndToEndTestSupport.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/ValueConverter.h"
#include "widgets/controls/IncrementStepper.h"
#include "widgets/controls/SearchField.h"
#include "widgets/controls/TokenField.h"
#include "engine/halvex/libraries/KeywordItem.h"
#include "engine/halvex/libraries/KeywordManager.h"

#include <QBuffer>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QDateTimeEdit>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

#include <ctime>

using namespace corvelle;
using corvelle::test::EditorTestHost;
using corvelle::test::tagItem;
using halvex::TagValueTableValueSet;

namespace {

// The row of a list that shows this text.
QModelIndex rowShowing(QListView* list, const QString& text)
{
    const QModelIndexList found = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    return found.isEmpty() ? QModelIndex() : found.first();
}

void clickRow(QListView* list, const QModelIndex& index)
{
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

} // namespace

class ValueEditorsTest : public QObject {
    Q_OBJECT

private:
    halvex::test::EndToEnd files_;

    // The photo fixture opened anew, with the value set of one tag.
    TagValueTableValueSet photoValues(const char* tag, QString* path = nullptr)
    {
        const QString copy = files_.copy(QStringLiteral("photo.jpg"), QStringLiteral("photo-%1.jpg").arg(++copies_));
        if (path)
            *path = copy;
        return TagValueTableValueSet({files_.open(copy)}, {tagItem(tag)});
    }

    int copies_ = 0;

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QVERIFY(files_.isValid());
    }

    // The handler runs when hasValueChanges flips and at no other call.
    void changesHandlerRunsOnFlipsOnly()
    {
        EditorTestHost host(EditionKind::text);
        auto* editor = host.editor<TextEditionViewController>();
        editor->loadValueSet(photoValues("IFD0:Make"));
        QCOMPARE(editor->textView()->toPlainText(), QStringLiteral("Corvelle"));
        QVERIFY(!editor->hasValueChanges());
        QCOMPARE(host.handlerCalls, 0);

        editor->textView()->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor->textView(), QStringLiteral(" Labs"));
        QVERIFY(editor->hasValueChanges());
        QCOMPARE(host.handlerCalls, 1);
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("Corvelle Labs")));

        // Undo stays in the editor and takes the typing back.
        editor->textView()->undo();
        QCOMPARE(editor->textView()->toPlainText(), QStringLiteral("Corvelle"));
        QCOMPARE(host.handlerCalls, 1);

        editor->resetValue();
        QCOMPARE(host.handlerCalls, 2);
        editor->resetValue();
        editor->markValueChanged();
        editor->markValueChanged();
        QCOMPARE(host.handlerCalls, 3);
    }

    void textEditorStates()
    {
        EditorTestHost host(EditionKind::text);
        auto* editor = host.editor<TextEditionViewController>();
        // Nothing loaded: no tag, so the empty text.
        QCOMPARE(editor->editedValue(), std::optional<QString>(QString()));

        // Two files with different makes: empty, editable, inviting a value.
        const QString first = files_.copy(QStringLiteral("photo.jpg"), QStringLiteral("several-1.jpg"));
        const QString second = files_.copy(QStringLiteral("photo.jpg"), QStringLiteral("several-2.jpg"));
        const auto editors = files_.open(QStringList{first, second});
        QCOMPARE(editors.size(), 2);
        editors.at(1)->setValue(QStringLiteral("Other"), tagItem("IFD0:Make").tagName());
        editor->loadValueSet(TagValueTableValueSet(editors, {tagItem("IFD0:Make")}));
        QCOMPARE(editor->textView()->toPlainText(), QString());
        QVERIFY(!editor->textView()->isReadOnly());
        QCOMPARE(editor->textView()->placeholderText(), QStringLiteral("Enter a value here"));
        QCOMPARE(editor->editedValue(), std::optional<QString>(QString()));

        // A tag no file can take: the value shows, typing is refused.
        editor->loadValueSet(photoValues("Composite:ImageSize"));
        QVERIFY(editor->textView()->isReadOnly());
        QCOMPARE(editor->textView()->placeholderText(), QStringLiteral("This tag cannot be edited"));
        QTest::keyClicks(editor->textView(), QStringLiteral("x"));
        QVERIFY(!editor->hasValueChanges());

        // A preset entry that keeps the value leaves the editor reset.
        editor->loadPresetEditionRow(PresetEditionRowValue{tagItem("IFD0:Make"), halvex::PresetEdition::keepCurrentValue()});
        QCOMPARE(editor->textView()->toPlainText(), QString());
        QVERIFY(!editor->textView()->isReadOnly());
    }

    void numberEditorWritesWhatTheUserTypes()
    {
        EditorTestHost host(EditionKind::number);
        auto* editor = host.editor<NumberEditionViewController>();
        QString path;
        const TagValueTableValueSet values = photoValues("IFD0:XResolution", &path);
        editor->loadValueSet(values);
        QCOMPARE(editor->valueTextField()->text(), QStringLiteral("72.00"));
        QVERIFY(!editor->hasValueChanges());

        editor->valueStepper()->stepUp();
        QCOMPARE(editor->valueTextField()->text(), QStringLiteral("73"));
        QCOMPARE(host.handlerCalls, 1);

        editor->valueTextField()->selectAll();
        QTest::keyClicks(editor->valueTextField(), QStringLiteral("300.5"));
        const std::optional<QString> written = editor->editedValue();
        QCOMPARE(written, std::optional<QString>(QStringLiteral("300.5")));
        QVERIFY(values.editors().first()->setValue(written, tagItem("IFD0:XResolution").tagName()));
        QCOMPARE(files_.save(values.editors()), QString());
        QCOMPARE(halvex::test::EndToEnd::number(path, QStringLiteral("IFD0:XResolution")), std::optional<double>(300.5));

        // A custom value that is no number leaves the field empty and unchanged.
        editor->loadPresetEditionRow(PresetEditionRowValue{tagItem("IFD0:XResolution"),
                                                           halvex::PresetEdition::useCustomValue({QStringLiteral("abc")})});
        QCOMPARE(editor->valueTextField()->text(), QString());
        QVERIFY(!editor->hasValueChanges());
        QCOMPARE(editor->editedValue(), std::optional<QString>(QString()));

        // Integers take no fraction.
        editor->loadValueSet(TagValueTableValueSet(values.editors(), {tagItem("ExifIFD:ISO")}));
        editor->valueTextField()->setText(QStringLiteral("1.5"));
        QCOMPARE(editor->editedValue(), std::optional<QString>(QString()));
        editor->valueTextField()->setText(QStringLiteral("1,600"));
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("1600")));
    }

    void booleanEditorShowsYesNoOrNeither()
    {
        const ostrak::TagItem boolean = test::firstTagItem([](const ostrak::TagItem& item) {
            return item.type() == ostrak::TagType::Boolean && item.choices().isEmpty() && item.isWritable()
                && !item.isInSequence();
        });
        const QString yes = boolean.converter().stringValueFromTypedValue(true).value();
        const QString no = boolean.converter().stringValueFromTypedValue(false).value();
        EditorTestHost host(EditionKind::boolean);
        auto* editor = host.editor<BooleanEditionViewController>();
        QCOMPARE(editor->valuePopUpButton()->count(), 2);

        editor->loadPresetEditionRow(PresetEditionRowValue{boolean, halvex::PresetEdition::useCustomValue({yes})});
        QCOMPARE(editor->valuePopUpButton()->currentIndex(), 0);
        QCOMPARE(editor->editedValue(), std::optional<QString>(yes));
        QVERIFY(!editor->hasValueChanges());

        editor->valuePopUpButton()->setCurrentIndex(1);
        QVERIFY(editor->hasValueChanges());
        QCOMPARE(editor->editedValue(), std::optional<QString>(no));

        editor->loadPresetEditionRow(PresetEditionRowValue{boolean, halvex::PresetEdition::useCustomValue({QStringLiteral("maybe")})});
        QCOMPARE(editor->valuePopUpButton()->currentIndex(), -1);
        QCOMPARE(host.handlerCalls, 2);
    }

    void unknownAndNotWritableEditorsGiveNoValue()
    {
        for (const EditionKind kind : {EditionKind::unknown, EditionKind::notWritable}) {
            EditorTestHost host(kind);
            host.editor()->markValueChanged();
            host.editor()->loadValueSet(photoValues("IFD0:Make"));
            QVERIFY(!host.editor()->hasValueChanges());
            QCOMPARE(host.handlerCalls, 2);
            QVERIFY(!host.editor()->editedValue());
        }
    }

    // The pick is kept by value: a search that hides or moves its row does not change what is
    // written.
    void enumEditorKeepsThePickAcrossSearches()
    {
        EditorTestHost host(EditionKind::enumeration);
        auto* editor = host.editor<EnumEditionViewController>();
        QString path;
        const TagValueTableValueSet values = photoValues("IFD0:Orientation", &path);
        editor->loadValueSet(values);
        QListView* list = editor->valuesTableView();
        QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(list->selectionModel()->selectedRows().first().data().toString(), QStringLiteral("6: Rotate 90 CW"));
        QVERIFY(!editor->hasValueChanges());
        QCOMPARE(host.handlerCalls, 0);

        clickRow(list, rowShowing(list, QStringLiteral("3: Rotate 180")));
        QVERIFY(editor->hasValueChanges());
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("3")));

        // Two words, two spaces apart, any letter case.
        editor->searchField()->setText(QStringLiteral("MIRROR  horizontal"));
        QVERIFY(list->model()->rowCount() > 0);
        for (int row = 0; row < list->model()->rowCount(); ++row)
            QVERIFY(list->model()->index(row, 0).data().toString().contains(QLatin1String("Mirror horizontal")));
        QVERIFY(list->selectionModel()->selectedRows().isEmpty());
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("3")));

        editor->searchField()->setText(QStringLiteral("rotate"));
        QCOMPARE(list->selectionModel()->selectedRows().first().data().toString(), QStringLiteral("3: Rotate 180"));

        QVERIFY(values.editors().first()->setValue(editor->editedValue(), tagItem("IFD0:Orientation").tagName()));
        QCOMPARE(files_.save(values.editors()), QString());
        QCOMPARE(halvex::test::EndToEnd::read(path, {QStringLiteral("IFD0:Orientation")}, true), QStringLiteral("3"));
    }

    void enumEditorRefusesChangesWhenNotWritable()
    {
        EditorTestHost host(EditionKind::enumeration);
        auto* editor = host.editor<EnumEditionViewController>();
        const TagValueTableValueSet writable = photoValues("IFD0:Orientation");
        const halvex::TagValueTableRowValue row(tagItem("IFD0:Orientation"), writable.commonValue(), false, false);
        editor->loadValueSet(TagValueTableValueSet(writable.editors(), QList<halvex::TagValueTableRowValue>{row}));
        QListView* list = editor->valuesTableView();
        const QModelIndex other = rowShowing(list, QStringLiteral("1: Horizontal (normal)"));
        QVERIFY(other.isValid());
        clickRow(list, other);
        QVERIFY(!editor->hasValueChanges());
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("6")));
        // Double-clicking still confirms to the host.
        Q_EMIT list->doubleClicked(other);
        QCOMPARE(host.validations, 1);
    }

    void countryEditorWritesTheCodePicked()
    {
        EditorTestHost host(EditionKind::country);
        auto* editor = host.editor<CountryEditionViewController>();
        QString path;
        const TagValueTableValueSet values = photoValues("IPTC:Country-PrimaryLocationCode", &path);
        editor->loadValueSet(values);
        // The photo has no such code: nothing picked, and nothing to write, not an empty code.
        QVERIFY(editor->valuesTableView()->selectionModel()->selectedRows().isEmpty());
        QVERIFY(!editor->editedValue());

        // A search by a second code, then a pick.
        editor->searchField()->setText(QStringLiteral("fr"));
        QListView* list = editor->valuesTableView();
        const QModelIndex france = rowShowing(list, QStringLiteral("France: FRA"));
        QVERIFY(france.isValid());
        clickRow(list, france);
        QCOMPARE(host.handlerCalls, 1);
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("FRA")));

        QVERIFY(values.editors().first()->setValue(editor->editedValue(), tagItem("IPTC:Country-PrimaryLocationCode").tagName()));
        QCOMPARE(files_.save(values.editors()), QString());
        QCOMPARE(halvex::test::EndToEnd::read(path, {QStringLiteral("IPTC:Country-PrimaryLocationCode")}), QStringLiteral("FRA"));

        // A code in another form finds its country, and the search is emptied.
        editor->loadPresetEditionRow(PresetEditionRowValue{tagItem("IPTC:Country-PrimaryLocationCode"),
                                                           halvex::PresetEdition::useCustomValue({QStringLiteral("ch")})});
        QCOMPARE(editor->searchField()->text(), QString());
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("CHE")));
        QCOMPARE(editor->valuesTableView()->selectionModel()->selectedRows().first().data().toString(),
                 QStringLiteral("Switzerland: CHE"));
        QVERIFY(!editor->hasValueChanges());
    }
    // The library is edited in the keyword window, which the editor opens through the
    // application; without an application to open it, the button is off.
    void keywordEditorOpensTheKeywordWindow()
    {
        {
            EditorTestHost host(EditionKind::keyword);
            QVERIFY(!host.editor<KeywordEditionViewController>()->findChild<QPushButton*>(QStringLiteral("keywordsManageButton"))->isEnabled());
        }
        corvelle::test::ApplicationCommandsStandIn application({QStringLiteral("showKeywordManager:")});
        EditorTestHost host(EditionKind::keyword);
        auto* button = host.editor<KeywordEditionViewController>()->findChild<QPushButton*>(QStringLiteral("keywordsManageButton"));
        QVERIFY(button->isEnabled());
        button->click();
        QCOMPARE(application.performed, QStringList{QStringLiteral("showKeywordManager:")});
        QCOMPARE(host.handlerCalls, 0);
    }

    // Keywords go as a list from the file to the editor and back: one holding a comma stays one.
    void keywordEditorKeepsItemsWhole()
    {
        QString path;
        TagValueTableValueSet values = photoValues("IPTC:Keywords", &path);
        const ostrak::TagName keywords = tagItem("IPTC:Keywords").tagName();
        QVERIFY(values.editors().first()->setValues({QStringLiteral("Zürich, Switzerland"), QStringLiteral("lake")}, keywords));
        QCOMPARE(files_.save(values.editors()), QString());
        values = TagValueTableValueSet({files_.open(path)}, {tagItem("IPTC:Keywords")});

        EditorTestHost host(EditionKind::keyword);
        auto* editor = host.editor<KeywordEditionViewController>();
        editor->loadValueSet(values);
        QCOMPARE(editor->valueTokenField()->tokens(), QStringList({QStringLiteral("Zürich, Switzerland"), QStringLiteral("lake")}));
        QVERIFY(!editor->hasValueChanges());

        // Library keywords added to the field; an empty field gains no empty keyword.
        halvex::KeywordManager& library = halvex::KeywordManager::shared();
        library.setItems({std::make_shared<halvex::KeywordItem>(QStringLiteral("evening")), std::make_shared<halvex::KeywordItem>(QStringLiteral("night"))});
        editor->addSelectedKeywords();
        QVERIFY(!editor->hasValueChanges());
        QTreeView* outline = editor->keywordsOutlineView();
        QCOMPARE(outline->model()->rowCount(), 2);
        // The library's own tree: every keyword can be unfolded, with children or not.
        QVERIFY(outline->model()->hasChildren(outline->model()->index(1, 0)));
        outline->selectionModel()->select(outline->model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        editor->addSelectedKeywords();
        QCOMPARE(host.handlerCalls, 1);
        QCOMPARE(editor->editedValues(),
                 std::optional<QStringList>({QStringLiteral("Zürich, Switzerland"), QStringLiteral("lake"), QStringLiteral("evening")}));

        editor->loadValueSet(TagValueTableValueSet(values.editors(), {tagItem("XMP-dc:Contributor")}));
        QCOMPARE(editor->valueTokenField()->tokens(), QStringList());
        outline->selectionModel()->select(outline->model()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        editor->addSelectedKeywords();
        QCOMPARE(editor->editedValues(), std::optional<QStringList>(QStringList{QStringLiteral("night")}));

        QVERIFY(values.editors().first()->setValues(*editor->editedValues(), tagItem("XMP-dc:Contributor").tagName()));
        QVERIFY(values.editors().first()->setValues(
            QStringList({QStringLiteral("Zürich, Switzerland"), QStringLiteral("lake"), QStringLiteral("evening")}), keywords));
        QCOMPARE(files_.save(values.editors()), QString());
        QProcess exiftool;
        exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-j"), QStringLiteral("-IPTC:Keywords"),
                                                    QStringLiteral("-XMP-dc:Contributor"), path});
        QVERIFY(exiftool.waitForFinished(60000));
        const QJsonObject read = QJsonDocument::fromJson(exiftool.readAllStandardOutput()).array().first().toObject();
        QCOMPARE(read.value(QStringLiteral("Keywords")).toArray().toVariantList(),
                 QVariantList({QStringLiteral("Zürich, Switzerland"), QStringLiteral("lake"), QStringLiteral("evening")}));
        QCOMPARE(read.value(QStringLiteral("Contributor")).toString(), QStringLiteral("night"));

        // Removing a library keyword takes its row away while the editor shows.
        library.removeItems(brisa::IndexSet{0});
        QCOMPARE(outline->model()->rowCount(), 1);
        QCOMPARE(outline->model()->index(0, 0).data().toString(), QStringLiteral("night"));
        library.setItems({});
    }

    void speedEditorPutsTheChosenFraction()
    {
        EditorTestHost host(EditionKind::speed, true);
        auto* editor = host.editor<SpeedEditionViewController>();
        QVERIFY(!editor->editedValue());
        editor->loadPresetEditionRow(PresetEditionRowValue{tagItem("GPS:GPSSpeed"), halvex::PresetEdition::useCustomValue({QStringLiteral("0.5")})});
        QCOMPARE(editor->speedValueField()->text(), QStringLiteral("0.5"));
        QVERIFY(!editor->hasValueChanges());

        QMenu* menu = editor->speedPopUpButtons().at(2)->menu();
        QAction* quarterMillisecond = menu->actions().at(2);
        QCOMPARE(quarterMillisecond->text(), QStringLiteral("1 / 250"));
        quarterMillisecond->trigger();
        QCOMPARE(editor->speedValueField()->text(), QStringLiteral("0.004"));
        QCOMPARE(host.handlerCalls, 1);
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("0.004")));
        QVERIFY(editor->speedPopUpButtons().at(0)->y() < editor->speedPopUpButtons().at(1)->y());
    }

    void dateEditorGivesTheDateWithItsZone()
    {
        qputenv("TZ", "UTC");
        tzset();
        EditorTestHost host(EditionKind::dateTime);
        auto* editor = host.editor<DateTimeEditionViewController>();
        QVERIFY(!editor->setTodayButton()->isEnabled());
        QString path;
        const TagValueTableValueSet values = photoValues("ExifIFD:DateTimeOriginal", &path);
        editor->loadValueSet(values);
        QVERIFY(!editor->hasValueChanges());
        QCOMPARE(host.handlerCalls, 0);
        QCOMPARE(editor->resultTextField()->text(), QStringLiteral("2022:07:14 18:45:12"));
        QVERIFY(editor->graphicalDatePicker()->isVisible());
        QCOMPARE(editor->graphicalDatePicker()->selectedDate(), QDate(2022, 7, 14));

        editor->textDatePicker()->setDateTime(QDateTime(QDate(2023, 1, 2), QTime(3, 4, 5)));
        QCOMPARE(host.handlerCalls, 1);
        QCOMPARE(editor->graphicalDatePicker()->selectedDate(), QDate(2023, 1, 2));
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("2023:01:02 03:04:05+00:00")));

        QSignalSpy shifts(editor, &DateTimeEditionViewController::shiftDateComponentsRequested);
        editor->shiftButton()->click();
        QCOMPARE(shifts.size(), 1);

        QVERIFY(values.editors().first()->setValue(editor->editedValue(), tagItem("ExifIFD:DateTimeOriginal").tagName()));
        QCOMPARE(files_.save(values.editors()), QString());
        QCOMPARE(halvex::test::EndToEnd::read(path, {QStringLiteral("ExifIFD:DateTimeOriginal")}), QStringLiteral("2023:01:02 03:04:05"));

        // A time alone: the clock, and the time in the result.
        editor->loadPresetEditionRow(PresetEditionRowValue{tagItem("GPS:GPSTimeStamp"), halvex::PresetEdition::useCustomValue({QStringLiteral("not a time")})});
        QVERIFY(!editor->graphicalDatePicker()->isVisible());
        QCOMPARE(editor->textDatePicker()->displayFormat(), QStringLiteral("HH:mm:ss"));
        QCOMPARE(editor->resultTextField()->text().size(), 8);
        QVERIFY(!editor->hasValueChanges());
    }

    void imageEditorKeepsTheStoredImageUntilChanged()
    {
        const QString copy = files_.copy(QStringLiteral("audio.m4a"), QStringLiteral("cover.m4a"));
        const TagValueTableValueSet values({files_.open(copy)}, {tagItem("ItemList:CoverArt")});
        QCOMPARE(values.commonValue().kind(), halvex::MultiValuedString::Kind::single);
        const auto coverBytes = [](const QString& file) {
            QProcess exiftool;
            exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-b"), QStringLiteral("-ItemList:CoverArt"), file});
            exiftool.waitForFinished(60000);
            return exiftool.readAllStandardOutput();
        };
        // Unchanged, the picture goes back as the file's own bytes: nothing is re-encoded.
        const QString stored = QStringLiteral("base64:") + QString::fromLatin1(coverBytes(copy).toBase64());

        EditorTestHost host(EditionKind::imageB64);
        auto* editor = host.editor<ImageB64EditionViewController>();
        editor->loadValueSet(values);
        QVERIFY(editor->image());
        QVERIFY(!editor->hasValueChanges());
        QCOMPARE(editor->editedValue(), std::optional<QString>(stored));

        // A file that is no image keeps the image and says which file and why.
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("broken.png"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x89PNG\r\n\x1a\n truncated");
        file.close();
        QVERIFY(!editor->importImageFile(broken));
        QVERIFY(editor->image());
        QVERIFY(editor->messageLabel()->text().contains(QLatin1String("broken.png")));
        QVERIFY(!editor->hasValueChanges());
        QVERIFY(!editor->importImageFile(dir.filePath(QStringLiteral("missing.jpg"))));
        QVERIFY(editor->messageLabel()->text().contains(QLatin1String("missing.jpg")));

        // A real picture, cropped and resized, goes in as JPEG.
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString pictureFile = dir.filePath(QStringLiteral("picture.png"));
        QVERIFY(picture.save(pictureFile));
        QVERIFY(editor->importImageFile(pictureFile));
        QVERIFY(editor->messageLabel()->text().isEmpty());
        editor->crop(QSize(1, 1));
        QCOMPARE(editor->image()->size(), QSize(300, 300));
        editor->resize(100);
        QCOMPARE(editor->image()->size(), QSize(100, 100));
        const QString written = editor->editedValue().value();
        QVERIFY(written.startsWith(QLatin1String("base64:/9j/")));

        QImage readBack;
        QVERIFY(readBack.loadFromData(QByteArray::fromBase64(written.mid(7).toLatin1()), "JPEG"));
        QCOMPARE(readBack.size(), QSize(100, 100));

        editor->removeImage();
        QCOMPARE(editor->editedValue(), std::optional<QString>(QString()));
        QVERIFY(!editor->cropButton()->isEnabled());
    }

    // The date action keeps one edition per kind and gives the selected one's text form.
    void dateActionEditorRoundTripsItsEditions()
    {
        EditorTestHost host(EditionKind::dateTimeAction);
        auto* editor = host.editor<DateTimeActionViewController>();
        const ostrak::TagItem time = tagItem("GPS:GPSTimeStamp");
        editor->loadPresetEditionRow(PresetEditionRowValue{time, halvex::PresetEdition::useCustomValue({QStringLiteral("update(hour=13,minute=5)")})});
        QCOMPARE(editor->selectedSegment(), int(DateTimeActionViewController::updateDate));
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("update(hour=13,minute=5)")));
        // A time tag takes no date components.
        QVERIFY(!editor->componentButtons().at(0)->isEnabled());
        QVERIFY(editor->componentButtons().at(3)->isChecked());

        // Switching to a shift widens the fields; typing a number switches its component on.
        editor->selectEmptyShiftEdition();
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("shift()")));
        QCOMPARE(editor->componentFields().at(4)->minimum(), -1000000);
        editor->componentFields().at(4)->setValue(-90);
        QVERIFY(editor->componentButtons().at(4)->isChecked());
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("shift(minute=-90)")));
        QVERIFY(!editor->hasValueChanges());

        // The update edition survives the switch.
        editor->selectSegment(DateTimeActionViewController::updateDate);
        QCOMPARE(editor->editedValue(), std::optional<QString>(QStringLiteral("update(hour=13,minute=5)")));

        // A stored date selects it; text that is no date selects now.
        editor->loadValueSet(photoValues("ExifIFD:DateTimeOriginal"));
        QCOMPARE(editor->selectedSegment(), int(DateTimeActionViewController::selectDate));
        QCOMPARE(editor->editedValue(),
                 std::optional<QString>(QStringLiteral("select(day=14,month=7,year=2022,hour=18,minute=45,second=12)")));
        QVERIFY(editor->editionFromValue(QStringLiteral("soon")).kind() == halvex::DateEdition::Kind::select);
        QCOMPARE(host.handlerCalls, 0);
    }

    void imageSizesOfTheCropAndResizeMenus_data()
    {
        QTest::addColumn<QSize>("ratio");
        QTest::addColumn<int>("side");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("crop 1:1") << QSize(1, 1) << 0 << QSize(3000, 3000);
        QTest::newRow("crop 16:9") << QSize(16, 9) << 0 << QSize(4000, 2250);
        QTest::newRow("crop 3:5") << QSize(3, 5) << 0 << QSize(1800, 3000);
        QTest::newRow("crop 5:7 truncated") << QSize(5, 7) << 0 << QSize(2142, 3000);
        QTest::newRow("crop 16:10") << QSize(16, 10) << 0 << QSize(4000, 2500);
        QTest::newRow("resize 500") << QSize() << 500 << QSize(500, 375);
        QTest::newRow("resize 1000") << QSize() << 1000 << QSize(1000, 750);
    }

    void imageSizesOfTheCropAndResizeMenus()
    {
        QFETCH(QSize, ratio);
        QFETCH(int, side);
        QFETCH(QSize, expected);
        const QSize image(4000, 3000);
        QCOMPARE(side ? ImageB64EditionViewController::resizedSize(image, side)
                      : ImageB64EditionViewController::croppedSize(image, ratio),
                 expected);
    }

    void imageValuesDecodeStrictly()
    {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        const QString base64 = QString::fromLatin1(png.toBase64());
        QVERIFY(ImageB64EditionViewController::imageOfValue(QStringLiteral("base64:") + base64));
        QVERIFY(ImageB64EditionViewController::imageOfValue(base64));
        QVERIFY(!ImageB64EditionViewController::imageOfValue(base64.left(20) + QLatin1Char('\n') + base64.mid(20)));
        QVERIFY(!ImageB64EditionViewController::imageOfValue(QStringLiteral("base64:AAAA")));
    }
};

QTEST_MAIN(ValueEditorsTest)
#include "ValueEditorsTest.moc"
