#pragma once

#include "engine/halvex/editions/TagSyncPair.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "tags/EditorEditionCacheStep.h"

#include <QList>

#include <functional>
#include <optional>

class QWidget;

namespace corvelle {

class EditorWindowController;

// The editing windows the Tags menu opens but does not own: the tag editing sheet, the editing
// steps of the tags section's sidebar and the tag copies sheet of the folder synchronisation.
// The editing area supplies them through EditorWindowController::setTagEditingPresenter(); until
// it does, the commands that need them stay disabled.
class EditorTagEditingPresenter {
public:
    using ValueSet = halvex::TagValueTable::ValueSet;
    using Step = EditorEditionCacheStep;
    // The pairs when the sheet was applied; none when it was cancelled.
    using TagCopiesCompletion = std::function<void(const std::optional<QList<halvex::TagSyncPair>>& copies)>;

    virtual ~EditorTagEditingPresenter() = default;

    // Opens the tag editing sheet on the window over a new edition of `valueSet`, at `step`;
    // none: at the edition's first step (tag selection when the tags need different editors).
    virtual void presentEditingSheet(EditorWindowController& window, const ValueSet& valueSet,
                                     std::optional<Step> step) = 0;

    // Whether the section on screen shows the editing sidebar.
    virtual bool hasSidebar(EditorWindowController& window) const = 0;
    // Gives the sidebar's current step the keyboard focus; nothing without a current step.
    virtual void focusSidebarStep(EditorWindowController& window) = 0;
    // The values the sidebar edits: its filtered set, else its original one; none without.
    virtual std::optional<ValueSet> sidebarValueSet(EditorWindowController& window) const = 0;
    // Ends the editing of the sidebar's fields, then shows `step` there.
    virtual void showSidebarStep(EditorWindowController& window, Step step) = 0;

    // The tag copies sheet on the window, preset with `copies`.
    virtual void presentTagCopiesSheet(EditorWindowController& window, const QList<halvex::TagSyncPair>& copies,
                                       TagCopiesCompletion completion) = 0;
};

} // namespace corvelle
