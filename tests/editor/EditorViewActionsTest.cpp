#include "editor/EditorFileListBarController.h"
#include "editor/EditorPreviewViewController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorViewActions.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/tags/TagEditor.h"
#include "filebrowser/FileBrowserSettings.h"
#include "filebrowser/QuickLookWindowController.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "support/ui/SectionViewStandIn.h"
#include "widgets/TextLocalizer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

using namespace corvelle;

Q_DECLARE_METATYPE(corvelle::EditorContentSection)
Q_DECLARE_METATYPE(corvelle::MenuValidation)

namespace {

// An editor held in memory that says whether it is a folder and counts how often it is asked.
class CountingEditor : public halvex::TagEditor {
public:
    CountingEditor(const QString& path, bool folder)
        : halvex::TagEditor(halvex::TagStorage(halvex::TagStorageSource(QUrl::fromLocalFile(path))))
        , folder_(folder)
    {
    }
    bool isFolder() const override
    {
        ++asked;
        return folder_;
    }
    mutable std::atomic<int> asked = 0;

private:
    bool folder_;
};

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

void resetSettings()
{
    for (const QString& key : {Settings::lastContentSection().name(), Settings::tagsSectionFileViewMode().name(),
                               Settings::mapSectionFileViewMode().name(), Settings::tagsSectionShowTagsInFileList().name(),
                               Settings::mapSectionShowGPSInFileList().name(), Settings::tagEditingSidebarState().name(),
                               Settings::mapEditingSidebarState().name(), Settings::quickLookIsPinned().name()})
        defaults().setObject(key, {});
}

} // namespace

class EditorViewActionsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorWindowController> controller_;
    QList<std::shared_ptr<CountingEditor>> editors_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }

    // `count` files in memory, the ones at `folders` folders; the window leaves the welcome
    // section for the one chosen.
    void openFiles(int count, const QList<int>& folders = {})
    {
        QList<std::shared_ptr<halvex::TagEditor>> editors;
        for (int i = 0; i < count; ++i) {
            auto editor = std::make_shared<CountingEditor>(QStringLiteral("/nowhere/file%1.jpg").arg(i, 3, 10, QLatin1Char('0')),
                                                           folders.contains(i));
            editors_ << editor;
            editors << editor;
        }
        controller_->addTagEditors(editors);
        QTRY_VERIFY(controller_->effectiveSection() != EditorContentSection::welcome);
    }

    // The state of the window's action for the command as a menu that opens now shows it.
    MenuValidation validate(const QString& action)
    {
        QAction* item = controller_->commandAction(action);
        if (!item)
            return MenuValidation::notMine;
        controller_->refreshCommandActions();
        return item->isEnabled() ? MenuValidation::enabled : MenuValidation::disabled;
    }

    void perform(const QString& action) { controller_->commandAction(action)->trigger(); }

    // The check mark of the window's action for the command as a menu that opens now shows it.
    bool checkMark(const QString& action)
    {
        QAction* item = controller_->commandAction(action);
        controller_->refreshCommandActions();
        return item->isChecked();
    }

    int askedEditors() const
    {
        int asked = 0;
        for (const auto& editor : editors_)
            asked += editor->asked;
        return asked;
    }

