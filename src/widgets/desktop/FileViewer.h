#pragma once

#include <QList>
#include <QUrl>

namespace corvelle {

// The desktop's file manager.
class FileViewer {
public:
    static const QString fileManagerService; // "org.freedesktop.FileManager1"
    static const QString fileManagerPath;    // "/org/freedesktop/FileManager1"

    // Shows the items selected in a file manager window (org.freedesktop.FileManager1.ShowItems
    // on the session bus). Without a file manager that answers, each item's folder is opened
    // with the desktop's default handler instead: the item itself when it is a folder.
    static void activateSelecting(const QList<QUrl>& urls);

private:
    static void openFolders(const QList<QUrl>& urls);
};

} // namespace corvelle
