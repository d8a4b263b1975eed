#include "engine/halvex/tasks/BinaryArgumentFiles.h"

#include "engine/ostrak/TagDatabase.h"
#include "engine/ostrak/TagName.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace halvex {

BinaryArgumentFiles::BinaryArgumentFiles() = default;
BinaryArgumentFiles::~BinaryArgumentFiles() = default;

QStringList BinaryArgumentFiles::prepare(const QStringList& arguments, const ostrak::TagDatabase& database)
{
    static const QString marker = QStringLiteral("=base64:");
    QStringList prepared;
    prepared.reserve(arguments.size());
    for (const QString& argument : arguments) {
        const qsizetype at = argument.indexOf(marker);
        if (!argument.startsWith(QLatin1Char('-')) || at <= 1 || argument.at(at - 1) == QLatin1Char('#')) {
            prepared << argument;
            continue;
        }
        const QString tag = argument.mid(1, at - 1);
        const ostrak::TagType type = database.itemOrFallback(ostrak::TagName::fromRawValue(tag)).type();
        const auto decoded = QByteArray::fromBase64Encoding(argument.mid(at + marker.size()).toLatin1(),
                                                            QByteArray::AbortOnBase64DecodingErrors);
        if ((type != ostrak::TagType::Base64Image && type != ostrak::TagType::Binary) || !decoded
            || decoded.decoded.isEmpty()) {
            prepared << argument;
            continue;
        }
        auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/corvelle-binary-XXXXXX"));
        if (!file->open() || file->write(decoded.decoded) != decoded.decoded.size() || !file->flush()) {
            prepared << argument;
            continue;
        }
        prepared << QLatin1Char('-') + tag + QStringLiteral("<=") + QFileInfo(file->fileName()).absoluteFilePath();
        files_.push_back(std::move(file));
    }
    return prepared;
}

} // namespace halvex
