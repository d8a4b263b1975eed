#pragma once

#include "editor/EditorCommandFamily.h"

#include <optional>

namespace corvelle {

class EditorWindowController;

// The View menu of the editor window: the tasks popover, the Quick Look window, the section
// switches, and the file view, file-list columns and editing sidebar of the tags and map
// sections. The last family of the window's chain.
//
// The file view, columns and sidebar commands only write their section's setting: the section
// views follow those settings themselves.
class EditorViewActions : public EditorCommandFamily {
public:
    explicit EditorViewActions(EditorWindowController& controller);

    // --- Rules

    // The window has no sheet on it.
    bool canShowTaskManager() const;
    // The tags or map section is shown.
    bool hasSectionSettings() const;
    // The shown section's sidebar is enabled; false outside the tags and map sections.
    bool isEditingSidebarEnabled() const;
    bool isEditingSidebarDisabled() const;

    // --- Actions

    void showTaskManager();
    void showQuicklook();
    void hideQuicklook();
    void toggleQuickLook();
    void toggleFileViewMode();
    void toggleAllColumnsInFileList();
    void toggleEditingSidebar();
    void enableEditingSidebar();
    void disableEditingSidebar();

private:
    EditorWindowController& controller_;
};

} // namespace corvelle
