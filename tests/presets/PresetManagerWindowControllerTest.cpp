#include "editing/EditingTestSupport.h"
#include "engine/halvex/libraries/PresetFile.h"
#include "engine/halvex/libraries/PresetManager.h"
#include "engine/halvex/places/Location.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "presets/PresetEditDescriptionWindowController.h"
#include "presets/PresetEditEditionWindowController.h"
#include "presets/PresetEditNameWindowController.h"
#include "presets/PresetEditionsModel.h"
#include "presets/PresetEditionsViewController.h"
#include "presets/PresetGroupsModel.h"
#include "presets/PresetGroupsViewController.h"
#include "presets/PresetManagerWindowController.h"
#include "tags/ContentValue.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/RightClickOutlineView.h"
#include "widgets/controls/RightClickTableView.h"

#include <QAbstractItemModelTester>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QtTest>

using namespace corvelle;
using halvex::PresetEdition;
using halvex::PresetGroup;
using halvex::PresetGroupPtr;
using halvex::PresetItem;
using halvex::PresetItemPtr;

namespace {

PresetItem::Entry entry(const char* tag, const QString& value)
{
    return PresetItem::Entry(ostrak::TagName::fromRawValue(QLatin1String(tag)),
                             PresetEdition::useCustomValue({value, halvex::PresetValueInsertion::replace}));
}

PresetItemPtr preset(const QString& name, const QList<PresetItem::Entry>& entries = {})
{
    return std::make_shared<PresetItem>(name, QString(), entries);
}

PresetGroupPtr group(const QString& name, const QStringList& presets)
{
    QList<PresetItemPtr> items;
    for (const QString& each : presets)
        items << preset(each, {entry("XMP-dc:Title", each)});
    return std::make_shared<PresetGroup>(name, QString(), items);
}

// The library as text: "group[preset,preset]" per group, "|" between groups.
QString describe(const QList<PresetGroupPtr>& groups)
{
    QStringList parts;
    for (const PresetGroupPtr& each : groups) {
        QStringList presets;
        for (const PresetItemPtr& item : each->presets())
            presets << item->name();
        parts << each->name() + QLatin1Char('[') + presets.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return parts.join(QLatin1Char('|'));
}

} // namespace

// The preset manager window over a library stored in a test folder: every command, sheet and
// drag changes the library as the user expects, and the library read back from its file shows
// the same; failing files and saves are reported with their reason.
class PresetManagerWindowControllerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<halvex::PresetManager> manager_;
    std::unique_ptr<PresetManagerWindowController> window_;

    QString libraryPath() const { return folder_->filePath(QStringLiteral("Presets.json")); }

    // The library as its file holds it now.
    QString stored() const
    {
        halvex::PresetManager reloaded(libraryPath());
        reloaded.load();
        return describe(reloaded.groups());
    }

    QString shown() const { return describe(manager_->groups()); }

