#pragma once

#include "platform/brisa/core/IndexSet.h"

#include <QString>

#include <optional>

class QMimeData;

namespace corvelle {

// The rows of a file bar dragged within that bar. They travel under a private type made once per
// launch, so that rows dragged out of another run of the application (or another list) are never
// taken for this list's.
class FileRowDragData {
public:
    // `name` followed by a UUID made for this launch, as a MIME type of the application's own.
    static QString privateType(const QString& name);
    // New drag data holding the rows under `type`; the caller owns it.
    static QMimeData* make(const QString& type, const brisa::IndexSet& rows);
    // The rows the data holds under `type`; none when it holds none or they cannot be read.
    static std::optional<brisa::IndexSet> rows(const QMimeData* data, const QString& type);

    // The same for a list that takes back only its own rows: the data also names the list it
    // left, and rows that left another list (or another run) read as none.
    static QMimeData* make(const QString& type, const brisa::IndexSet& rows, const void* source);
    static std::optional<brisa::IndexSet> rows(const QMimeData* data, const QString& type, const void* source);
};

} // namespace corvelle
