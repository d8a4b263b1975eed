#pragma once

#include "editor/FileMoreTableCellView.h"

namespace corvelle {

// The more cell of the preset outline: its ellipsis button opens the outline's row menu (create a
// preset, duplicate, delete) for its row.
class PresetMoreTableCellView : public FileMoreTableCellView {
    Q_OBJECT

public:
    using FileMoreTableCellView::FileMoreTableCellView;
};

} // namespace corvelle
