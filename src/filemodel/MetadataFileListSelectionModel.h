#pragma once

#include <QItemSelectionModel>

namespace corvelle {

class MetadataFileListModel;

// The selection of a MetadataFileListModel's views, kept in step with its file list's selection
// both ways: a selection made in a view becomes the list's, and every change of the list's
// selection (or of its rows) is shown in the views. A change this object makes is not sent back
// where it came from, and the views' own adjustments while rows are inserted, removed or moved
// are not taken for the user's. Whole rows are selected. Main thread only.
class MetadataFileListSelectionModel : public QItemSelectionModel {
    Q_OBJECT

public:
    explicit MetadataFileListSelectionModel(MetadataFileListModel* model, QObject* parent = nullptr);

    MetadataFileListModel* fileListModel() const { return model_; }

    // The selected rows, in order (whole rows or not).
    QList<int> selectedRowNumbers() const;

private:
    void applyListSelection();
    void viewSelectionDidChange();

    MetadataFileListModel* model_;
    bool applyingListSelection_ = false;
};

} // namespace corvelle
