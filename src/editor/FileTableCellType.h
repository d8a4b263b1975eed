#pragma once

#include "editor/FileTableColumn.h"

#include <QString>

#include <functional>

namespace corvelle {

class FileItemTableCellView;

// One kind of cell of a file table: the identifiers of its column and of its views, the column
// it is shown in and a factory of its views. Each cell class answers its own (cellType()).
struct FileTableCellType {
    QString columnIdentifier;
    QString cellIdentifier;
    std::function<FileTableColumn()> makeTableColumn;
    std::function<FileItemTableCellView*()> makeView;
};

} // namespace corvelle
