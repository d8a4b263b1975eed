#pragma once

#include <QString>
#include <QWidget>

namespace corvelle {

// How a file table shows one column: its identifier, header and widths. A fixed column has
// the same minimum and maximum width.
struct FileTableColumn {
    QString identifier;
    QString title;
    // -1: the table's default width.
    int width = -1;
    int minimumWidth = 0;
    int maximumWidth = QWIDGETSIZE_MAX;

    bool isFixed() const { return width >= 0 && minimumWidth == width && maximumWidth == width; }

    static FileTableColumn fixed(const QString& identifier, int width, const QString& title = {})
    {
        return {identifier, title, width, width, width};
    }
};

} // namespace corvelle