    void start(const QList<PresetGroupPtr>& groups)
    {
        manager_->insertGroups(groups, 0);
        manager_->save();
        window_ = std::make_unique<PresetManagerWindowController>(*manager_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    PresetGroupPtr groupAt(int index) const { return manager_->groups().at(index); }
    PresetItemPtr presetAt(int groupIndex, int index) const { return groupAt(groupIndex)->presets().at(index); }

    void select(const QList<halvex::EquatableObjectPtr>& objects) { manager_->setSelectedObjects(objects); }

    QMessageBox* alert(const QString& stem) const
    {
        QMessageBox* box = nullptr;
        [&] { QTRY_VERIFY((box = window_->findChild<QMessageBox*>(stem)) != nullptr); }();
        return box;
    }

    template<class Sheet>
    Sheet* openSheet() const
    {
        Sheet* sheet = nullptr;
        [&] { QTRY_VERIFY((sheet = window_->findChild<Sheet*>()) && sheet->isVisible()); }();
        return sheet;
    }

    void waitForNoSheet() const
    {
        QTRY_VERIFY(!window_->editWindowController());
    }

private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        manager_ = std::make_unique<halvex::PresetManager>(libraryPath());
    }

    void cleanup()
    {
        window_.reset();
        manager_.reset();
    }

    void modelsPassTheModelTester()
    {
        start({group(QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2")}), group(QStringLiteral("B"), {})});
        QAbstractItemModelTester groups(window_->groupsViewController()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester editions(window_->editionsViewController()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        select({presetAt(0, 1)});
        window_->performCommand(QStringLiteral("duplicateItem:"));
        window_->performCommand(QStringLiteral("createGroup:"));
        window_->performCommand(QStringLiteral("deleteItem:"));
        presetAt(0, 0)->setName(QStringLiteral("renamed"));
        QCOMPARE(window_->groupsViewController()->model()->index(0, 0, window_->groupsViewController()->model()->index(0, 0)).data().toString(),
                 QStringLiteral("renamed"));
    }

    // Creating, duplicating and deleting, each saved at once.
    void libraryCommands()
    {
        start({});
        QVERIFY(window_->placeholderView()->isVisible());
        QVERIFY(window_->windowTitle().endsWith(localizedString(QStringLiteral("PresetManagerPresetCount"), {0})));
        QVERIFY(!window_->validateCommand(QStringLiteral("deleteItem:")));

        window_->performCommand(QStringLiteral("createPreset:"));
        QCOMPARE(shown(), QStringLiteral("[]"));
        QCOMPARE(manager_->selectedObjects(), QList<halvex::EquatableObjectPtr>{presetAt(0, 0)});
        QVERIFY(!window_->placeholderView()->isVisible());
        presetAt(0, 0)->setName(QStringLiteral("p"));
        groupAt(0)->setName(QStringLiteral("G"));

        window_->performCommand(QStringLiteral("createGroup:"));
        QCOMPARE(manager_->selectedObjects(), QList<halvex::EquatableObjectPtr>{presetAt(0, 0)});
        // The new preset goes last in the selected preset's group.
        window_->performCommand(QStringLiteral("createPreset:"));
        QCOMPARE(shown(), QStringLiteral("G[p,]|[]"));
        QCOMPARE(stored(), shown());

        select({groupAt(0), presetAt(0, 0)});
        window_->performCommand(QStringLiteral("duplicateItem:"));
        QCOMPARE(shown(), QStringLiteral("G[p,]|G[p,]|[]"));
        select({presetAt(0, 0)});
        window_->performCommand(QStringLiteral("duplicateItem:"));
        QCOMPARE(shown(), QStringLiteral("G[p,p,]|G[p,]|[]"));
        QVERIFY(presetAt(0, 0) != presetAt(0, 1));
        QCOMPARE(presetAt(0, 0)->entries(), presetAt(0, 1)->entries());

        select({groupAt(1), groupAt(2), presetAt(0, 1)});
        window_->performCommand(QStringLiteral("deleteItem:"));
        QCOMPARE(shown(), QStringLiteral("G[p,]"));
        QCOMPARE(stored(), shown());
        QVERIFY(window_->windowTitle().endsWith(localizedString(QStringLiteral("PresetManagerPresetCount"), {2})));
    }

    void nameAndDescriptionSheets()
    {
        start({group(QStringLiteral("G"), {QStringLiteral("p")})});
        const PresetItemPtr item = presetAt(0, 0);
        select({item});

        window_->editProperty(PresetEditableProperty::Kind::presetName);
        auto* nameSheet = openSheet<PresetEditNameWindowController>();
        QCOMPARE(nameSheet->valueTextField()->text(), QStringLiteral("p"));
        // Only one sheet at a time.
        window_->editProperty(PresetEditableProperty::Kind::presetDescription);
        QVERIFY(!window_->findChild<PresetEditDescriptionWindowController*>());
        // A change made elsewhere shows in the open sheet.
        item->setName(QStringLiteral("elsewhere"));
        QCOMPARE(nameSheet->valueTextField()->text(), QStringLiteral("elsewhere"));
        nameSheet->valueTextField()->setText(QStringLiteral("   "));
        nameSheet->validateEdition();
        waitForNoSheet();
        QCOMPARE(item->name(), QString());
        QCOMPARE(stored(), QStringLiteral("G[]"));
        const QModelIndex row = window_->groupsViewController()->model()->indexOf(item.get());
        QCOMPARE(row.data().toString(), localizedString(QStringLiteral("PresetItemUntitledName")));

        window_->editProperty(PresetEditableProperty::Kind::presetDescription);
        auto* detailSheet = openSheet<PresetEditDescriptionWindowController>();
        QCOMPARE(detailSheet->valueTextView()->toPlainText(), QString());
        QTest::keyClicks(detailSheet->valueTextView(), QStringLiteral("first"));
        detailSheet->valueTextView()->undo();
        QCOMPARE(detailSheet->valueTextView()->toPlainText(), QString());
        QTest::keyClicks(detailSheet->valueTextView(), QStringLiteral("kept"));
        detailSheet->cancelEdition();
        waitForNoSheet();
        QCOMPARE(item->detail(), QString());

        window_->editProperty(PresetEditableProperty::Kind::groupDescription);
        detailSheet = openSheet<PresetEditDescriptionWindowController>();
        QTest::keyClicks(detailSheet->valueTextView(), QStringLiteral("About"));
        detailSheet->validateEdition();
        waitForNoSheet();
        // The first selected object is the preset: the sheet edits it, whatever the row said.
        QCOMPARE(item->detail(), QStringLiteral("About"));
    }

    // The table's rows per object; Return opens the row's sheet, Delete removes the selected
    // entries, a drag reorders them; each change is saved.
    void editionsTable()
    {
        start({group(QStringLiteral("G"), {QStringLiteral("p")})});
        PresetEditionsViewController* table = window_->editionsViewController();
        PresetEditionsModel* model = table->model();
        QVERIFY(table->placeholderView()->isVisible());
        QCOMPARE(model->rowCount(), 0);

        select({groupAt(0)});
        QCOMPARE(model->rowCount(), 3);
        QVERIFY(!(model->flags(model->index(0)) & Qt::ItemIsSelectable));
        const PresetItemPtr item = presetAt(0, 0);
        item->insertEntries({entry("XMP-dc:Description", QStringLiteral("%1 and %2")), entry("Nowhere:NoSuchTag", QStringLiteral("c"))}, 1);
        select({item});
        QCOMPARE(model->rowCount(), 7);
        QVERIFY(model->contentValue(5)->item.text().contains(QStringLiteral("%1 and %2")));
        item->setDetail(QString());
        QVERIFY(model->contentValue(2)->mode.contains(ContentValue::Mode::placeholder));
        QCOMPARE(model->contentValue(2)->item.text(), localizedString(QStringLiteral("PresetManagerPresetNoDescription")));

        table->tableView()->setFocus();
        table->tableView()->selectionModel()->select(model->index(1), QItemSelectionModel::ClearAndSelect);
        QVERIFY(window_->validateCommand(QStringLiteral("editEntries:")));
        QTest::keyClick(table->tableView(), Qt::Key_Return);
        openSheet<PresetEditNameWindowController>()->cancelEdition();
        waitForNoSheet();

        // Rows 2 and 5: the first is no entry, so Delete does nothing.
        QItemSelection rows;
        rows.select(model->index(2), model->index(2));
        rows.select(model->index(5), model->index(5));
        table->tableView()->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(table->tableView(), Qt::Key_Delete);
        QCOMPARE(item->entries().size(), 3);

        // Dragging the last entry above the first.
        std::unique_ptr<QMimeData> dragged(model->mimeData({model->index(6), model->index(1)}));
        QVERIFY(!model->canDropMimeData(dragged.get(), Qt::MoveAction, 3, 0, {}));
        QVERIFY(!model->canDropMimeData(dragged.get(), Qt::MoveAction, -1, 0, model->index(2)));
        // A drop onto an entry goes above it.
        QVERIFY(model->canDropMimeData(dragged.get(), Qt::MoveAction, -1, 0, model->index(4)));
        QVERIFY(model->dropMimeData(dragged.get(), Qt::MoveAction, 4, 0, {}));
        QCOMPARE(item->entries().first().tagName.rawValue(), QStringLiteral("Nowhere:NoSuchTag"));
        halvex::PresetManager reloaded(libraryPath());
        reloaded.load();
        QCOMPARE(reloaded.groups().first()->presets().first()->entries(), item->entries());

        rows = QItemSelection(model->index(4), model->index(5));
        table->tableView()->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        QTest::keyClick(table->tableView(), Qt::Key_Delete);
        QCOMPARE(item->entries().size(), 1);
        reloaded.load();
        QCOMPARE(reloaded.groups().first()->presets().first()->entries(), item->entries());
    }

    // The entry sheet from the table: an entry row opens on that entry; Add Entry on a new one.
    void entrySheetFromTheTable()
    {
        start({group(QStringLiteral("G"), {QStringLiteral("p")})});
        select({presetAt(0, 0)});
        PresetEditionsViewController* table = window_->editionsViewController();
        table->tableView()->selectionModel()->select(table->model()->index(4), QItemSelectionModel::ClearAndSelect);
        window_->performCommand(QStringLiteral("editEntries:"));
        auto* sheet = openSheet<PresetEditEditionWindowController>();
        QCOMPARE(sheet->cache().entryRow, std::optional(0));
        QCOMPARE(sheet->cache().customValueSettings->value, QStringLiteral("p"));
        sheet->closeEdition();
        waitForNoSheet();

        table->action(QStringLiteral("createPresetEdition:"))->trigger();
        sheet = openSheet<PresetEditEditionWindowController>();
        QVERIFY(!sheet->cache().entryRow);
        sheet->cancelEdition();
        waitForNoSheet();
    }

    // Drags in the outline move one row and are saved; a preset moved down within its group
    // lands in the gap it was dropped in.
    void outlineDrags_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("preset");
        QTest::addColumn<int>("targetGroup");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("expected");

        QTest::newRow("preset down in its group") << 0 << 0 << 0 << 3 << "A[a2,a3,a1,a4]|B[b1]";
        QTest::newRow("preset up in its group") << 0 << 3 << 0 << 1 << "A[a1,a4,a2,a3]|B[b1]";
        QTest::newRow("preset onto a group") << 0 << 2 << 1 << -1 << "A[a1,a2,a4]|B[a3,b1]";
        QTest::newRow("preset into another group") << 1 << 0 << 0 << 4 << "A[a1,a2,a3,a4,b1]|B[]";
        QTest::newRow("group down") << 0 << -1 << -1 << 2 << "B[b1]|A[a1,a2,a3,a4]";
        QTest::newRow("group to the end") << 0 << -1 << -1 << -1 << "B[b1]|A[a1,a2,a3,a4]";
        QTest::newRow("group onto a group") << 0 << -1 << 1 << -1 << "";
        QTest::newRow("preset to the top level") << 0 << 0 << -1 << 0 << "";
    }

    void outlineDrags()
    {
        QFETCH(int, group);
        QFETCH(int, preset);
        QFETCH(int, targetGroup);
        QFETCH(int, row);
        QFETCH(QString, expected);
        start({::group(QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2"), QStringLiteral("a3"), QStringLiteral("a4")}),
               ::group(QStringLiteral("B"), {QStringLiteral("b1")})});
        const QString before = shown();
        PresetGroupsModel* model = window_->groupsViewController()->model();
        const QModelIndex groupIndex = model->index(group, 0);
        const QModelIndex dragged = preset < 0 ? groupIndex : model->index(preset, 0, groupIndex);
        std::unique_ptr<QMimeData> data(model->mimeData({dragged}));
        const QModelIndex parent = targetGroup < 0 ? QModelIndex() : model->index(targetGroup, 0);
        const bool accepted = model->canDropMimeData(data.get(), Qt::MoveAction, row, 0, parent)
                              && model->dropMimeData(data.get(), Qt::MoveAction, row, 0, parent);
        QCOMPARE(accepted, !expected.isEmpty());
        QCOMPARE(shown(), accepted ? expected : before);
        QCOMPARE(stored(), shown());
    }

    // Import and export: a round trip keeps every entry, an unknown tag's too; bad files leave
    // the library alone and say why.
    void importAndExport()
    {
        start({group(QStringLiteral("A"), {QStringLiteral("a1"), QStringLiteral("a2")}), group(QStringLiteral("B"), {QStringLiteral("b1")})});
        presetAt(0, 0)->insertEntries({entry("Nowhere:NoSuchTag", QStringLiteral("kept"))}, 0);
        const QString exported = folder_->filePath(QStringLiteral("out"));
        QFile old(exported + QStringLiteral(".cvpresets"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();

        select({presetAt(1, 0), groupAt(0)});
        window_->exportPresets(exported);
        halvex::PresetFile file = halvex::PresetFile::from(exported + QStringLiteral(".cvpresets"));
        QCOMPARE(describe(file.groups()), QStringLiteral("A[a1,a2]"));
        QCOMPARE(file.groups().first()->presets().first()->entries(), presetAt(0, 0)->entries());

        // Presets alone travel in one unnamed group, in selection order.
        select({presetAt(1, 0), presetAt(0, 1)});
        window_->exportPresets(folder_->filePath(QStringLiteral("loose.cvpresets")));
        window_->importPresets(folder_->filePath(QStringLiteral("loose.cvpresets")));
        window_->importPresets(exported + QStringLiteral(".cvpresets"));
        QCOMPARE(shown(), QStringLiteral("A[a1,a2]|B[b1]|[b1,a2]|A[a1,a2]"));
        QCOMPARE(stored(), shown());
        QCOMPARE(presetAt(3, 0)->entries().first().tagName.rawValue(), QStringLiteral("Nowhere:NoSuchTag"));

        const QString before = shown();
        QFile truncated(folder_->filePath(QStringLiteral("truncated.cvpresets")));
        QVERIFY(truncated.open(QIODevice::WriteOnly));
        truncated.write("{\"format\": \"Corvelle presets\", \"groups\": [{\"na");
        truncated.close();
        QFile foreign(folder_->filePath(QStringLiteral("foreign.cvpresets")));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("{\"groups\": []}");
        foreign.close();
        for (const QString& name : {QStringLiteral("truncated.cvpresets"), QStringLiteral("foreign.cvpresets"),
                                    QStringLiteral("missing.cvpresets")}) {
            window_->importPresets(folder_->filePath(name));
            QMessageBox* box = alert(QStringLiteral("PresetManagerImportDidFail"));
            QVERIFY2(box->informativeText().contains(name), qPrintable(box->informativeText()));
            box->accept();
            QTRY_VERIFY(!window_->findChild<QMessageBox*>());
        }
        QCOMPARE(shown(), before);

        // A folder that cannot hold the file: the alert names it.
        QFile blocker(folder_->filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        select({groupAt(0)});
        window_->exportPresets(folder_->filePath(QStringLiteral("blocker/out.cvpresets")));
        QMessageBox* box = alert(QStringLiteral("PresetManagerExportDidFail"));
        QVERIFY2(box->informativeText().contains(QStringLiteral("out.cvpresets")), qPrintable(box->informativeText()));
        box->accept();
    }

    void filePanelsAreSheetsOfTheWindow()
    {
        start({group(QStringLiteral("A"), {QStringLiteral("a1")})});
        window_->performCommand(QStringLiteral("importPresets:"));
        auto* panel = window_->findChild<QFileDialog*>(QStringLiteral("importPresetsPanel"));
        QVERIFY(panel && panel->isVisible() && panel->windowModality() == Qt::WindowModal);
        QVERIFY(panel->nameFilters().join(QString()).contains(QStringLiteral("*.cvpresets")));
        panel->reject();
        QVERIFY(!window_->validateCommand(QStringLiteral("exportPresets:")));
    }

    // A library that cannot be stored says so, with the reason; the change stays shown.
    void failedSaveShowsAnAlert()
    {
        QFile blocker(folder_->filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        manager_ = std::make_unique<halvex::PresetManager>(folder_->filePath(QStringLiteral("blocker/Presets.json")));
        window_ = std::make_unique<PresetManagerWindowController>(*manager_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->performCommand(QStringLiteral("createGroup:"));
        QMessageBox* box = alert(QStringLiteral("PresetManagerSaveDidFail"));
        QVERIFY(box->informativeText().contains(QStringLiteral("Presets.json")));
        QCOMPARE(manager_->groups().size(), 1);
        box->accept();
    }

    // Copied tags and a found location become entries of the first selected preset, saved.
    void pastedTagsAndLocationsBecomeEntries()
    {
        start({group(QStringLiteral("A"), {QStringLiteral("a1")})});
        const PresetItemPtr item = presetAt(0, 0);
        halvex::TagPasteboard::shared().setCopiedTags({});
        select({item});
        QVERIFY(!window_->validateCommand(QStringLiteral("pasteMultipleTags:")));
        QVERIFY(window_->validateCommand(QStringLiteral("searchLocation:")));
        halvex::TagPasteboard::shared().setCopiedTags(
            {{ostrak::TagName::fromRawValue(QStringLiteral("XMP-dc:Title")), QStringLiteral("Lake")},
             {ostrak::TagName::fromRawValue(QStringLiteral("IFD0:Artist")), std::nullopt}});
        select({groupAt(0)});
        QVERIFY(!window_->validateCommand(QStringLiteral("pasteMultipleTags:")));
        QVERIFY(!window_->validateCommand(QStringLiteral("searchLocation:")));
        select({item});
        window_->performCommand(QStringLiteral("pasteMultipleTags:"));
        QCOMPARE(item->entries().size(), 3);
        QCOMPARE(item->entries().at(1).tagName.rawValue(), QStringLiteral("IFD0:Artist"));
        QCOMPARE(item->entries().at(2), entry("XMP-dc:Title", QStringLiteral("Lake")));

        window_->appendLocationEntries(halvex::Location(47.37, 8.54, 408.0));
        const QList<PresetItem::Entry> entries = item->entries();
        QVERIFY(entries.size() > 3);
        for (int index = 4; index < entries.size(); ++index) {
            const ostrak::TagName& previous = entries.at(index - 1).tagName;
            const ostrak::TagName& current = entries.at(index).tagName;
            QVERIFY(previous.group() < current.group() || (previous.group() == current.group() && previous.name() <= current.name()));
            QCOMPARE(entries.at(index).edition.kind(), PresetEdition::Kind::useCustomValue);
        }
        halvex::PresetManager reloaded(libraryPath());
        reloaded.load();
        QCOMPARE(reloaded.groups().first()->presets().first()->entries(), entries);
    }
};

QTEST_MAIN(PresetManagerWindowControllerTest)
#include "PresetManagerWindowControllerTest.moc"
