#include "engine/ostrak/TagStream.h"

#include <QHashFunctions>

namespace ostrak {

TagStream::TagStream(QString name)
    : name_(std::move(name))
{
}

TagStream TagStream::streamEXIF()
{
    return TagStream(QStringLiteral("EXIF"));
}

TagStream TagStream::streamIPTC()
{
    return TagStream(QStringLiteral("IPTC"));
}

TagStream TagStream::streamXMP()
{
    return TagStream(QStringLiteral("XMP"));
}

TagStream TagStream::streamQuickTime()
{
    return TagStream(QStringLiteral("QuickTime"));
}

const QList<TagStream>& TagStream::allCases()
{
    // The four families, then the blocks inside them that are worth clearing or copying alone.
    static const QList<TagStream> cases = {
        streamEXIF(),
        streamIPTC(),
        streamXMP(),
        streamQuickTime(),
        TagStream(QStringLiteral("GPS")),
        TagStream(QStringLiteral("MakerNotes")),
        TagStream(QStringLiteral("Keys")),
        TagStream(QStringLiteral("ItemList")),
        TagStream(QStringLiteral("UserData")),
    };
    return cases;
}

std::optional<TagStream> TagStream::fromJson(const QJsonValue& value)
{
    try {
        return brisa::JsonCoding<TagStream>::decode(value, {});
    } catch (const brisa::DecodingError&) {
        return std::nullopt;
    }
}

size_t qHash(const TagStream& stream, size_t seed) noexcept
{
    return qHash(stream.name(), seed);
}

} // namespace ostrak

ostrak::TagStream brisa::JsonCoding<ostrak::TagStream>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const QString name = JsonCoding<QString>::decode(json, codingPath);
    if (name.isEmpty())
        throw DecodingError(DecodingError::Kind::DataCorrupted, codingPath, QStringLiteral("A tag stream needs a name."));
    return ostrak::TagStream(name);
}
