#include "editor/FileUrlDragData.h"

#include <QMimeData>

namespace corvelle {

QList<QUrl> FileUrlDragData::localFileUrls(const QMimeData* data)
{
    QList<QUrl> urls;
    if (data && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile())
                urls << url;
        }
    }
    return urls;
}

} // namespace corvelle