private Q_SLOTS:
    // The tags, map and raw sections are offered as in the finished window.
    void initTestCase() { corvelle::test::SectionViewStandIn::registerFor(); }

    void init()
    {
        resetSettings();
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->show();
    }

    void cleanup()
    {
        controller_.reset();
        editors_.clear();
        resetSettings();
    }

    // The view commands by section and sidebar setting; the commands of other families are
    // left to them.
    void validation_data()
    {
        QTest::addColumn<EditorContentSection>("section");
        QTest::addColumn<QString>("sidebar");
        QTest::addColumn<QString>("action");
        QTest::addColumn<MenuValidation>("expected");
        using S = EditorContentSection;
        const auto on = MenuValidation::enabled;
        const auto off = MenuValidation::disabled;
        QTest::newRow("file view mode in preview") << S::preview << "enabled" << "toggleFileViewMode:" << off;
        QTest::newRow("file view mode in raw") << S::raw << "enabled" << "toggleFileViewMode:" << off;
        QTest::newRow("file view mode in tags") << S::tags << "enabled" << "toggleFileViewMode:" << on;
        QTest::newRow("columns in preview") << S::preview << "enabled" << "toggleAllColumnsInFileList:" << off;
        QTest::newRow("columns in map") << S::map << "enabled" << "toggleAllColumnsInFileList:" << on;
        QTest::newRow("toggle sidebar in raw") << S::raw << "enabled" << "toggleEditingSidebar:" << off;
        QTest::newRow("toggle sidebar in map") << S::map << "disabled" << "toggleEditingSidebar:" << on;
        QTest::newRow("enable sidebar already enabled") << S::tags << "enabled" << "enableEditingSidebar:" << off;
        QTest::newRow("enable sidebar disabled") << S::tags << "disabled" << "enableEditingSidebar:" << on;
        QTest::newRow("disable sidebar enabled") << S::map << "enabled" << "disableEditingSidebar:" << on;
        QTest::newRow("disable sidebar already disabled") << S::map << "disabled" << "disableEditingSidebar:" << off;
        QTest::newRow("enable sidebar in preview") << S::preview << "disabled" << "enableEditingSidebar:" << off;
        QTest::newRow("disable sidebar in preview") << S::preview << "enabled" << "disableEditingSidebar:" << off;
        QTest::newRow("enable sidebar in raw") << S::raw << "disabled" << "enableEditingSidebar:" << off;
        QTest::newRow("disable sidebar in welcome") << S::welcome << "enabled" << "disableEditingSidebar:" << off;
        QTest::newRow("section switch in welcome") << S::welcome << "enabled" << "switchToRawSection:" << on;
        QTest::newRow("task manager") << S::preview << "enabled" << "showTaskManager:" << on;
        QTest::newRow("show quick look") << S::welcome << "enabled" << "showQuicklook:" << on;
        QTest::newRow("hide quick look") << S::welcome << "enabled" << "hideQuicklook:" << off;
        QTest::newRow("toggle quick look") << S::welcome << "enabled" << "toggleQuickLook:" << on;
        QTest::newRow("another family's command") << S::preview << "enabled" << "removeAllFiles:" << on;
        QTest::newRow("no family's command") << S::preview << "enabled" << "makeCoffee:" << MenuValidation::notMine;
    }

    void validation()
    {
        QFETCH(EditorContentSection, section);
        QFETCH(QString, sidebar);
        QFETCH(QString, action);
        QFETCH(MenuValidation, expected);
        defaults().setObject(Settings::tagEditingSidebarState().name(), sidebar);
        defaults().setObject(Settings::mapEditingSidebarState().name(), sidebar);
        if (section != EditorContentSection::welcome) {
            openFiles(2);
            controller_->setContentSection(section);
        }
        QCOMPARE(controller_->effectiveSection(), section);
        QCOMPARE(validate(action), expected);
    }

    // Each toggle writes its section's own key, the other section's stays; outside the tags and
    // map sections nothing is written, even when the command is sent regardless.
    void settingsWrites_data()
    {
        QTest::addColumn<EditorContentSection>("section");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("otherKey");
        QTest::addColumn<QVariant>("expected");
        using S = EditorContentSection;
        QTest::newRow("tags view mode") << S::tags << "toggleFileViewMode:" << "TagsSectionFileViewMode"
                                        << "MapSectionFileViewMode" << QVariant("list");
        QTest::newRow("map view mode") << S::map << "toggleFileViewMode:" << "MapSectionFileViewMode"
                                       << "TagsSectionFileViewMode" << QVariant("grid");
        QTest::newRow("tags columns") << S::tags << "toggleAllColumnsInFileList:" << "TagsSectionShowTagsInFileList"
                                      << "MapSectionShowGPSInFileList" << QVariant(false);
        QTest::newRow("map columns") << S::map << "toggleAllColumnsInFileList:" << "MapSectionShowGPSInFileList"
                                     << "TagsSectionShowTagsInFileList" << QVariant(false);
        QTest::newRow("tags sidebar") << S::tags << "toggleEditingSidebar:" << "TagEditingSidebarState"
                                      << "MapEditingSidebarState" << QVariant("enabled");
        QTest::newRow("map sidebar on") << S::map << "enableEditingSidebar:" << "MapEditingSidebarState"
                                        << "TagEditingSidebarState" << QVariant("enabled");
        QTest::newRow("preview view mode") << S::preview << "toggleFileViewMode:" << "TagsSectionFileViewMode"
                                           << "MapSectionFileViewMode" << QVariant();
        QTest::newRow("raw sidebar") << S::raw << "toggleEditingSidebar:" << "TagEditingSidebarState"
                                     << "MapEditingSidebarState" << QVariant();
    }

    void settingsWrites()
    {
        QFETCH(EditorContentSection, section);
        QFETCH(QString, action);
        QFETCH(QString, key);
        QFETCH(QString, otherKey);
        QFETCH(QVariant, expected);
        openFiles(1);
        controller_->setContentSection(section);
        controller_->viewActions().perform(action);
        QCOMPARE(defaults().object(key), expected);
        QVERIFY(!defaults().object(otherKey).isValid());
    }

    // Toggling twice comes back; the sidebar's check mark follows its setting.
    void togglesTwiceAndMarksSidebar()
    {
        openFiles(1);
        controller_->setContentSection(EditorContentSection::tags);
        QVERIFY(!checkMark("toggleEditingSidebar:"));
        perform("toggleEditingSidebar:");
        QVERIFY(checkMark("toggleEditingSidebar:"));
        perform("toggleEditingSidebar:");
        QCOMPARE(defaults().value(Settings::tagEditingSidebarState()), EditingSidebarState::disabled);
        perform("toggleFileViewMode:");
        perform("toggleFileViewMode:");
        QCOMPARE(defaults().value(Settings::tagsSectionFileViewMode()), FileViewModeUserChoice::grid);
        // Enabled in the tags section, the mark goes in the preview section.
        perform("enableEditingSidebar:");
        controller_->setContentSection(EditorContentSection::preview);
        QVERIFY(!checkMark("toggleEditingSidebar:"));
    }

    // While the list is empty the welcome section shows, yet the menu marks the section that
    // comes back with the files.
    void sectionMarksFollowPreferredSection()
    {
        controller_->setContentSection(EditorContentSection::map);
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::welcome);
        QVERIFY(checkMark("switchToMapSection:"));
        QVERIFY(!checkMark("switchToPreviewSection:"));
        QVERIFY(!checkMark("switchToTagsSection:"));
        openFiles(1);
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::map);
        perform("switchToTagsSection:");
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::tags);
        QVERIFY(checkMark("switchToTagsSection:"));
        QVERIFY(!checkMark("switchToMapSection:"));
        // Raw is shown but never remembered: the mark stays on tags.
        perform("switchToRawSection:");
        QCOMPARE(controller_->effectiveSection(), EditorContentSection::raw);
        QVERIFY(!checkMark("switchToRawSection:"));
        QVERIFY(checkMark("switchToTagsSection:"));
    }

    void taskManagerDisabledUnderSheet()
    {
        openFiles(1);
        QCOMPARE(validate("showTaskManager:"), MenuValidation::enabled);
        auto* alert = new QMessageBox(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("t"), QMessageBox::Ok);
        QVERIFY(brisa::SheetPresenter::safeBeginSheetModal(alert, controller_->window(), {}));
        QCOMPARE(validate("showTaskManager:"), MenuValidation::disabled);
        alert->accept();
        QTRY_COMPARE(validate("showTaskManager:"), MenuValidation::enabled);
    }

    void showsSectionColumns()
    {
        QCOMPARE(controller_->showsSectionColumnsInFileList(), std::nullopt);
        openFiles(1);
        QCOMPARE(controller_->showsSectionColumnsInFileList(), std::nullopt);
        defaults().set(Settings::mapSectionShowGPSInFileList(), false);
        controller_->setContentSection(EditorContentSection::map);
        QCOMPARE(controller_->showsSectionColumnsInFileList(), std::optional<bool>(false));
        controller_->setContentSection(EditorContentSection::tags);
        QCOMPARE(controller_->showsSectionColumnsInFileList(), std::optional<bool>(true));
    }

    void folderPredicates_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("folders");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("geotags");
        QTest::addColumn<bool>("nonFolder");
        QTest::newRow("nothing selected") << 3 << QList<int>{0} << 0 << false << false;
        QTest::newRow("files only") << 3 << QList<int>{} << 3 << false << true;
        QTest::newRow("folders only") << 3 << QList<int>{0, 1, 2} << 3 << true << false;
        QTest::newRow("both") << 3 << QList<int>{1} << 3 << true << true;
        QTest::newRow("99 files") << 99 << QList<int>{} << 99 << false << true;
        QTest::newRow("150 files") << 150 << QList<int>{} << 150 << true << true;
    }

    // From 100 selected files on, no editor is asked and both answers are yes.
    void folderPredicates()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, folders);
        QFETCH(int, selected);
        QFETCH(bool, geotags);
        QFETCH(bool, nonFolder);
        openFiles(count, folders);
        brisa::IndexSet selection;
        for (int i = 0; i < selected; ++i)
            selection.insert(i);
        list().setSelection(selection);
        for (const auto& editor : editors_)
            editor->asked = 0;
        QCOMPARE(controller_->canImportExportGeotags(), geotags);
        QCOMPARE(controller_->canActOnNonFolderSelection(), nonFolder);
        if (selected >= EditorWindowController::largeSelectionCount)
            QCOMPARE(askedEditors(), 0);
    }

    // The menu toggles the panel over the window's own list; its items follow the panel.
    void quickLookCommands()
    {
        openFiles(3);
        list().setSelection(brisa::IndexSet{1});
        QVERIFY(!controller_->hasQuickLookWindowController());
        QVERIFY(!checkMark("toggleQuickLook:"));
        perform("toggleQuickLook:");
        QuickLookWindowController& quickLook = controller_->quickLookWindowController();
        QVERIFY(quickLook.isShown());
        QCOMPARE(quickLook.fileList(), &list());
        QCOMPARE(quickLook.loadedFile(), list().files().at(1));
        QVERIFY(checkMark("toggleQuickLook:"));
        QCOMPARE(validate("showQuicklook:"), MenuValidation::disabled);
        QCOMPARE(validate("hideQuicklook:"), MenuValidation::enabled);
        list().setSelection(brisa::IndexSet{2});
        QCOMPARE(quickLook.loadedFile(), list().files().at(2));
        perform("hideQuicklook:");
        QVERIFY(!quickLook.isShown());
        QVERIFY(!checkMark("toggleQuickLook:"));
        perform("showQuicklook:");
        QVERIFY(quickLook.isShown());
        perform("toggleQuickLook:");
        QVERIFY(!quickLook.isShown());
    }

    // The space bar shows and hides Quick Look from the file table and from the window, but a
    // text field keeps its spaces.
    void spaceBarTogglesQuickLook()
    {
        openFiles(2);
        list().setSelection(brisa::IndexSet{0});
        controller_->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller_->window()));
        auto* preview = qobject_cast<EditorPreviewViewController*>(controller_->editorViewController());
        QVERIFY(preview);
        QTableView* table = preview->fileBarController()->fileTableView();
        QTest::keyClick(table, Qt::Key_Space);
        QuickLookWindowController& quickLook = controller_->quickLookWindowController();
        QVERIFY(quickLook.isShown());
        QCOMPARE(list().selection(), brisa::IndexSet{0});
        QTest::keyClick(controller_->window(), Qt::Key_Space);
        QVERIFY(!quickLook.isShown());

        auto* field = new QLineEdit(controller_->window());
        field->show();
        QTest::keyClick(field, Qt::Key_Space);
        QCOMPARE(field->text(), QStringLiteral(" "));
        QVERIFY(!quickLook.isShown());
        delete field;
    }

    // The sibling application is found by the first of its ids that the applications folders
    // hold as a launchable entry.
    void findsLindmereInIdOrder()
    {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        QVERIFY(QDir().mkpath(folder));
        const QStringList ids = EditorWindowController::lindmereDesktopIds;
        QCOMPARE(ids.size(), 4);
        const auto write = [&folder](const QString& id, const QByteArray& extra) {
            QFile file(folder + QLatin1Char('/') + id + QStringLiteral(".desktop"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Desktop Entry]\nType=Application\nName=Lindmere\nExec=true %F\n" + extra);
        };
        const auto removeAll = [&] {
            for (const QString& id : ids)
                QFile::remove(folder + QLatin1Char('/') + id + QStringLiteral(".desktop"));
        };
        removeAll();
        QVERIFY(EditorWindowController::lindmereApplicationURL().isEmpty());
        write(ids.at(3), {});
        write(ids.at(2), {});
        QCOMPARE(EditorWindowController::lindmereApplicationURL().fileName(), ids.at(2) + QStringLiteral(".desktop"));
        // A hidden entry does not count.
        write(ids.at(0), "Hidden=true\n");
        QCOMPARE(EditorWindowController::lindmereApplicationURL().fileName(), ids.at(2) + QStringLiteral(".desktop"));
        removeAll();
    }

    void cannotFindLindmereAlert()
    {
        controller_->showCannotFindLindmereAlert();
        auto* alert = controller_->window()->findChild<QMessageBox*>();
        QVERIFY(alert);
        QTRY_VERIFY(alert->isVisible());
        QCOMPARE(alert->icon(), QMessageBox::Critical);
        QCOMPARE(alert->text(), localizedString(QStringLiteral("CannotFindLindmereAlertMessageText")));
        QCOMPARE(alert->informativeText(), localizedString(QStringLiteral("CannotFindLindmereAlertInformativeText")));
        QCOMPARE(alert->buttons().size(), 1);
        QCOMPARE(brisa::SheetPresenter::attachedSheet(controller_->window()), alert);
        alert->buttons().first()->click();
        QTRY_VERIFY(!brisa::SheetPresenter::attachedSheet(controller_->window()));
    }

    // The files reach the application's program; the answer comes later, never during the call.
    void opensFilesWithApplication()
    {
        QTemporaryDir dir;
        const QString script = dir.filePath(QStringLiteral("lindmere.sh"));
        const QString output = dir.filePath(QStringLiteral("arguments.txt"));
        QFile scriptFile(script);
        QVERIFY(scriptFile.open(QIODevice::WriteOnly));
        scriptFile.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.out.tmp\"\nmv \"$0.out.tmp\" \""
                         + output.toUtf8() + "\"\n");
        scriptFile.close();
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString entry = dir.filePath(QStringLiteral("app.lindmere.Lindmere.desktop"));
        QFile entryFile(entry);
        QVERIFY(entryFile.open(QIODevice::WriteOnly));
        entryFile.write("[Desktop Entry]\nType=Application\nName=Lindmere\nExec=\"" + script.toUtf8() + "\" --open %F\n");
        entryFile.close();

        const QList<QUrl> files{QUrl::fromLocalFile(QStringLiteral("/tmp/a b.jpg")), QUrl::fromLocalFile(QStringLiteral("/tmp/é.mov"))};
        std::optional<std::optional<QString>> answer;
        controller_->openFiles(files, QUrl::fromLocalFile(entry), [&answer](const std::optional<QString>& error) { answer = error; });
        QVERIFY(!answer);
        QTRY_VERIFY(answer);
        QCOMPARE(*answer, std::nullopt);
        QTRY_VERIFY(QFile::exists(output));
        QFile result(output);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(result.readAll()), QStringLiteral("--open\n/tmp/a b.jpg\n/tmp/é.mov\n"));

        // A program that is not there is reported, still later.
        entryFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
        entryFile.write("[Desktop Entry]\nType=Application\nName=Lindmere\nExec=/nowhere/lindmere %F\n");
        entryFile.close();
        answer.reset();
        controller_->openFiles(files, QUrl::fromLocalFile(entry), [&answer](const std::optional<QString>& error) { answer = error; });
        QVERIFY(!answer);
        QTRY_VERIFY(answer);
        QVERIFY(answer->has_value());
        QVERIFY(answer->value().contains(QStringLiteral("/nowhere/lindmere")));
    }
};

QTEST_MAIN(EditorViewActionsTest)
#include "EditorViewActionsTest.moc"
