#pragma once

#include <QPointer>

namespace brisa {
class DynamicTouchBarItemContainer;
} // namespace brisa

namespace corvelle {

class EditorWindowController;

// The touch-bar buttons of the editor sections. Each holds the editor window weakly: once the
// window is gone every button is disabled and does nothing.
class EditorTouchBarItems {
public:
    using Controller = QPointer<EditorWindowController>;

    static void addOpenFilesItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller);
    static void addPreviousFileItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller);
    static void addNextFileItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller);
    static void addSaveAllItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller);
    static void addQuickLookItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller);
    static void addWelcomeOpenFromFinderItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller);
    static void addWelcomeOpenFromPhotosItem(brisa::DynamicTouchBarItemContainer& container, const Controller& controller);

    // The five buttons of the preview, tags and map sections, in order.
    static void addFileItems(brisa::DynamicTouchBarItemContainer& container, const Controller& controller);
    // The touch bar of a section with a file bar: the file buttons, Quick Look apart at the end.
    static void addFileSectionItems(brisa::DynamicTouchBarItemContainer& container, const Controller& controller);
    // The two buttons of the welcome section.
    static void addWelcomeItems(brisa::DynamicTouchBarItemContainer& container, const Controller& controller);
};

} // namespace corvelle
