#include "editor/EditorViewActions.h"

#include "editor/EditorSettings.h"
#include "editor/EditorViewController.h"
#include "editor/EditorWindowController.h"
#include "filebrowser/QuickLookWindowController.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"

#include <QList>
#include <QMainWindow>

namespace corvelle {

namespace {

bool isQuickLookShown(const EditorWindowController& c)
{
    return c.hasQuickLookWindowController() && c.quickLookWindowController().isShown();
}

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

} // namespace

EditorViewActions::EditorViewActions(EditorWindowController& controller)
    : controller_(controller)
{
    const auto row = [](const char* name, std::function<bool()> isEnabled, std::function<void()> run,
                        std::function<std::optional<bool>()> isChecked = {}, const QKeySequence& shortcut = {},
                        const char* symbol = "") {
        const QString command = QString::fromLatin1(name);
        QString textKey = command.chopped(1);
        textKey[0] = textKey[0].toUpper();
        return EditorCommand{command, QStringLiteral("MainMenu") + textKey, shortcut, QString::fromLatin1(symbol),
                             std::move(isEnabled), std::move(isChecked), std::move(run)};
    };
    const auto sectionSwitch = [this, &row](const char* name, EditorContentSection section, int digit) {
        return row(
            name, [section] { return EditorWindowController::hasSectionView(section); },
            [this, section] { controller_.setContentSection(section); },
            // The mark follows the section the user chose, which the welcome section only hides.
            [this, section]() -> std::optional<bool> { return controller_.preferredSection() == section; },
            QKeySequence(QStringLiteral("Ctrl+%1").arg(digit)));
    };
    setCommands({
        sectionSwitch("switchToPreviewSection:", EditorContentSection::preview, 1),
        sectionSwitch("switchToTagsSection:", EditorContentSection::tags, 2),
        sectionSwitch("switchToMapSection:", EditorContentSection::map, 3),
        sectionSwitch("switchToRawSection:", EditorContentSection::raw, 4),
        row("toggleFileViewMode:", [this] { return hasSectionSettings(); }, [this] { toggleFileViewMode(); }),
        row("toggleAllColumnsInFileList:", [this] { return hasSectionSettings(); },
            [this] { toggleAllColumnsInFileList(); }),
        row("toggleEditingSidebar:", [this] { return hasSectionSettings(); }, [this] { toggleEditingSidebar(); },
            [this]() -> std::optional<bool> { return isEditingSidebarEnabled(); }),
        row("enableEditingSidebar:", [this] { return isEditingSidebarDisabled(); }, [this] { enableEditingSidebar(); }),
        row("disableEditingSidebar:", [this] { return isEditingSidebarEnabled(); }, [this] { disableEditingSidebar(); }),
        row("toggleQuickLook:", [] { return true; }, [this] { toggleQuickLook(); },
            [this]() -> std::optional<bool> { return isQuickLookShown(controller_); },
            QKeySequence(QStringLiteral("Ctrl+Y")), "eye"),
        row("showQuicklook:", [this] { return !isQuickLookShown(controller_); }, [this] { showQuicklook(); }),
        row("hideQuicklook:", [this] { return isQuickLookShown(controller_); }, [this] { hideQuicklook(); }),
        row("showTaskManager:", [this] { return canShowTaskManager(); }, [this] { showTaskManager(); }, {},
            QKeySequence(QStringLiteral("Ctrl+Alt+T"))),
    });
}

// --- Rules

bool EditorViewActions::canShowTaskManager() const
{
    return controller_.window() && !brisa::SheetPresenter::attachedSheet(controller_.window());
}

bool EditorViewActions::hasSectionSettings() const
{
    return Settings::editingSidebarStateKey(controller_.effectiveSection()) != nullptr;
}

bool EditorViewActions::isEditingSidebarEnabled() const
{
    const auto* key = Settings::editingSidebarStateKey(controller_.effectiveSection());
    return key && defaults().value(*key) == EditingSidebarState::enabled;
}

bool EditorViewActions::isEditingSidebarDisabled() const
{
    const auto* key = Settings::editingSidebarStateKey(controller_.effectiveSection());
    return key && defaults().value(*key) == EditingSidebarState::disabled;
}

// --- Actions

void EditorViewActions::showTaskManager()
{
    if (canShowTaskManager() && controller_.editorViewController())
        controller_.editorViewController()->toggleTasksPopover();
}

void EditorViewActions::showQuicklook()
{
    controller_.quickLookWindowController().showWindow();
}

void EditorViewActions::hideQuicklook()
{
    if (controller_.hasQuickLookWindowController())
        controller_.quickLookWindowController().hideWindow();
}

void EditorViewActions::toggleQuickLook()
{
    controller_.quickLookWindowController().toggleWindow();
}

void EditorViewActions::toggleFileViewMode()
{
    if (const auto* key = Settings::fileViewModeKey(controller_.effectiveSection())) {
        const bool list = defaults().value(*key) == FileViewModeUserChoice::list;
        defaults().set(*key, list ? FileViewModeUserChoice::grid : FileViewModeUserChoice::list);
    }
}

void EditorViewActions::toggleAllColumnsInFileList()
{
    if (const auto* key = Settings::showExtraColumnsInFileListKey(controller_.effectiveSection()))
        defaults().set(*key, !defaults().value(*key));
}

void EditorViewActions::toggleEditingSidebar()
{
    if (const auto* key = Settings::editingSidebarStateKey(controller_.effectiveSection()))
        defaults().set(*key, isEditingSidebarEnabled() ? EditingSidebarState::disabled : EditingSidebarState::enabled);
}

void EditorViewActions::enableEditingSidebar()
{
    if (const auto* key = Settings::editingSidebarStateKey(controller_.effectiveSection()))
        defaults().set(*key, EditingSidebarState::enabled);
}

void EditorViewActions::disableEditingSidebar()
{
    if (const auto* key = Settings::editingSidebarStateKey(controller_.effectiveSection()))
        defaults().set(*key, EditingSidebarState::disabled);
}

} // namespace corvelle
