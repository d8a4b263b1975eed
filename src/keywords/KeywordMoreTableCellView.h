#pragma once

#include "editor/FileMoreTableCellView.h"
#include "engine/halvex/libraries/KeywordItem.h"

namespace corvelle {

// The action cell of the keyword outline: its button opens the outline's contextual menu for
// the button's row, whose commands then act on that row's keyword rather than on the current
// one. The button is enabled on rows that hold a keyword.
class KeywordMoreTableCellView : public FileMoreTableCellView {
    Q_OBJECT

public:
    using FileMoreTableCellView::FileMoreTableCellView;

    static FileTableCellType cellType();

    bool isButtonEnabled(const QModelIndex& index) const override;
};

} // namespace corvelle
