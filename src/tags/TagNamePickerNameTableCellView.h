#pragma once

#include "editor/FileTextTableCellView.h"

namespace corvelle {

// The row of a picker list, 42 high: in a single-choice list the check mark (a filled check
// when the row's element is the one picked, an empty circle otherwise) first; then the
// element's title, over its detail (a tag's full name) in small, dimmed letters when it has one.
class TagNamePickerNameTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    explicit TagNamePickerNameTableCellView(QObject* parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace corvelle
