#include "engine/ostrak/TagName.h"

#include "engine/ostrak/TagDatabase.h"
#include "engine/ostrak/TagItem.h"

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
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue group = object.value(groupKey);
    const QJsonValue name = object.value(nameKey);
    if (!group.isString() || !name.isString())
        return std::nullopt;
    return TagName(group.toString(), name.toString());
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
