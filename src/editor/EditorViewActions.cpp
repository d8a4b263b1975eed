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

using V = EditorViewActions;
using C = EditorWindowController;
using Predicate = std::function<bool(const V&, const C&)>;
using Action = std::function<void(V&, C&)>;
using State = std::function<std::optional<bool>(const V&, const C&)>;

struct Command {
    QLatin1String action;
    Predicate isEnabled;
    Action run;
    State state;
};

bool always(const V&, const C&)
{
    return true;
}

bool isQuickLookShown(const C& c)
{
    return c.hasQuickLookWindowController() && c.quickLookWindowController().isShown();
}

Command sectionSwitch(const char* action, EditorContentSection section)
{
    return {QLatin1String(action), [section](const V&, const C&) { return C::hasSectionView(section); },
            [section](V&, C& c) { c.setContentSection(section); },
            // The mark follows the section the user chose, which the welcome section only hides.
            [section](const V&, const C& c) -> std::optional<bool> { return c.preferredSection() == section; }};
}

const QList<Command>& commands()
{
    static const QList<Command> table{
        {QLatin1String("showTaskManager:"), [](const V& v, const C&) { return v.canShowTaskManager(); },
         [](V& v, C&) { v.showTaskManager(); }, {}},
        {QLatin1String("showQuicklook:"), [](const V&, const C& c) { return !isQuickLookShown(c); },
         [](V& v, C&) { v.showQuicklook(); }, {}},
        {QLatin1String("hideQuicklook:"), [](const V&, const C& c) { return isQuickLookShown(c); },
         [](V& v, C&) { v.hideQuicklook(); }, {}},
        {QLatin1String("toggleQuickLook:"), always, [](V& v, C&) { v.toggleQuickLook(); },
         [](const V&, const C& c) -> std::optional<bool> { return isQuickLookShown(c); }},
        sectionSwitch("switchToPreviewSection:", EditorContentSection::preview),
        sectionSwitch("switchToTagsSection:", EditorContentSection::tags),
        sectionSwitch("switchToMapSection:", EditorContentSection::map),
        sectionSwitch("switchToRawSection:", EditorContentSection::raw),
        {QLatin1String("toggleFileViewMode:"), [](const V& v, const C&) { return v.hasSectionSettings(); },
         [](V& v, C&) { v.toggleFileViewMode(); }, {}},
        {QLatin1String("toggleAllColumnsInFileList:"), [](const V& v, const C&) { return v.hasSectionSettings(); },
         [](V& v, C&) { v.toggleAllColumnsInFileList(); }, {}},
        {QLatin1String("toggleEditingSidebar:"), [](const V& v, const C&) { return v.hasSectionSettings(); },
         [](V& v, C&) { v.toggleEditingSidebar(); },
         [](const V& v, const C&) -> std::optional<bool> { return v.isEditingSidebarEnabled(); }},
        {QLatin1String("enableEditingSidebar:"), [](const V& v, const C&) { return v.isEditingSidebarDisabled(); },
         [](V& v, C&) { v.enableEditingSidebar(); }, {}},
        {QLatin1String("disableEditingSidebar:"), [](const V& v, const C&) { return v.isEditingSidebarEnabled(); },
         [](V& v, C&) { v.disableEditingSidebar(); }, {}},
    };
    return table;
}

const Command* command(const QString& action)
{
    for (const Command& command : commands()) {
        if (action == command.action)
            return &command;
    }
    return nullptr;
}

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

} // namespace

EditorViewActions::EditorViewActions(EditorWindowController& controller)
    : controller_(controller)
{
}

MenuValidation EditorViewActions::validateItem(const QString& action) const
{
    const Command* found = command(action);
    if (!found)
        return MenuValidation::notMine;
    return found->isEnabled(*this, controller_) ? MenuValidation::enabled : MenuValidation::disabled;
}

void EditorViewActions::perform(const QString& action)
{
    const Command* found = command(action);
    if (found && found->isEnabled(*this, controller_))
        found->run(*this, controller_);
}

std::optional<bool> EditorViewActions::itemState(const QString& action) const
{
    const Command* found = command(action);
    if (!found || !found->state)
        return std::nullopt;
    return found->state(*this, controller_);
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
