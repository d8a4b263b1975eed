#pragma once

#include "tags/TagNamePickerNameTableCellView.h"

namespace corvelle {

// A row of the preset pages' tag lists: the check mark of the chosen tag (an empty circle on the
// other rows), then the tag's title over its full name.
class PresetSelectTagNameTableCellView : public TagNamePickerNameTableCellView {
    Q_OBJECT

public:
    using TagNamePickerNameTableCellView::TagNamePickerNameTableCellView;
};

} // namespace corvelle
