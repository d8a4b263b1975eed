#pragma once

#include "editor/EditorCommandFamily.h"

namespace halvex {
struct TagValueTableFilter;
} // namespace halvex

namespace corvelle {

class EditorWindowController;

// The editor window's tag sheets: the tag filter (show only the rows that pass a filter), the
// tag selection (select the rows that pass one) and the displayed tag list. The two filter
// sheets open with the filter used last ("LastTagFilter", "LastTagSelection") and store the
// applied one there.
class EditorTagPanelActions : public EditorCommandFamily {
public:
    explicit EditorTagPanelActions(EditorWindowController& controller);

    // The tags section shows rows of open files.
    bool canShowTagSelectPanel() const;
    // The tags section is on screen with files open.
    bool canShowTagFilterPanel() const;

    void showTagSelectPanel();
    void showTagFilterPanel();
    void showTagManagePanel();

    // The table lists only the rows that pass the filter.
    void applyTagFilter(const halvex::TagValueTableFilter& filter);
    // The rows of the table that pass the filter become its selection.
    void selectTags(const halvex::TagValueTableFilter& filter);

private:
    void showFilterSheet(bool select);

    EditorWindowController& controller_;
};

} // namespace corvelle
