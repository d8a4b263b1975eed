#include "editor/EditorTouchBarItems.h"

#include "editor/EditorWindowController.h"
#include "platform/brisa/ui/DynamicTouchBarItemContainer.h"
#include "widgets/TextLocalizer.h"

#include <QAction>

namespace corvelle {

namespace {

using Controller = EditorTouchBarItems::Controller;

struct Button {
    QString title;
    QString symbolName;
    QString action;
    double width = 0.0;
    bool accent = false;
};

// The button holds the window's action of its command: it is enabled as the action's rule says
// and triggers the action.
void addButton(brisa::DynamicTouchBarItemContainer& container, const Controller& controller, const Button& button)
{
    const QPointer<QAction> shared = controller ? controller->commandAction(button.action) : nullptr;
    container.addItem(
        [controller, button, shared](brisa::DynamicTouchBarItemButtonSettings& settings) {
            if (!button.title.isEmpty())
                settings.title = localizedString(button.title);
            settings.symbolName = button.symbolName;
            if (button.width > 0.0)
                settings.width = button.width;
            if (button.accent)
                settings.bezelColor = brisa::DynamicTouchBarItemButtonSettings::accentColor();
            settings.action = [controller, shared] {
                if (controller && shared)
                    controller->performCommand(shared->objectName(), shared);
            };
        },
        [controller, shared](brisa::DynamicTouchBarItem& item) {
            item.setEnabled(controller && shared && controller->validateUserInterfaceItem(shared->objectName()));
        });
}

} // namespace

void EditorTouchBarItems::addOpenFilesItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addButton(container, controller, {{}, QStringLiteral("plus"), QStringLiteral("openFilesFromFinder:")});
}

void EditorTouchBarItems::addPreviousFileItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addButton(container, controller, {{}, QStringLiteral("arrow.left"), QStringLiteral("selectPreviousFile:")});
}

void EditorTouchBarItems::addNextFileItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addButton(container, controller, {{}, QStringLiteral("arrow.right"), QStringLiteral("selectNextFile:")});
}

void EditorTouchBarItems::addSaveAllItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addButton(container, controller, {{}, QStringLiteral("square.and.arrow.down"), QStringLiteral("saveAllEditedFiles:")});
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
               brisa::DynamicTouchBarItemButtonSettings::standardWidth, true});
}

void EditorTouchBarItems::addFileItems(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addOpenFilesItem(container, controller);
    addPreviousFileItem(container, controller);
    addNextFileItem(container, controller);
    addSaveAllItem(container, controller);
    addQuickLookItem(container, controller);
}

void EditorTouchBarItems::addFileSectionItems(brisa::DynamicTouchBarItemContainer& container,
                                              const Controller& controller)
{
    addOpenFilesItem(container, controller);
    addPreviousFileItem(container, controller);
    addNextFileItem(container, controller);
    addSaveAllItem(container, controller);
    container.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    addQuickLookItem(container, controller);
}

void EditorTouchBarItems::addWelcomeItems(brisa::DynamicTouchBarItemContainer& container, const Controller& controller)
{
    addWelcomeOpenFromFinderItem(container, controller);
    addWelcomeOpenFromPhotosItem(container, controller);
}

} // namespace corvelle
