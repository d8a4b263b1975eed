#pragma once

#include "engine/ostrak/ExifToolMessage.h"
#include "engine/ostrak/TagRecordSet.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace ostrak {

class ExifToolPool;

// Reads the tags of files through the ExifTool pool: every tag with its family-1 group and
// copy number, printed and numeric value and description (duplicates kept, QuickTime dates
// as UTC, XMP structures whole). Binary values are left out and fetched on demand.
//
// Safe to use from any thread.
class ETTagStorageReader {
public:
    explicit ETTagStorageReader(ExifToolPool& pool);
    ETTagStorageReader();

    // The options of a read.
    static QStringList readArguments();

    // One set per path, in the order given. Files are read in chunks spread over the pool's
    // processes. A file that cannot be read gets an error naming it and the reason; the others
    // are read all the same.
    QList<TagRecordSet> read(const QStringList& paths) const;
    // The same in one request to one process, for a caller that spreads its own batches over
    // the pool (a request per file costs ExifTool more than a file more in a request).
    QList<TagRecordSet> readTogether(const QStringList& paths) const;

    // The bytes of one binary tag ("PreviewImage", "ThumbnailImage", "CoverArt", or with a
    // group: "IFD1:ThumbnailImage"). Empty when the file has no such tag; `error` is set when
    // the file could not be read.
    QByteArray readBinary(const QString& path, const QString& tagName, ExifToolMessage* error = nullptr) const;

private:
    // One set per path of `paths`; `files` are the paths made absolute, each once.
    QList<TagRecordSet> readInChunks(const QStringList& paths, const QStringList& files, qsizetype chunkSize) const;
    // Each path once, made absolute, in the order first given.
    static QStringList distinctFiles(const QStringList& paths);
    QList<TagRecordSet> readChunks(const QList<QStringList>& chunks) const;

    ExifToolPool& pool_;
};

} // namespace ostrak
