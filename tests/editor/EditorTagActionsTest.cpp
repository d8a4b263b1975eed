#include "editing/EditionEditStepViewController.h"
#include "editing/TagEditingWindowController.h"
#include "editor/EditingSidebarState.h"
#include "editor/EditorSettings.h"
#include "editor/EditorViewController.h"
#include "editor/EditorTagActions.h"
#include "editor/EditorTagEditingPresenter.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/kit/KitSettings.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFile.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "support/TestEnvironment.h"
#include "tags/EditorTagBarController.h"
#include "tags/EditorTagsViewController.h"
#include "tags/EditorTagSidebarController.h"
#include "tags/SectionPopUpMenu.h"
#include "tags/TagEditingPresenter.h"
#include "tags/TagStreamsPickerWindowController.h"
#include "tags/TagsSettings.h"
#include "GateTask.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QScopeGuard>
#include <QTableView>
#include <QTemporaryDir>
#include <QPointer>
#include <QtTest>

using namespace corvelle;
using halvex::TagSet;
using halvex::TagSetManager;
using ostrak::TagName;
using ostrak::TagStream;

namespace {

constexpr int taskTimeout = 60000;

const QString make = QStringLiteral("IFD0:Make");
const QString dateTaken = QStringLiteral("ExifIFD:DateTimeOriginal");
const QString iptcObjectName = QStringLiteral("IPTC:ObjectName");
const QString dcTitle = QStringLiteral("XMP-dc:Title");
const QString itemTitle = QStringLiteral("ItemList:Title");
// One tag of each family: which of them an action reached tells its scope.
const QStringList probes{make, iptcObjectName, dcTitle, itemTitle};

TagName name(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

// Records what the Tags menu asks of the editing windows, in place of the tag editing sheet,
// the sidebar and the tag copies sheet, which the editing area supplies.
class RecordingPresenter : public EditorTagEditingPresenter {
public:
    QStringList calls;
    bool sidebar = false;
    std::optional<ValueSet> sidebarValues;
    std::optional<QList<halvex::TagSyncPair>> copiesAnswer;
    QList<halvex::TagSyncPair> presetCopies;
    QList<QStringList> sheetTags;

    void presentEditingSheet(EditorWindowController&, const ValueSet& valueSet, std::optional<Step> step) override
    {
        calls << QStringLiteral("sheet %1").arg(step ? int(*step) : -1);
        QStringList names;
        for (const ostrak::TagItem& item : valueSet.tagItems())
            names << item.tagName().rawValue();
        sheetTags << names;
    }
    bool hasSidebar(EditorWindowController&) const override { return sidebar; }
    void focusSidebarStep(EditorWindowController&) override { calls << QStringLiteral("focus"); }
    std::optional<ValueSet> sidebarValueSet(EditorWindowController&) const override { return sidebarValues; }
    void showSidebarStep(EditorWindowController&, Step step) override
    {
        calls << QStringLiteral("sidebar %1").arg(int(step));
    }
    void presentTagCopiesSheet(EditorWindowController&, const QList<halvex::TagSyncPair>& copies,
                               TagCopiesCompletion completion) override
    {
        calls << QStringLiteral("copies");
        presetCopies = copies;
        completion(copiesAnswer);
    }
};

} // namespace

// The Tags menu's commands on tags, driven through the editor window's actions on fixture files.
class EditorTagActionsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<EditorWindowController> controller_;
    std::shared_ptr<RecordingPresenter> presenter_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }
    halvex::TagValueTable& table() const { return *controller_->tagValueTable(); }
    std::shared_ptr<halvex::TagEditor> editor(int row) const { return list().files().at(row)->editor(); }

    void waitForTasks()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTest::qWait(0);
    }

    void selectFiles(std::initializer_list<int> rows)
    {
        list().setSelection(brisa::IndexSet(rows));
        QCOMPARE(table().content().editors().size(), qsizetype(rows.size()));
    }

    int entryOf(const QString& raw) const
    {
        const auto entries = table().content().entries();
        for (int index = 0; index < entries.size(); ++index) {
            if (entries.at(index).tagName() == std::optional(name(raw)))
                return index;
        }
        return -1;
    }

    void selectEntries(const QList<int>& indexes)
    {
        halvex::TagValueTable::Request request = table().latestRequest();
        request.selectedEntryIndexes = brisa::IndexSet(indexes);
        table().reload(request);
    }

    bool isEnabled(const QString& action)
    {
        controller_->refreshCommandActions();
        if (QAction* item = controller_->commandAction(action))
            return item->isEnabled();
        return controller_->validateUserInterfaceItem(action);
    }

    bool trigger(const QString& action)
    {
        if (!isEnabled(action))
            return false;
        controller_->commandAction(action)->trigger();
        return true;
    }

    // Every probe of every file edited, so that a restore shows what it reached.
    void stageEdits()
    {
        QList<std::shared_ptr<halvex::TagEditor>> all;
        for (int row = 0; row < list().files().size(); ++row)
            all << editor(row);
        const halvex::TagEditorList editors(all);
        halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>([editors] {
            for (const QString& raw : probes)
                editors.setValue(QStringLiteral("Staged"), name(raw));
        }));
        waitForTasks();
    }

    TagStreamsPickerWindowController* shownPicker() const
    {
        for (auto* picker : controller_->window()->findChildren<TagStreamsPickerWindowController*>()) {
            if (picker->isVisible())
                return picker;
        }
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        TagSetManager::shared().replace(TagSetManager::Domain::chosen, [](const TagSet&) {
            return TagSet(QList<TagSet::FlatEntry>{
                halvex::TagSection(QStringLiteral("Camera")), name(make), name(dateTaken),
                halvex::TagSection(QStringLiteral("Words")), name(iptcObjectName), name(dcTitle),
                halvex::TagSection(QStringLiteral("Movie")), name(itemTitle)});
        });
    }

    void init()
    {
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        for (const QString& key : {Settings::lastContentSection().name(), Settings::restoreTagsChosenStreams().name(),
                                   Settings::eraseTagsChosenStreams().name(), Settings::copyTagsChosenStreams().name()})
            defaults.setObject(key, {});
        halvex::TagPasteboard::shared().setCopiedTags({});
        EditorWindowController::setTagEditingPresenter(nullptr);
        presenter_ = std::make_shared<RecordingPresenter>();
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->resize(1100, 700);
        controller_->window()->show();
        // Rows: two photos, a movie.
        controller_->addFiles({QUrl::fromLocalFile(test::copyFixture(folder_.path(), "photo.jpg", "a-photo.jpg")),
                               QUrl::fromLocalFile(test::copyFixture(folder_.path(), "photo.jpg", "b-photo.jpg")),
                               QUrl::fromLocalFile(test::copyFixture(folder_.path(), "movie.mp4", "c-movie.mp4"))});
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), 3, taskTimeout);
        waitForTasks();
        controller_->setContentSection(EditorContentSection::tags);
        QVERIFY(QTest::qWaitForWindowExposed(controller_->window()));
    }

    void cleanup()
    {
        waitForTasks();
        controller_.reset();
        EditorWindowController::setTagEditingPresenter(nullptr);
    }

    // Each restore, clear and copy command reaches exactly the tags of its scope, in the selected
    // files only (the first photo and the movie; the second photo is never touched).
    void groupCommands_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("reached");
        const QStringList all = probes;
        const QList<std::pair<const char*, QStringList>> scopes{
            {"EXIFTags:", {make}},
            {"IPTCTags:", {iptcObjectName}},
            {"XMPTags:", {dcTitle}},
            {"QuicktimeTags:", {itemTitle}},
            // The rows of Make and the XMP title are selected.
            {"SelectedTags:", {make, dcTitle}},
            {"DisplayedTags:", all},
            // The "Words" section.
            {"ChosenSection:", {iptcObjectName, dcTitle}},
            // EXIF and XMP are chosen in the picker.
            {"ChosenStreams:", {make, dcTitle}},
            {"AllStreams:", all},
        };
        for (const char* verb : {"restore", "clear", "copy"}) {
            for (const auto& [scope, reached] : scopes) {
                const QString action = QLatin1String(verb) + QLatin1String(scope);
                QTest::newRow(qPrintable(action)) << action << reached;
            }
        }
    }

    void groupCommands()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, reached);
        QCOMPARE(EditorTagActions::groupCommands().size(), 27);
        const bool restoring = action.startsWith(QLatin1String("restore"));
        const bool copying = action.startsWith(QLatin1String("copy"));
        if (restoring)
            stageEdits();
        selectFiles({0, 2});
        selectEntries({entryOf(make), entryOf(dcTitle)});
        const auto before = [&](int row, const QString& raw) { return editor(row)->isEdited(name(raw)); };
        QHash<QString, bool> editedBefore;
        for (int row : {0, 1, 2}) {
            for (const QString& raw : probes)
                editedBefore.insert(QString::number(row) + raw, before(row, raw));
        }

        if (action.endsWith(QLatin1String("ChosenSection:"))) {
            SectionPopUpMenu menu;
            menu.reload();
            QAction* words = nullptr;
            for (QAction* item : menu.actions()) {
                if (item->data().toInt() == 1)
                    words = item;
            }
            QVERIFY(words);
            QCOMPARE(controller_->validateMenuCommand(action, words), MenuValidation::enabled);
            controller_->performMenuCommand(action, words);
        } else if (action.endsWith(QLatin1String("ChosenStreams:"))) {
            QVERIFY(trigger(action));
            TagStreamsPickerWindowController* picker = nullptr;
            QTRY_VERIFY((picker = shownPicker()) != nullptr);
            picker->selectTagStreams({TagStream::streamEXIF(), TagStream::streamXMP()});
            const QPointer<TagStreamsPickerWindowController> ending(picker);
            picker->applySheet();
            // The picker goes once its answer has been acted on: the task is queued by then.
            QTRY_VERIFY(!ending);
        } else {
            QVERIFY(trigger(action));
        }
        waitForTasks();

        const halvex::TagPasteboard::CopiedTags copied = halvex::TagPasteboard::shared().copiedTags();
        QStringList found;
        for (const QString& raw : probes) {
            bool touched = false;
            for (int row : {0, 2}) {
                const bool editedNow = editor(row)->isEdited(name(raw));
                const bool editedThen = editedBefore.value(QString::number(row) + raw);
                if (copying)
                    touched = copied.contains(name(raw));
                else if (restoring)
                    touched = touched || (editedThen && !editedNow);
                else
                    touched = touched || (!editedThen && editedNow);
            }
            if (touched)
                found << raw;
            // The file that is not selected keeps its state.
            QCOMPARE(editor(1)->isEdited(name(raw)), editedBefore.value(QStringLiteral("1") + raw));
        }
        QCOMPARE(found, reached);
        if (copying) {
            for (int row : {0, 1, 2})
                QVERIFY(!editor(row)->hasEdits());
        }
    }

    // A section item acts only for a section that exists; an item of a submenu of the section
    // menu stands for the section of its own index.
    void chosenSectionItems_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("inSubmenu");
        QTest::addColumn<QStringList>("cleared");
        QTest::newRow("first section") << 0 << false << QStringList{make};
        QTest::newRow("through a submenu") << 1 << true << QStringList{iptcObjectName, dcTitle};
        QTest::newRow("negative") << -1 << false << QStringList();
        QTest::newRow("past the last") << 3 << false << QStringList();
    }

    void chosenSectionItems()
    {
        QFETCH(int, index);
        QFETCH(bool, inSubmenu);
        QFETCH(QStringList, cleared);
        selectFiles({0});
        SectionPopUpMenu menu;
        menu.reload();
        QMenu* submenu = menu.addMenu(QStringLiteral("More"));
        QAction* item = nullptr;
        for (QAction* each : menu.actions()) {
            if (each->property("corvelleSectionItem").toBool() && each->data().toInt() == std::clamp(index, 0, 2))
                item = each;
        }
        QVERIFY(item);
        if (inSubmenu) {
            item->setParent(submenu);
            submenu->addAction(item);
        }
        item->setData(index);
        controller_->performMenuCommand(QStringLiteral("clearChosenSection:"), item);
        waitForTasks();
        QStringList found;
        for (const QString& raw : probes) {
            if (editor(0)->isEdited(name(raw)))
                found << raw;
        }
        QCOMPARE(found, cleared);
    }

    // Each chosen-streams command opens the picker with its own last choice; cancelling keeps it,
    // applying an empty choice stores it and queues nothing.
    void chosenStreamsAreRememberedPerCommand()
    {
        selectFiles({0});
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        // A stored value that does not decode reads as no stream.
        defaults.setObject(Settings::copyTagsChosenStreams().name(), QStringLiteral("not a list"));

        QVERIFY(trigger(QStringLiteral("restoreChosenStreams:")));
        TagStreamsPickerWindowController* picker = nullptr;
        QTRY_VERIFY((picker = shownPicker()) != nullptr);
        QVERIFY(picker->selectedTagStreams().isEmpty());
        picker->selectTagStreams({TagStream::streamEXIF(), TagStream::streamXMP()});
        QPointer<TagStreamsPickerWindowController> ending(picker);
        picker->applySheet();
        QTRY_VERIFY(!ending);
        waitForTasks();
        const QList<TagStream> chosen{TagStream::streamEXIF(), TagStream::streamXMP()};
        QCOMPARE(defaults.value(Settings::restoreTagsChosenStreams()), chosen);

        QVERIFY(trigger(QStringLiteral("copyChosenStreams:")));
        QTRY_VERIFY((picker = shownPicker()) != nullptr);
        QVERIFY(picker->selectedTagStreams().isEmpty());
        picker->cancelSheet();
        QTRY_VERIFY(!shownPicker());
        QCOMPARE(defaults.object(Settings::copyTagsChosenStreams().name()).toString(), QStringLiteral("not a list"));

        QVERIFY(trigger(QStringLiteral("restoreChosenStreams:")));
        QTRY_VERIFY((picker = shownPicker()) != nullptr);
        QCOMPARE(picker->selectedTagStreams(), chosen);
        picker->cancelSheet();
        QTRY_VERIFY(!shownPicker());

        // The picker offers no apply without a stream; an empty answer still acts on nothing.
        QVERIFY(trigger(QStringLiteral("clearChosenStreams:")));
        QTRY_VERIFY((picker = shownPicker()) != nullptr);
        picker->applySheet();
        QVERIFY(shownPicker());
        ending = picker;
        picker->done(QDialog::Accepted);
        QTRY_VERIFY(!ending);
        waitForTasks();
        QVERIFY(defaults.contains(Settings::eraseTagsChosenStreams().name()));
        QVERIFY(defaults.value(Settings::eraseTagsChosenStreams()).isEmpty());
        QVERIFY(!editor(0)->hasEdits());
    }

    // The rules of the Tags menu over the states of the window: e enabled, d disabled, one letter
    // per state. The editing windows that the editing area supplies are there or not.
    void rules_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("editingWindows");
        // States: no file open; preview with a photo selected; tags with a photo and no row
        // selected; tags with the Make row selected; the same row edited; the same row while an
        // edition runs; the Make row over both photos (several values, one edited); raw with a
        // photo selected.
        QTest::addColumn<QString>("expected");
        QTest::newRow("R1 family") << "clearEXIFTags:" << false << "deeeeeed";
        QTest::newRow("R1 all streams") << "copyAllStreams:" << false << "deeeeeed";
        QTest::newRow("R1 chosen streams") << "restoreChosenStreams:" << false << "deeeeeed";
        QTest::newRow("R2 selected rows") << "clearSelectedTags:" << false << "dddeeeed";
        QTest::newRow("R3 displayed rows") << "restoreDisplayedTags:" << false << "ddeeeeed";
        QTest::newRow("R4 selected dates, none selected") << "syncSelectedDateTags:" << true << "dddddddd";
        QTest::newRow("R5 displayed dates") << "syncDisplayedDateTags:" << true << "ddeeeeed";
        QTest::newRow("R5 without the sheet") << "syncDisplayedDateTags:" << false << "dddddddd";
        QTest::newRow("R6 edit") << "editSelectedTableValue:" << true << "dddeeded";
        QTest::newRow("R6 raw edit") << "rawEditSelectedTableValue:" << true << "dddeeded";
        QTest::newRow("R6 without the sheet") << "editSelectedTableValue:" << false << "dddddddd";
        QTest::newRow("R7 restore value") << "restoreSelectedTableValue:" << false << "ddddeded";
        QTest::newRow("R8 clear value") << "clearSelectedTableValue:" << false << "dddeeded";
        QTest::newRow("R8 force value") << "forceSelectedTableValue:" << false << "dddeeded";
        QTest::newRow("R9 copy value") << "copySelectedTableValue:" << false << "ddeeeddd";
        QTest::newRow("R10 cut value") << "cutSelectedTableValue:" << false << "dddeeddd";
        QTest::newRow("R11 paste value") << "pasteSelectedTableValue:" << false << "dddeeded";
        QTest::newRow("R12 paste tags") << "clearAndPasteTags:" << false << "deeeeeed";
        QTest::newRow("R13 select next") << "selectNextTags:" << false << "ddeeeeed";
        QTest::newRow("R13 select dates") << "selectDateTags:" << false << "ddeeeeed";
        QTest::newRow("R14 select panel") << "showTagSelectPanel:" << false << "ddeeeeed";
        QTest::newRow("R15 filter panel") << "showTagFilterPanel:" << false << "ddeeeeed";
        QTest::newRow("R0 manage panel") << "showTagManagePanel:" << false << "eeeeeeee";
        QTest::newRow("R16 folder sync, no folder") << "showSyncFolderTagsPanel:" << true << "dddddddd";
        QTest::newRow("R17 movie plist") << "deleteItunMoviPlist:" << false << "deeeeeed";
        QTest::newRow("R1 block deletion") << "deleteXMPStreamBlock:" << false << "deeeeeed";
        QTest::newRow("R1 download") << "downloadVideoInfo:" << false << "deeeeeed";
    }

    void rules()
    {
        QFETCH(QString, action);
        QFETCH(bool, editingWindows);
        QFETCH(QString, expected);
        if (editingWindows)
            EditorWindowController::setTagEditingPresenter(presenter_);
        halvex::TagPasteboard::shared().setText(QStringLiteral("Pasted"));
        halvex::TagPasteboard::shared().setCopiedTags({{name(make), QStringLiteral("Copied")}});
        QString found;
        const auto probe = [&] { found += isEnabled(action) ? QLatin1Char('e') : QLatin1Char('d'); };
        {
            EditorWindowController empty;
            empty.refreshCommandActions();
            QAction* item = empty.commandAction(action);
            found += (item ? item->isEnabled() : empty.validateUserInterfaceItem(action)) ? QLatin1Char('e')
                                                                                           : QLatin1Char('d');
        }
        controller_->setContentSection(EditorContentSection::preview);
        selectFiles({0});
        probe();
        controller_->setContentSection(EditorContentSection::tags);
        selectEntries({});
        probe();
        selectEntries({entryOf(make)});
        probe();
        const halvex::TagEditorList photo({editor(0)});
        halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>(
            [photo] { photo.setValue(QStringLiteral("Edited"), name(make)); }));
        waitForTasks();
        probe();
        const std::shared_ptr<test::GateTask> gate = test::addGateTask({}, true);
        QTRY_VERIFY(table().isLocked());
        probe();
        gate->open();
        waitForTasks();
        selectFiles({0, 1});
        selectEntries({entryOf(make)});
        QCOMPARE(table().content().valueSet().commonValue().kind(), halvex::MultiValuedString::Kind::multiple);
        probe();
        controller_->setContentSection(EditorContentSection::raw);
        selectFiles({0});
        probe();
        QCOMPARE(found, expected);
    }

    // The selected value: copy, cut and paste through the engine's pasteboard, paste through each
    // tag's own converter, restore, clear and force.
    void tableValues()
    {
        halvex::TagPasteboard& pasteboard = halvex::TagPasteboard::shared();
        selectFiles({0});
        selectEntries({entryOf(make)});
        QVERIFY(trigger(QStringLiteral("copySelectedTableValue:")));
        QCOMPARE(pasteboard.text(), std::optional<QString>(QStringLiteral("Corvelle")));

        // A tag the photo lacks copies as the empty text.
        selectEntries({entryOf(itemTitle)});
        QVERIFY(trigger(QStringLiteral("copySelectedTableValue:")));
        QCOMPARE(pasteboard.text(), std::optional<QString>(QString()));

        // Several values leave the pasteboard alone.
        pasteboard.setText(QStringLiteral("Kept"));
        selectFiles({0, 2});
        selectEntries({entryOf(make)});
        QCOMPARE(table().content().valueSet().commonValue().kind(), halvex::MultiValuedString::Kind::multiple);
        controller_->performCommand(QStringLiteral("copySelectedTableValue:"), nullptr);
        QCOMPARE(pasteboard.text(), std::optional<QString>(QStringLiteral("Kept")));

        // Cut: the text goes to the pasteboard and the tag is cleared.
        selectFiles({0});
        selectEntries({entryOf(make)});
        QVERIFY(trigger(QStringLiteral("cutSelectedTableValue:")));
        waitForTasks();
        QCOMPARE(pasteboard.text(), std::optional<QString>(QStringLiteral("Corvelle")));
        QVERIFY(editor(0)->isEdited(name(make)));
        QCOMPARE(editor(0)->currentValue(name(make)), std::nullopt);
        QVERIFY(trigger(QStringLiteral("restoreSelectedTableValue:")));
        waitForTasks();
        QVERIFY(!editor(0)->hasEdits());

        // A text the date's converter refuses leaves the date as it is; the text tag takes it.
        pasteboard.setText(QStringLiteral("Not a date"));
        selectEntries({entryOf(make), entryOf(dateTaken)});
        QVERIFY(trigger(QStringLiteral("pasteSelectedTableValue:")));
        waitForTasks();
        QCOMPARE(editor(0)->currentValue(name(make)), std::optional<QString>(QStringLiteral("Not a date")));
        QVERIFY(!editor(0)->isEdited(name(dateTaken)));
        QVERIFY(!editor(1)->hasEdits());

        // Out of the tags section the selected rows are not on screen: nothing is pasted.
        pasteboard.setText(QStringLiteral("Elsewhere"));
        controller_->setContentSection(EditorContentSection::preview);
        QVERIFY(!isEnabled(QStringLiteral("pasteSelectedTableValue:")));
        controller_->tagActions().pasteSelectedTableValue();
        waitForTasks();
        QCOMPARE(editor(0)->currentValue(name(make)), std::optional<QString>(QStringLiteral("Not a date")));
        controller_->setContentSection(EditorContentSection::tags);

        QVERIFY(trigger(QStringLiteral("clearSelectedTableValue:")));
        waitForTasks();
        QCOMPARE(editor(0)->currentValue(name(make)), std::nullopt);
        QCOMPARE(editor(0)->currentValue(name(dateTaken)), std::nullopt);
        QVERIFY(trigger(QStringLiteral("restoreSelectedTableValue:")));
        waitForTasks();
        QVERIFY(!editor(0)->hasEdits());
        // Forcing stages the stored value again.
        selectEntries({entryOf(make)});
        QVERIFY(trigger(QStringLiteral("forceSelectedTableValue:")));
        waitForTasks();
        QVERIFY(editor(0)->isEdited(name(make)));
        QCOMPARE(editor(0)->currentValue(name(make)), std::optional<QString>(QStringLiteral("Corvelle")));
    }

    // Copied tags pasted into the selected files, merged or with the other tags of their streams
    // cleared.
    void pasteTags()
    {
        QVERIFY(!isEnabled(QStringLiteral("pasteAndMergeTags:")));
        selectFiles({0});
        QVERIFY(trigger(QStringLiteral("copyXMPTags:")));
        waitForTasks();
        QVERIFY(halvex::TagPasteboard::shared().hasCopiedTags());
        selectFiles({1, 2});
        const halvex::TagEditorList others({editor(1)});
        halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>(
            [others] { others.setValue(QStringLiteral("Own city"), name(QStringLiteral("XMP-photoshop:City"))); }));
        waitForTasks();
        controller_->setContentSection(EditorContentSection::raw);
        QVERIFY(!isEnabled(QStringLiteral("clearAndPasteTags:")));
        controller_->tagActions().pasteTags(true);
        waitForTasks();
        QCOMPARE(editor(2)->hasEdits(), false);

        controller_->setContentSection(EditorContentSection::preview);
        QVERIFY(trigger(QStringLiteral("clearAndPasteTags:")));
        waitForTasks();
        QCOMPARE(editor(2)->currentValue(name(dcTitle)), std::optional<QString>(QStringLiteral("Café in Zürich")));
        QCOMPARE(editor(1)->currentValue(name(QStringLiteral("XMP-photoshop:City"))),
                 std::optional<QString>(QStringLiteral("Zürich")));
        QVERIFY(!editor(0)->hasEdits());
    }

    // The selection commands issue a new request to the table; section headings count as
    // entries. Entries: 0 Camera, 1 Make, 2 date taken, 3 Words, 4 object name, 5 XMP title,
    // 6 Movie, 7 item title.
    void tagSelection_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("next of none starts at 1") << "selectNextTags:" << int(EditorTagActions::TagSelection::next) << QList<int>{} << QList<int>{1};
        QTest::newRow("next skips a heading") << "selectNextTags:" << int(EditorTagActions::TagSelection::next) << QList<int>{2} << QList<int>{4};
        QTest::newRow("next of the last") << "selectNextTags:" << int(EditorTagActions::TagSelection::next) << QList<int>{7} << QList<int>{7};
        QTest::newRow("previous skips a heading") << "selectPreviousTags:" << int(EditorTagActions::TagSelection::previous) << QList<int>{4, 5} << QList<int>{2};
        QTest::newRow("previous of the first row") << "selectPreviousTags:" << int(EditorTagActions::TagSelection::previous) << QList<int>{1} << QList<int>{0};
        QTest::newRow("previous of none") << "selectPreviousTags:" << int(EditorTagActions::TagSelection::previous) << QList<int>{} << QList<int>{0};
        QTest::newRow("all") << "selectAllTags:" << int(EditorTagActions::TagSelection::all) << QList<int>{2} << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
        QTest::newRow("none") << "deselectAllTags:" << int(EditorTagActions::TagSelection::none) << QList<int>{1, 2} << QList<int>{};
        QTest::newRow("invert") << "invertTagSelection:" << int(EditorTagActions::TagSelection::invert) << QList<int>{1, 2} << QList<int>{0, 3, 4, 5, 6, 7};
        QTest::newRow("dates") << "selectDateTags:" << int(EditorTagActions::TagSelection::dates) << QList<int>{4} << QList<int>{2};
    }

    void tagSelection()
    {
        QFETCH(QString, action);
        QFETCH(int, kind);
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        selectFiles({0, 2});
        QCOMPARE(table().content().entries().size(), 8);
        QCOMPARE(entryOf(dateTaken), 2);
        selectEntries(before);
        QCOMPARE(EditorTagActions::newSelection(EditorTagActions::TagSelection(kind), table().content()),
                 brisa::IndexSet(after));
        QVERIFY(trigger(action));
        // The table keeps the tag rows of the selection asked for.
        QList<int> rows;
        for (int index : after) {
            if (table().content().entries().at(index).isRow())
                rows << index;
        }
        QCOMPARE(table().content().selectedEntryIndexes(), brisa::IndexSet(rows));

        // Out of the tags section nothing moves.
        controller_->setContentSection(EditorContentSection::preview);
        selectEntries(before);
        controller_->performCommand(action, nullptr);
        controller_->tagActions().changeTagSelection(EditorTagActions::TagSelection::all);
        QCOMPARE(table().latestRequest().selectedEntryIndexes, brisa::IndexSet(before));
        if (action == QLatin1String("selectDateTags:")) {
            // The date rows take the focus a moment later, in the tags section only.
            controller_->setContentSection(EditorContentSection::tags);
            controller_->window()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(controller_->window()));
            controller_->editorViewController()->focusFileBar();
            QVERIFY(QApplication::focusWidget());
            QVERIFY(trigger(action));
            auto* tags = qobject_cast<EditorTagsViewController*>(controller_->editorViewController());
            QVERIFY(tags && tags->tagBarController());
            QTRY_VERIFY(tags->tagBarController()->valueTableView()->hasFocus());
        }
    }

    // The edit commands open the editing sheet, or steer the sidebar when the section shows one;
    // the date synchronisation opens the sheet over the date tags alone.
    void editingEntries()
    {
        EditorWindowController::setTagEditingPresenter(presenter_);
        selectFiles({0});
        selectEntries({entryOf(make), entryOf(dateTaken)});
        for (const char* action : {"editSelectedTableValue:", "quickActionSelectedTableValue:", "rawEditSelectedTableValue:"})
            QVERIFY(trigger(QString::fromLatin1(action)));
        QCOMPARE(presenter_->calls, (QStringList{"sheet -1", "sheet 3", "sheet 2"}));
        QCOMPARE(presenter_->sheetTags.first(), (QStringList{make, dateTaken}));

        presenter_->calls.clear();
        presenter_->sheetTags.clear();
        QVERIFY(trigger(QStringLiteral("syncSelectedDateTags:")));
        QVERIFY(trigger(QStringLiteral("syncDisplayedDateTags:")));
        QCOMPARE(presenter_->calls, (QStringList{"sheet -1", "sheet -1"}));
        QCOMPARE(presenter_->sheetTags, (QList<QStringList>{{dateTaken}, {dateTaken}}));

        presenter_->calls.clear();
        presenter_->sidebar = true;
        QVERIFY(trigger(QStringLiteral("editSelectedTableValue:")));
        // A sidebar without values to write takes no step.
        QVERIFY(trigger(QStringLiteral("rawEditSelectedTableValue:")));
        presenter_->sidebarValues = table().content().valueSet();
        QVERIFY(presenter_->sidebarValues->isWritable());
        QVERIFY(trigger(QStringLiteral("quickActionSelectedTableValue:")));
        QCOMPARE(presenter_->calls, (QStringList{"focus", "sidebar 3"}));
    }

    // With the tags section's own editing windows: the sheet opens on the selected values at the
    // step asked, and with the sidebar shown the step goes there instead.
    void editingEntriesReachTheEditingWindows()
    {
        EditorWindowController::setTagEditingPresenter(std::make_shared<TagEditingPresenter>());
        selectFiles({0});
        selectEntries({entryOf(make)});
        QVERIFY(trigger(QStringLiteral("rawEditSelectedTableValue:")));
        TagEditingWindowController* sheet = nullptr;
        QTRY_VERIFY((sheet = controller_->window()->findChild<TagEditingWindowController*>()) && sheet->isVisible());
        QVERIFY(sheet->currentViewController());
        QCOMPARE(sheet->currentViewController()->step(), std::optional(EditorEditionCacheStep::rawEdition));
        QCOMPARE(sheet->cache().valueSet()->tagItems().size(), 1);
        QCOMPARE(sheet->cache().valueSet()->tagItems().first().tagName().rawValue(), make);
        const QPointer<TagEditingWindowController> ending(sheet);
        sheet->reject();
        QTRY_VERIFY(!ending || !ending->isVisible());

        brisa::UserDefaults::standard().set(Settings::tagEditingSidebarState(), EditingSidebarState::enabled);
        const auto restore = qScopeGuard([] {
            brisa::UserDefaults::standard().set(Settings::tagEditingSidebarState(), EditingSidebarState::disabled);
        });
        auto* section = qobject_cast<EditorTagsViewController*>(controller_->editorViewController());
        QTRY_VERIFY(section && section->tagSidebarController());
        selectEntries({entryOf(make)});
        QVERIFY(trigger(QStringLiteral("quickActionSelectedTableValue:")));
        EditionEditStepViewController* page = nullptr;
        QTRY_VERIFY((page = section->tagSidebarController()->currentViewController())
                    && page->step() == std::optional(EditorEditionCacheStep::actionSelection));
        QVERIFY(!controller_->window()->findChild<TagEditingWindowController*>() ||
                !controller_->window()->findChild<TagEditingWindowController*>()->isVisible());
    }

    // The download command is shown only while the engine reads movies; shown or not, its rule
    // alone answers.
    void downloadIsShownForMovies()
    {
        halvex::KitSettings& kit = halvex::KitSettings::shared();
        const QSet<halvex::MediaType> all = kit.supportedMediaTypes();
        const auto restore = qScopeGuard([&] { kit.setSupportedMediaTypes(all); });
        selectFiles({0});
        const QString download = QStringLiteral("downloadVideoInfo:");
        QAction* item = controller_->commandAction(download);
        QCOMPARE(controller_->validateMenuCommand(download, item), MenuValidation::enabled);
        QVERIFY(item->isVisible());
        kit.setSupportedMediaTypes(halvex::MediaType::types({halvex::MediaKind::audio, halvex::MediaKind::sidecar}));
        QCOMPARE(controller_->validateMenuCommand(download, item), MenuValidation::enabled);
        QVERIFY(!item->isVisible());
        controller_->setContentSection(EditorContentSection::raw);
        QCOMPARE(controller_->validateMenuCommand(download, item), MenuValidation::disabled);
    }
};

QTEST_MAIN(EditorTagActionsTest)
#include "EditorTagActionsTest.moc"
