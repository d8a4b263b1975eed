#pragma once

#include "editor/FileTextTableCellView.h"

namespace corvelle {

// A row of the photo sheet's album list: the album's symbol (a stack of pages for the user's own
// albums, a stack of photos for the library's), then its name, cut at its end.
class PhotosAlbumTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    static constexpr int rowHeight = 28;

    explicit PhotosAlbumTableCellView(QObject* parent = nullptr);

    static QString symbolName(const QModelIndex& index);
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace corvelle
