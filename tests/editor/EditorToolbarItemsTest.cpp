#include "app/MainMenu.h"
#include "editor/EditorPreviewViewController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWelcomeViewController.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/libraries/PresetManager.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/TagName.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/DynamicToolbarItem.h"
#include "platform/brisa/ui/DynamicTouchBarItem.h"
#include "presets/PresetPopUpMenu.h"
#include "support/TestEnvironment.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/SpinningProgressIndicator.h"

#include "EditorHostStandIn.h"
#include "GateTask.h"
#include "support/ui/SectionViewStandIn.h"

#include <QButtonGroup>
#include <QDialog>
#include <QPushButton>
#include <QMainWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QScopeGuard>
#include <QtTest>

using namespace corvelle;

namespace {

constexpr int taskTimeout = 60000;

QString text(const char* key)
{
    return localizedString(QString::fromLatin1(key));
}

// The shown items as text: "|" for a flexible space, "switcher" for the section switcher,
// else the item's label.
QStringList describe(const QList<brisa::DynamicToolbarItem*>& items)
{
    QStringList seen;
    for (const brisa::DynamicToolbarItem* item : items) {
        if (item->isFlexibleSpace())
            seen << QStringLiteral("|");
        else if (item->identifier() == EditorViewController::centeredItemIdentifier)
            seen << QStringLiteral("switcher");
        else
            seen << item->label();
    }
    return seen;
}

brisa::DynamicToolbarItem* itemLabelled(EditorViewController& section, const QString& label)
{
    for (brisa::DynamicToolbarItem* item : section.toolbarItemSet().items()) {
        if (item->label() == label)
            return item;
    }
    return nullptr;
}

void updateAll(EditorViewController& section)
{
    for (brisa::DynamicToolbarItem* item : section.toolbarItemSet().items())
        item->update();
}

// A section that adds the items under test, nothing else.
class BareView : public EditorViewController {
public:
    using EditorViewController::EditorViewController;
    QString windowTitle() const override { return {}; }
    QString windowSubtitle() const override { return {}; }
};

} // namespace

class EditorToolbarItemsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<EditorWindowController> controller_;

    MetadataFileList& list() const { return *controller_->metadataFileList(); }

    void openPhotos(int count)
    {
        QList<QUrl> urls;
        for (int index = 0; index < count; ++index) {
            const QString target = folder_.filePath(QStringLiteral("photo%1.jpg").arg(index));
            QFile::copy(test::fixturePath(QStringLiteral("photo.jpg")), target);
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
            urls << QUrl::fromLocalFile(target);
        }
        controller_->addFiles(urls);
        QTRY_COMPARE_WITH_TIMEOUT(list().files().size(), count, taskTimeout);
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        QTRY_COMPARE(controller_->effectiveSection(), EditorContentSection::preview);
    }

    QList<brisa::DynamicToolbarItem*> windowItems() const
    {
        QList<brisa::DynamicToolbarItem*> items;
        for (brisa::DynamicToolbarItem* item : controller_->editorViewController()->toolbarItemSet().items())
            items << item;
        return items;
    }

