#pragma once

#include "engine/halvex/tasks/AbstractTask.h"

#include <QList>
#include <QUrl>

namespace halvex {

// Sends files into the photo library: each is copied into the library's folder, under its own
// name or, when that is taken, "name 2.ext", "name 3.ext" ... An existing file is never replaced;
// a file that cannot be copied is reported and the others go on. The files themselves stay.
class FileExportToPhotosTask : public AbstractTask {
public:
    struct Settings {
        QList<QUrl> urls;
        // The library's folder.
        QString libraryFolder;
    };

    explicit FileExportToPhotosTask(Settings settings);

    const Settings& settings() const { return settings_; }
    // The copies made, in the order of the files.
    const QStringList& copies() const { return copies_; }

    // The first name under which `fileName` is free in `folder`.
    static QString freeName(const QString& folder, const QString& fileName);

protected:
    void run() override;

private:
    const Settings settings_;
    QStringList copies_;
};

} // namespace halvex
