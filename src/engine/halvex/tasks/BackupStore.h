#pragma once

#include <QDate>
#include <QMutex>
#include <QSet>
#include <QString>

namespace halvex {

// Keeps a copy of each original before the first time it is rewritten in this run, as
// "<folder>/<yyyy-MM-dd>/<file name>". A backup is never replaced: a second one of the same day
// takes a numbered name ("photo 2.jpg"). Backups are never deleted here.
//
// Safe to use from any thread.
class BackupStore {
public:
    struct Outcome {
        // The copy made; empty when none was needed.
        QString backupPath;
        // Why no copy could be made; empty when all went well.
        QString error;

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

private:
    QMutex mutex_;
    QSet<QString> backedUp_;
};

} // namespace halvex
