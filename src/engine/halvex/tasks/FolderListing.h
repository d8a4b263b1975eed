#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace halvex {

class ETTagEditor;

// The files of a folder, and of its subfolders when asked, as a folder is opened or saved:
// hidden files and folders are passed over, links to files count as files, links to folders
// are not followed.
//
// Linux names are bytes, and Qt carries only those that are UTF-8: each other name is kept
// apart, with the folder that holds it, so that it is reported rather than lost or opened under
// a name that is not its own.
class FolderListing {
public:
    struct UnreadableName {
        QString folder;
        QByteArray name;

        // The bytes as text: UTF-8 where they are, "\xNN" for each byte that is not.
        QString escapedName() const;
        // The path as Qt gives it, each byte that is not UTF-8 made U+FFFD: not the file's.
        QString lossyPath() const;
    };

    static FolderListing list(const QString& folder, bool subfolders);
    // The files a folder editor writes to, in path order: its subfolders when it recurses, the
    // types the engine opens, the paths its filter lets through. Hidden files and the backup
    // folder are left alone: a backup must never be rewritten.
    static FolderListing ofFolderEditor(const ETTagEditor& folder, const QString& backupFolder);

    // Absolute paths, sorted.
    const QStringList& files() const { return files_; }
    const QList<UnreadableName>& unreadableNames() const { return unreadableNames_; }

    // Drops the files `drop` answers true for.
    template <typename Predicate>
    void removeFiles(Predicate drop) { files_.removeIf(drop); }

    // True when `name` survives the trip through QString unchanged.
    static bool isCarried(const QByteArray& name);

private:
    void walk(const QString& folder, bool subfolders);

    QStringList files_;
    QList<UnreadableName> unreadableNames_;
};

} // namespace halvex
