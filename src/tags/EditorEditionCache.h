#pragma once

#include "engine/halvex/tags/TagValueTable.h"
#include "presets/FlatActionEdition.h"
#include "tags/EditorEditionCacheStep.h"

#include <QString>

#include <optional>

namespace corvelle {

// The edition in progress of the step-by-step editing of tag values (the tag sidebar and the tag
// editing sheet keep one each): the tags and files being edited, the subset that one value editor
// handles, and the quick action chosen. A plain value, used on the main thread.
//
// Its writing operations never touch an editor themselves: each queues one edition task on
// TaskManager::shared() that edits the captured editors as one list when it runs. The task holds
// copies of what it needs, so later changes to the cache do not reach a queued task.
class EditorEditionCache {
public:
    using Step = EditorEditionCacheStep;
    using ValueSet = halvex::TagValueTable::ValueSet;

    // An empty cache: no value set.
    EditorEditionCache() = default;
    // The filtered set is the same set unless its tags need different value editors.
    explicit EditorEditionCache(const std::optional<ValueSet>& valueSet);

    const std::optional<ValueSet>& originalValueSet() const { return originalValueSet_; }
    const std::optional<ValueSet>& filteredValueSet() const { return filteredValueSet_; }
    void setFilteredValueSet(const std::optional<ValueSet>& valueSet) { filteredValueSet_ = valueSet; }
    const FlatActionEdition& flatEdition() const { return flatEdition_; }
    void setFlatEdition(const FlatActionEdition& edition) { flatEdition_ = edition; }

    // The filtered set when present, else the original one; every operation works on it.
    const std::optional<ValueSet>& valueSet() const;

    // The tags of the effective set call for different value editors.
    bool hasMixedEditionTypes() const;
    bool hasSingleEditionType() const { return !hasMixedEditionTypes(); }
    // Every tag of every file holds one common value.
    bool hasSingleValue() const;
    bool isWritable() const;
    bool canCut() const { return hasSingleValue() && isWritable(); }
    // Some tag of the effective set holds a date or a time.
    bool hasDateTimeTags() const;

    // The first page of a new edition.
    Step firstStep() const { return hasMixedEditionTypes() ? Step::tagSelection : Step::tagEdition; }

    // Puts the common value on the tag pasteboard; false (pasteboard untouched) without one.
    bool copyValues() const;
    // Copies, then queues the clearing of the tags; false when there is nothing single to cut or
    // the tags cannot be written.
    bool cutValues() const;
    // Queues writing the pasteboard's text as applyValue() does; false when it holds no text.
    bool pasteValues() const;
    // Queues writing the text through each tag's value converter; a tag whose converter refuses
    // the text is left as it is.
    void applyValue(const std::optional<QString>& text) const;
    // Queues writing the text unchanged into each tag (none deletes them).
    void applyRawValue(const std::optional<QString>& text) const;
    // Each queues its edition when the tags can be written and answers whether it did.
    bool restoreValues() const;
    bool clearValues() const;
    bool forceValues() const;

private:
    std::optional<ValueSet> originalValueSet_;
    std::optional<ValueSet> filteredValueSet_;
    FlatActionEdition flatEdition_;
};

} // namespace corvelle
