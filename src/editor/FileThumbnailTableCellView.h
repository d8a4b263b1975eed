#pragma once

#include "editor/FileItemTableCellView.h"
#include "filemodel/ThumbnailQueue.h"

#include <optional>

class QLabel;

namespace corvelle {

// The file's thumbnail, made on the shared thumbnail queue and turned by the editor's current
// orientation. A file shown again keeps its picture; a picture that arrives for a file the cell no
// longer shows is dropped.
class FileThumbnailTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    explicit FileThumbnailTableCellView(QWidget* parent = nullptr);
    ~FileThumbnailTableCellView() override;

    static FileTableCellType cellType();

    QLabel* thumbnailView() const { return thumbnailView_; }
    bool hasThumbnail() const;

    void updateContent() override;

private:
    QLabel* thumbnailView_;
    MetadataFilePointer currentFile_;
    std::optional<ThumbnailQueue::Ticket> ticket_;
};

} // namespace corvelle