private Q_SLOTS:
    // The tags, map and raw sections are offered as in the finished window.
    void initTestCase() { corvelle::test::SectionViewStandIn::registerFor(); }

    void init()
    {
        brisa::UserDefaults::standard().setObject(Settings::lastContentSection().name(), {});
        controller_ = std::make_unique<EditorWindowController>();
        controller_->window()->resize(1400, 600);
        controller_->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(controller_->window()));
    }

    void cleanup()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!halvex::TaskManager::shared().isBusy(), taskTimeout);
        controller_.reset();
        halvex::PresetManager::shared().setGroups({});
    }

    void sectionsShowTheirItemsInOrder()
    {
        const QStringList welcome{text("EditorWindowToolbarOpenFiles"), "|", text("EditorWindowToolbarTasks"),
                                  text("EditorWindowToolbarPhotosRemote"), text("EditorWindowToolbarManagePresets"),
                                  text("EditorWindowToolbarHelp")};
        QCOMPARE(describe(windowItems()), welcome);
        openPhotos(1);
        const QStringList preview{
            text("EditorWindowToolbarOpenFiles"),    text("EditorWindowToolbarRemoveFiles"),
            text("EditorWindowToolbarInspectFiles"), text("EditorWindowToolbarSaveAllFiles"),
            "|",                                     "switcher",
            text("EditorWindowToolbarTasks"),        "|",
            text("EditorWindowToolbarEditTags"),     text("EditorWindowToolbarSyncDates"),
            text("EditorWindowToolbarEditCovertArt"), text("EditorWindowToolbarDownloadInfo"),
            text("EditorWindowToolbarEditLocation"), text("EditorWindowToolbarSidecars"),
            text("EditorWindowToolbarPresets"),      text("EditorWindowToolbarHelp")};
        QCOMPARE(describe(windowItems()), preview);

        // The window shows them, with the switcher in the middle of the toolbar.
        QToolBar* toolbar = controller_->window()->findChild<QToolBar*>();
        QWidget* switcher = windowItems().at(5)->view();
        QTRY_VERIFY(switcher->isVisible());
        QTRY_VERIFY(qAbs(switcher->geometry().center().x() - toolbar->rect().center().x()) <= 1);
    }

    // Command buttons follow the window's rules; once the window controller is gone every item
    // that needs it is off and the Tasks item hidden, even while a task runs.
    void enableStatesFollowTheWindow()
    {
        EditorPreviewViewController section(controller_.get());
        // As the window does before it lets a section go.
        const auto stop = qScopeGuard([&section] { section.stopObserving(); });
        section.view();
        updateAll(section);
        const auto enabled = [&section](const char* key) { return itemLabelled(section, text(key))->isEnabled(); };
        QVERIFY(enabled("EditorWindowToolbarOpenFiles"));
        QVERIFY(!enabled("EditorWindowToolbarRemoveFiles"));
        QVERIFY(!enabled("EditorWindowToolbarInspectFiles"));
        QVERIFY(!enabled("EditorWindowToolbarSaveAllFiles"));
        // No family answers for these yet.
        QVERIFY(!enabled("EditorWindowToolbarEditCovertArt"));
        QVERIFY(!enabled("EditorWindowToolbarDownloadInfo"));
        QVERIFY(section.toolbarItemSet().items().at(5)->isEnabled());

        openPhotos(2);
        list().setSelection(brisa::IndexSet{1});
        list().files()[0]->editor()->setValue(QStringLiteral("Someone"),
                                              ostrak::TagName(QStringLiteral("IFD0"), QStringLiteral("Artist")));
        updateAll(section);
        QVERIFY(enabled("EditorWindowToolbarRemoveFiles"));
        QVERIFY(enabled("EditorWindowToolbarInspectFiles"));
        QVERIFY(enabled("EditorWindowToolbarSaveAllFiles"));

        // Remove Files sends its command through the window.
        qobject_cast<QToolButton*>(itemLabelled(section, text("EditorWindowToolbarRemoveFiles"))->view())->click();
        QTRY_VERIFY(controller_->window()->findChild<QDialog*>() || list().files().isEmpty());

        auto gate = test::addGateTask();
        controller_.reset();
        updateAll(section);
        QVERIFY(itemLabelled(section, text("EditorWindowToolbarTasks"))->isHidden());
        for (const char* key : {"EditorWindowToolbarRemoveFiles", "EditorWindowToolbarInspectFiles",
                                "EditorWindowToolbarSaveAllFiles"})
            QVERIFY2(!enabled(key), key);
        QVERIFY(!section.toolbarItemSet().items().at(5)->isEnabled());
        QVERIFY(test::finishAll({gate}));
    }

    // The window's own items follow the selection without anyone asking them to.
    void selectionChangesReachTheWindowsItems()
    {
        openPhotos(2);
        QTRY_VERIFY(qobject_cast<EditorPreviewViewController*>(controller_->editorViewController()));
        EditorViewController& section = *controller_->editorViewController();
        const auto enabled = [&section](const char* key) { return itemLabelled(section, text(key))->isEnabled(); };
        list().setSelection(brisa::IndexSet{1});
        QTRY_VERIFY(enabled("EditorWindowToolbarInspectFiles"));
        list().deselectAllFiles();
        QTRY_VERIFY(!enabled("EditorWindowToolbarInspectFiles"));
    }

    // A command's button is the window's own action, the one the menus and the shortcut hold:
    // one enabled state, one trigger; the button keeps its symbol, the menus stay without it.
    void commandButtonsHoldTheWindowsActions()
    {
        openPhotos(2);
        QTRY_VERIFY(qobject_cast<EditorPreviewViewController*>(controller_->editorViewController()));
        EditorViewController& section = *controller_->editorViewController();
        const std::pair<const char*, const char*> cases[] = {
            {"EditorWindowToolbarRemoveFiles", "removeAllFiles:"},
            {"EditorWindowToolbarInspectFiles", "inspectSelectedFiles:"},
            {"EditorWindowToolbarSaveAllFiles", "saveAllEditedFiles:"},
        };
        for (const auto& [key, command] : cases) {
            auto* button = qobject_cast<QToolButton*>(itemLabelled(section, text(key))->view());
            QAction* action = controller_->commandAction(QString::fromLatin1(command));
            QVERIFY2(action, command);
            QCOMPARE(button->defaultAction(), action);
            QVERIFY2(!button->icon().isNull(), key);
            QVERIFY2(!action->isIconVisibleInMenu(), command);
        }
        list().setSelection(brisa::IndexSet{1});
        controller_->updateInterface();
        auto* inspect = qobject_cast<QToolButton*>(itemLabelled(section, text("EditorWindowToolbarInspectFiles"))->view());
        QTRY_VERIFY(inspect->isEnabled());
        QCOMPARE(inspect->defaultAction()->isEnabled(), true);
        list().deselectAllFiles();
        QTRY_VERIFY(!inspect->isEnabled());
        QCOMPARE(inspect->defaultAction()->isEnabled(), false);
    }

    void tasksItemShowsWhileATaskRuns()
    {
        brisa::DynamicToolbarItem* tasks = windowItems().at(2);
        controller_->updateInterface();
        QVERIFY(tasks->isHidden());
        QCOMPARE(controller_->editorViewController()->taskButton(), tasks->view());
        QCOMPARE(tasks->view()->toolTip(), text("EditorWindowToolbarTasks"));

        auto gate = test::addGateTask();
        controller_->updateInterface();
        QVERIFY(!tasks->isHidden());
        QTRY_VERIFY(tasks->view()->isVisible());
        auto* spinner = tasks->view()->findChild<SpinningProgressIndicator*>();
        QVERIFY(spinner && spinner->isAnimating());
        QVERIFY(test::finishAll({gate}));
        controller_->updateInterface();
        QVERIFY(tasks->isHidden());
    }

    void switcherShowsItsSegmentAndSwitches_data()
    {
        QTest::addColumn<std::optional<int>>("selected");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<QString>("request");
        QTest::newRow("tags, choose map") << std::optional<int>(1) << 2 << "switchToMapSection";
        QTest::newRow("none, choose preview") << std::optional<int>() << 0 << "switchToPreviewSection";
    }

    void switcherShowsItsSegmentAndSwitches()
    {
        QFETCH(std::optional<int>, selected);
        QFETCH(int, clicked);
        QFETCH(QString, request);
        QStringList log;
        test::EditorHostStandIn host(&log);
        BareView section(&host);
        section.addSectionSwitcherToolbarItem(selected);
        brisa::DynamicToolbarItem* item = section.toolbarItemSet().items().first();
        QCOMPARE(item->identifier(), EditorViewController::centeredItemIdentifier);
        QVERIFY(item->view()->minimumWidth() >= 280);
        auto* segments = item->view()->findChild<QButtonGroup*>();
        QCOMPARE(segments->checkedId(), selected.value_or(-1));
        QCOMPARE(segments->button(1)->text(), text("ToolbarTagsSectionTitle"));
        segments->button(clicked)->click();
        QCOMPARE(log, QStringList{request});
    }

    void presetsMenuAppliesThePresetToTheSelection()
    {
        const ostrak::TagName artist(QStringLiteral("IFD0"), QStringLiteral("Artist"));
        const auto preset = std::make_shared<halvex::PresetItem>(
            QStringLiteral("Credit"), QString(),
            QList<halvex::PresetItem::Entry>{{artist, halvex::PresetEdition::useCustomValue({QStringLiteral("Ann Lee")})}});
        halvex::PresetManager::shared().setGroups(
            {std::make_shared<halvex::PresetGroup>(QStringLiteral("People"), QString(), QList<halvex::PresetItemPtr>{preset})});
        openPhotos(2);
        brisa::DynamicToolbarItem* presets = windowItems().at(14);
        auto* menu = qobject_cast<PresetPopUpMenu*>(qobject_cast<QToolButton*>(presets->view())->menu());
        QVERIFY(menu);
        QTRY_COMPARE(menu->presetItems().size(), 1);
        // Its title and manager items come with the reload that follows the toolbar's making.
        QTRY_COMPARE(menu->actions().first()->text(), text("EditorWindowToolbarPresets"));
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.last()->text(), text("ShowPresetManagerTitle"));
        QAction* credit = items.at(2)->menu()->actions().first();

        list().deselectAllFiles();
        Q_EMIT items.at(2)->menu()->aboutToShow();
        QVERIFY(!credit->isEnabled());
        list().setSelection(brisa::IndexSet{1});
        Q_EMIT items.at(2)->menu()->aboutToShow();
        QVERIFY(credit->isEnabled());
        credit->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(list().files()[1]->editor()->currentValue(artist), std::optional<QString>("Ann Lee"),
                                  taskTimeout);
        QCOMPARE(list().files()[0]->editor()->currentValue(artist), std::nullopt);
    }

    void previewMenusComeFromTheForm()
    {
        openPhotos(1);
        const QStringList keys{"EditorWindowToolbarEditTags", "EditorWindowToolbarSyncDates",
                               "EditorWindowToolbarEditLocation", "EditorWindowToolbarSidecars"};
        const QStringList firstCommands{"pasteAndMergeTags:", "updateAllDates:", "searchLocation:", "exportXMPSidecar:"};
        for (int index = 0; index < keys.size(); ++index) {
            auto* section = controller_->editorViewController();
            brisa::DynamicToolbarItem* item = itemLabelled(*section, text(keys[index].toLatin1()));
            QMenu* menu = qobject_cast<QToolButton*>(item->view())->menu();
            QVERIFY2(menu, qPrintable(keys[index]));
            QAction* first = menu->actions().first();
            QCOMPARE(first->objectName(), firstCommands[index]);
            QCOMPARE(first->text(), localizedString(MainMenu::titleKey(first->objectName())));
            // Validated by the window: the sidecar export acts on the selected photo, the location
            // search and the date update on the selected files; the others wait for families or
            // sheets not there yet.
            Q_EMIT menu->aboutToShow();
            QCOMPARE(first->isEnabled(), firstCommands[index] == QLatin1String("exportXMPSidecar:")
                                             || firstCommands[index] == QLatin1String("searchLocation:")
                                             || firstCommands[index] == QLatin1String("updateAllDates:"));
        }

        QMenu* open = controller_->openFilesMenu();
        QCOMPARE(qobject_cast<QToolButton*>(windowItems().first()->view())->menu(), open);
        Q_EMIT open->aboutToShow();
        QCOMPARE(open->actions().at(0)->objectName(), QStringLiteral("openFilesFromFinder:"));
        QVERIFY(open->actions().at(0)->isEnabled());
        QCOMPARE(open->actions().at(1)->objectName(), QStringLiteral("openFilesFromPhotos:"));
        QVERIFY(open->actions().at(1)->isEnabled());
    }

    void touchBarsHoldTheirButtons()
    {
        const auto describeTouchBar = [this] {
            QStringList seen;
            for (brisa::DynamicTouchBarItem* item : controller_->editorViewController()->makeTouchBar()) {
                const brisa::DynamicTouchBarItemButtonSettings& settings = item->settings();
                const QString name = item->isFlexibleSpace() ? QStringLiteral("|")
                                     : settings.symbolName.isEmpty() ? settings.title
                                                                     : settings.symbolName;
                seen << name + (item->isEnabled() ? QString() : QStringLiteral("(off)"));
            }
            return seen;
        };
        QCOMPARE(describeTouchBar(), (QStringList{"|", text("EditorWelcomeOpenFromFinderTouchButton"),
                                                  text("EditorWelcomeOpenFromPhotosTouchButton"), "|"}));
        auto* welcome = qobject_cast<EditorWelcomeViewController*>(controller_->editorViewController());
        QVERIFY(!welcome->openPhotosButton()->isHidden());

        openPhotos(2);
        list().setSelection(brisa::IndexSet{1});
        controller_->editorViewController()->updateInterface();
        QCOMPARE(describeTouchBar(), (QStringList{"plus", "arrow.left", "arrow.right(off)",
                                                  "square.and.arrow.down(off)", "|", "eye"}));
    }
};

QTEST_MAIN(EditorToolbarItemsTest)
#include "EditorToolbarItemsTest.moc"
