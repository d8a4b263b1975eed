#include "filemodel/MetadataFileListSelectionModel.h"

#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListModel.h"

#include <QSet>

#include <algorithm>

namespace corvelle {

MetadataFileListSelectionModel::MetadataFileListSelectionModel(MetadataFileListModel* model, QObject* parent)
    : QItemSelectionModel(model, parent)
    , model_(model)
{
    connect(model_, &MetadataFileListModel::fileListDidChange, this, &MetadataFileListSelectionModel::applyListSelection);
    // A reset (new columns) forgets the selection: show the list's again.
    connect(model_, &QAbstractItemModel::modelReset, this, &MetadataFileListSelectionModel::applyListSelection);
    connect(this, &QItemSelectionModel::selectionChanged, this, &MetadataFileListSelectionModel::viewSelectionDidChange);
    applyListSelection();
}

QList<int> MetadataFileListSelectionModel::selectedRowNumbers() const
{
    QList<int> rows;
    for (const QItemSelectionRange& range : selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void MetadataFileListSelectionModel::applyListSelection()
{
    const MetadataFileList* list = model_->fileList();
    const int lastColumn = model_->columnCount() - 1;
    if (lastColumn < 0)
        return;
    // One range per run of rows: selecting thousands of files stays one short list.
    QItemSelection selection;
    const QList<int>& rows = list->selection().toList();
    for (qsizetype start = 0; start < rows.size();) {
        qsizetype end = start;
        while (end + 1 < rows.size() && rows[end + 1] == rows[end] + 1)
            ++end;
        if (rows[end] < model_->rowCount())
            selection.append(QItemSelectionRange(model_->index(rows[start], 0), model_->index(rows[end], lastColumn)));
        start = end + 1;
    }
    if (selection == this->selection())
        return;
    applyingListSelection_ = true;
    select(selection, QItemSelectionModel::ClearAndSelect);
    if (!list->selection().isEmpty() && list->selection().last() < model_->rowCount()
        && !isSelected(currentIndex()))
        setCurrentIndex(model_->index(list->selection().last(), 0), QItemSelectionModel::NoUpdate);
    applyingListSelection_ = false;
}

void MetadataFileListSelectionModel::viewSelectionDidChange()
{
    if (applyingListSelection_ || model_->isApplyingEdition())
        return;
    // The list posts only a selection that differs from its own, which ends the echo.
    model_->fileList()->setSelection(brisa::IndexSet(selectedRowNumbers()));
}

} // namespace corvelle
