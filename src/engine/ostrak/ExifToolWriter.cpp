#include "engine/ostrak/ExifToolWriter.h"

#include "engine/ostrak/ExifToolCommand.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QFile>

namespace ostrak {

ExifToolWriter::ExifToolWriter(ExifToolPool& pool)
    : pool_(pool)
{
}

ExifToolWriter::ExifToolWriter()
    : ExifToolWriter(ExifToolPool::shared())
{
}

ExifToolResult ExifToolWriter::write(const QString& path, const QStringList& arguments,
                                     std::chrono::milliseconds timeout) const
{
    const QString file = ExifToolCommand::absolutePath(path);
    ExifToolRequest request;
    request.arguments = arguments;
    request.files = {file};
    request.timeout = timeout;
    ExifToolResult result = pool_.execute(std::move(request));

    // ExifTool writes into FILE_exiftool_tmp and renames it over the file. Killed half way it
    // leaves that file behind, and every later write of the file would then fail on it.
    if (result.state == ExifToolResult::State::TimedOut || result.state == ExifToolResult::State::Crashed
        || result.state == ExifToolResult::State::Cancelled)
        QFile::remove(file + QStringLiteral("_exiftool_tmp"));
    return result;
}

} // namespace ostrak
