#pragma once

#include <QDate>
#include <QMutex>
#include <QSet>
#include <QString>

namespace halvex {

// Keeps a copy of each original before the first time it is rewritten in this run, as
// "<folder>/<yyyy-MM-dd>/<file name>". A backup is never replaced: a second one of the same day
// takes a numbered name ("photo 2.jpg"). Backups are never deleted here, but for a link whose
// rewrite failed (withdraw()).
//
// A caller that replaces the file by renaming a new one over it, and so never changes the old
// file's data, may ask for a link: the backup is then a second name of the original (no data
// copied) where the backup folder lies on the file's file system, and a copy elsewhere.
//
// Safe to use from any thread.
class BackupStore {
public:
    struct Outcome {
        // The copy made; empty when none was needed.
        QString backupPath;
        // Why no copy could be made; empty when all went well.
        QString error;
        // The backup is a second name of the file itself, not a copy.
        bool linked = false;

        bool succeeded() const { return error.isEmpty(); }
    };

    // The store of this run.
    static BackupStore& shared();

    BackupStore() = default;
    BackupStore(const BackupStore&) = delete;
    BackupStore& operator=(const BackupStore&) = delete;

    // Copies the file into `folder` unless this store did already. An empty folder asks for no
    // backups.
    Outcome backUp(const QString& filePath, const QString& folder, QDate day = QDate::currentDate());
    // The same, as a link where it can be: only for a file that will be replaced by a rename.
    Outcome linkOrBackUp(const QString& filePath, const QString& folder, QDate day = QDate::currentDate());

    // Takes back a linked backup of `filePath` after its rewrite failed: the link would follow
    // whatever is later written into the file in place. The next rewrite backs it up again.
    void withdraw(const QString& filePath, const Outcome& outcome);

private:
    Outcome store(const QString& filePath, const QString& folder, QDate day, bool link);

    QMutex mutex_;
    QSet<QString> backedUp_;
};

} // namespace halvex
