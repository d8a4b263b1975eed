#pragma once

#include "editor/FileTableColumn.h"

#include <QString>

#include <functional>

class QObject;

namespace corvelle {

class FileItemTableCellView;

// One kind of cell of a file table: the identifiers of its column and of its cells, the column
// it is shown in and a factory of the delegate that draws its cells. Each cell class answers
// its own (cellType()).
struct FileTableCellType {
    QString columnIdentifier;
    QString cellIdentifier;
    std::function<FileTableColumn()> makeTableColumn;
    std::function<FileItemTableCellView*(QObject* parent)> makeDelegate;
};

} // namespace corvelle
