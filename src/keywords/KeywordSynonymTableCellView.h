#pragma once

#include "editor/FileTextTableCellView.h"

namespace corvelle {

// A cell of the synonym list of the keyword item sheet: the synonym, edited in place. An
// edited synonym may become empty; the sheet keeps it as typed.
class KeywordSynonymTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    using FileTextTableCellView::FileTextTableCellView;

    static FileTableCellType cellType();
};

} // namespace corvelle
