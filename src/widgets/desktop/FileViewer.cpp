#include "widgets/desktop/FileViewer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>

namespace corvelle {

const QString FileViewer::fileManagerService = QStringLiteral("org.freedesktop.FileManager1");
const QString FileViewer::fileManagerPath = QStringLiteral("/org/freedesktop/FileManager1");

namespace {

// Long enough for a file manager that D-Bus has to start first.
constexpr int showItemsTimeout = 10000;

} // namespace

void FileViewer::activateSelecting(const QList<QUrl>& urls)
{
    if (urls.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        openFolders(urls);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(fileManagerService, fileManagerPath, fileManagerService,
                                                       QStringLiteral("ShowItems"));
    call << QUrl::toStringList(urls) << QString();
    // Asynchronous: a file manager that is slow to start must not stall the interface.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, showItemsTimeout), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [urls](QDBusPendingCallWatcher* finished) {
        if (finished->isError())
            openFolders(urls);
        finished->deleteLater();
    });
}

void FileViewer::openFolders(const QList<QUrl>& urls)
{
    QList<QUrl> folders;
    for (const QUrl& url : urls) {
        const QFileInfo item(url.toLocalFile());
        const QUrl folder = item.isDir() ? url : QUrl::fromLocalFile(item.absolutePath());
        if (!folders.contains(folder))
            folders.append(folder);
    }
    for (const QUrl& folder : folders)
        QDesktopServices::openUrl(folder);
}

} // namespace corvelle
