#include "filemodel/FileIdentity.h"

#include <QDir>
#include <QFileInfo>

namespace corvelle {

QString FileIdentity::key(const QUrl& url)
{
    if (!url.isLocalFile())
        return url.toString();
    const QFileInfo info(url.toLocalFile());
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace corvelle
