#pragma once

#include "editor/FileItemTableCellView.h"

namespace corvelle {

// The file's thumbnail, as the model hands it out (DecorationRole) once the shared thumbnail
// queue has made it, turned by the editor's current orientation; nothing until then.
class FileThumbnailTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    using FileItemTableCellView::FileItemTableCellView;

    static FileTableCellType cellType();

    static constexpr int thumbnailSide = 50;

    static bool hasThumbnail(const QModelIndex& index);

protected:
    void paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace corvelle
