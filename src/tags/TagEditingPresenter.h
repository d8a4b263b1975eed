#pragma once

#include "editor/EditorTagEditingPresenter.h"

namespace corvelle {

class EditorTagSidebarController;

// The editing windows of the tags section as the Tags menu reaches them: the tag editing sheet,
// the section's editing sidebar, and the tag copies sheet of the folder synchronisation.
class TagEditingPresenter : public EditorTagEditingPresenter {
public:
    void presentEditingSheet(EditorWindowController& window, const ValueSet& valueSet, std::optional<Step> step) override;
    bool hasSidebar(EditorWindowController& window) const override;
    void focusSidebarStep(EditorWindowController& window) override;
    std::optional<ValueSet> sidebarValueSet(EditorWindowController& window) const override;
    void showSidebarStep(EditorWindowController& window, Step step) override;
    void presentTagCopiesSheet(EditorWindowController& window, const QList<halvex::TagSyncPair>& copies,
                               TagCopiesCompletion completion) override;

private:
    // The sidebar of the section on screen, when it shows one.
    static EditorTagSidebarController* sidebar(const EditorWindowController& window);
};

} // namespace corvelle
