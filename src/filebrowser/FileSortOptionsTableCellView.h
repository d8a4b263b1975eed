#pragma once

#include "editor/FileTextTableCellView.h"
#include "engine/ostrak/TagItem.h"

#include <optional>

namespace corvelle {

// A row of the sort sheet's list of tags, 42 high: the check mark (filled for the tag the files
// are sorted by, an empty circle otherwise), then the tag's group and name.
class FileSortOptionsTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    explicit FileSortOptionsTableCellView(QObject* parent = nullptr);

    static FileTableCellType cellType();

    // The row's tag, when the row holds one.
    static std::optional<ostrak::TagItem> displayedTagItem(const QModelIndex& index);
    // Whether the row's tag is the one sorted by.
    static bool isSelected(const QModelIndex& index);

    // "group name" of the row's tag; empty without one.
    QString text(const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace corvelle
