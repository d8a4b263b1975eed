#include "app/UserGuide.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace corvelle {

QUrl UserGuide::writeToCache()
{
    QFile guide(QStringLiteral(":/help/guide.html"));
    if (!guide.open(QIODevice::ReadOnly))
        return {};
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
    if (!QDir().mkpath(folder))
        return {};
    QSaveFile file(folder + QStringLiteral("/guide.html"));
    const QByteArray bytes = guide.readAll();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {};
    return QUrl::fromLocalFile(file.fileName());
}

bool UserGuide::open()
{
    const QUrl url = writeToCache();
    return !url.isEmpty() && QDesktopServices::openUrl(url);
}

} // namespace corvelle
