#pragma once

#include <QList>
#include <QUrl>

class QMimeData;

namespace corvelle {

// The files a drag carries.
class FileUrlDragData {
public:
    // The local file URLs of the drag data, in its order; other URLs are left out.
    static QList<QUrl> localFileUrls(const QMimeData* data);
};

} // namespace corvelle
