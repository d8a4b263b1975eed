#pragma once

#include "tags/TagNamePickerNameTableCellView.h"

namespace corvelle {

// A row of the operation list of the preset entry sheet: the check mark of the chosen operation
// (an empty circle on the other rows), then the operation's title.
class PresetSelectActionTableCellView : public TagNamePickerNameTableCellView {
    Q_OBJECT

public:
    using TagNamePickerNameTableCellView::TagNamePickerNameTableCellView;
};

} // namespace corvelle
