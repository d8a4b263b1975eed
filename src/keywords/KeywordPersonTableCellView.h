#pragma once

#include "editor/FileTextTableCellView.h"
#include "engine/halvex/libraries/KeywordItem.h"

namespace corvelle {

// A cell of the keyword outline: whether the row's keyword names a person, as the localised "Yes"
// or "No" ("Yes" for a row without a keyword).
// The cell reads the keyword from the row (KeywordOutlineModel::ItemRole) at every paint, and
// the outline repaints the row when the keyword's information changes, so the cell follows its
// own keyword and never shows the one a reused row held before.
class KeywordPersonTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    using FileTextTableCellView::FileTextTableCellView;

    static FileTableCellType cellType();

    // The text for `item` (null: no keyword).
    static QString textOf(const halvex::KeywordItem* item);

    QString text(const QModelIndex& index) const override;
};

} // namespace corvelle
