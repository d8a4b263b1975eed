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
    if (!value.isString() || value.toString().isEmpty())
        return std::nullopt;
    return TagStream(value.toString());
}

size_t qHash(const TagStream& stream, size_t seed) noexcept
{
    return qHash(stream.name(), seed);
}

} // namespace ostrak
