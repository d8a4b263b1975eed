#include "engine/ostrak/TagName.h"

#include "engine/ostrak/TagDatabase.h"
#include "engine/ostrak/TagItem.h"
#include "platform/brisa/core/KeyedJson.h"

#include <QHashFunctions>
#include <QJsonObject>

namespace ostrak {

namespace {
const QString groupKey = QStringLiteral("group");
const QString nameKey = QStringLiteral("name");
} // namespace

TagName::TagName(QString group, QString name)
    : group_(std::move(group))
    , name_(std::move(name))
{
}

QString TagName::rawValue() const
{
    if (group_.isEmpty())
        return name_;
    return group_ + QLatin1Char(':') + name_;
}

TagName TagName::fromRawValue(const QString& raw)
{
    const qsizetype colon = raw.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return TagName(QString(), raw);
    return TagName(raw.left(colon), raw.mid(colon + 1));
}

QJsonValue TagName::toJson() const
{
    return QJsonObject{{groupKey, group_}, {nameKey, name_}};
}

std::optional<TagName> TagName::fromJson(const QJsonValue& value)
{
    try {
        return brisa::JsonCoding<TagName>::decode(value, {});
    } catch (const brisa::DecodingError&) {
        return std::nullopt;
    }
}

std::optional<TagItem> TagName::item() const
{
    return TagDatabase::shared().item(*this);
}

size_t qHash(const TagName& tagName, size_t seed) noexcept
{
    return qHashMulti(seed, tagName.group(), tagName.name());
}

} // namespace ostrak

ostrak::TagName brisa::JsonCoding<ostrak::TagName>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    return ostrak::TagName(object.decode<QString>(ostrak::groupKey), object.decode<QString>(ostrak::nameKey));
}
