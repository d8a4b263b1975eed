#pragma once

#include "editor/FileTextTableCellView.h"

namespace corvelle {

// The row of a single-choice picker: the check mark (a filled check when the row's element is
// the one picked, an empty circle otherwise) before the element's title, in rows 42 high.
class TagNamePickerNameTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    explicit TagNamePickerNameTableCellView(QObject* parent = nullptr);

    static constexpr int rowHeight = 42;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace corvelle
