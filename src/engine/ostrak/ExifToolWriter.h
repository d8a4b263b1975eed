#pragma once

#include "engine/ostrak/ExifToolResult.h"

#include <QString>
#include <QStringList>

#include <chrono>

namespace ostrak {

class ExifToolPool;

// Runs one write command on one file through the ExifTool pool: tag assignments
// ("-GROUP:TAG=VALUE"), deletions ("-GROUP:TAG=") and options, then the file. Values may hold
// any character. The result carries the updated, unchanged and failed counts and ExifTool's
// error output. Backups are the caller's business.
//
// Safe to use from any thread.
class ExifToolWriter {
public:
    explicit ExifToolWriter(ExifToolPool& pool);
    ExifToolWriter();

    ExifToolResult write(const QString& path, const QStringList& arguments,
                         std::chrono::milliseconds timeout = std::chrono::minutes(10)) const;

private:
    ExifToolPool& pool_;
};

} // namespace ostrak
