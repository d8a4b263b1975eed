#include "editor/EditorTouchBarItems.h"

#include "editor/EditorFileActions.h"
#include "editor/EditorWindowController.h"
#include "platform/brisa/ui/DynamicTouchBarItemContainer.h"
#include "widgets/TextLocalizer.h"

#include <functional>

namespace corvelle {

namespace {

using Controller = EditorTouchBarItems::Controller;
using Rule = std::function<bool(EditorWindowController&)>;

struct Button {
    QString title;
    QString symbolName;
    QString action;
    double width = 0.0;
    bool accent = false;
};

void addButton(brisa::DynamicTouchBarItemContainer& container, const Controller& controller, const Button& button,
               Rule rule = {})
{
    container.addItem(
        [controller, button](brisa::DynamicTouchBarItemButtonSettings& settings) {
            if (!button.title.isEmpty())
                settings.title = localizedString(button.title);
            settings.symbolName = button.symbolName;
            if (button.width > 0.0)
                settings.width = button.width;
            if (button.accent)
                settings.bezelColor = brisa::DynamicTouchBarItemButtonSettings::accentColor();
            const QString action = button.action;
            settings.action = [controller, action] {
                if (controller)
                    controller->performMenuCommand(action, nullptr);
            };
        },
        [controller, rule](brisa::DynamicTouchBarItem& item) { item.setEnabled(controller && (!rule || rule(*controller))); });
}

} // namespace

void EditorTouchBarItems::addOpenFilesItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addButton(container, controller, {{}, QStringLiteral("plus"), QStringLiteral("openFilesFromFinder:")});
}

void EditorTouchBarItems::addPreviousFileItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addButton(container, controller, {{}, QStringLiteral("arrow.left"), QStringLiteral("selectPreviousFile:")},
              [](EditorWindowController& c) { return c.fileActions().canSelectPreviousFile(); });
}

void EditorTouchBarItems::addNextFileItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addButton(container, controller, {{}, QStringLiteral("arrow.right"), QStringLiteral("selectNextFile:")},
              [](EditorWindowController& c) { return c.fileActions().canSelectNextFile(); });
}

void EditorTouchBarItems::addSaveAllItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addButton(container, controller, {{}, QStringLiteral("square.and.arrow.down"), QStringLiteral("saveAllEditedFiles:")},
              [](EditorWindowController& c) { return c.canSaveAllEditedFiles(); });
}

void EditorTouchBarItems::addQuickLookItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addButton(container, controller, {{}, QStringLiteral("eye"), QStringLiteral("toggleQuickLook:")});
}

void EditorTouchBarItems::addWelcomeOpenFromFinderItem(brisa::DynamicTouchBarItemContainer& container,
                                                       const Controller& controller)
{
    addButton(container, controller,
              {QStringLiteral("EditorWelcomeOpenFromFinderTouchButton"), {}, QStringLiteral("openFilesFromFinder:"),
               brisa::DynamicTouchBarItemButtonSettings::standardWidth});
}

void EditorTouchBarItems::addWelcomeOpenFromPhotosItem(brisa::DynamicTouchBarItemContainer& container,
                                                       const Controller& controller)
{
    addButton(container, controller,
              {QStringLiteral("EditorWelcomeOpenFromPhotosTouchButton"), {}, QStringLiteral("openFilesFromPhotos:"),
               brisa::DynamicTouchBarItemButtonSettings::standardWidth, true},
              [](EditorWindowController& c) { return c.validateUserInterfaceItem(QStringLiteral("openFilesFromPhotos:")); });
}

void EditorTouchBarItems::addFileItems(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addOpenFilesItem(container, controller);
    addPreviousFileItem(container, controller);
    addNextFileItem(container, controller);
    addSaveAllItem(container, controller);
    addQuickLookItem(container, controller);
}

void EditorTouchBarItems::addWelcomeItems(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addWelcomeOpenFromFinderItem(container, controller);
    addWelcomeOpenFromPhotosItem(container, controller);
}

} // namespace corvelle
