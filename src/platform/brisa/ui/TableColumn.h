#pragma once

#include <QString>

namespace brisa {

// A column to put in a table: its identifier (kept in the header under
// TableColumns::identifierRole), its title, and a width in pixels (0: the header's default).
class TableColumn {
public:
    QString identifier;
    QString title;
    int width = 0;
};

} // namespace brisa
