#include "filemodel/MetadataFileListSort.h"

#include "app/TextLocalizer.h"
#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/ValueConverter.h"
#include "platform/brisa/core/KeyedJson.h"

namespace corvelle {

QString MetadataFileListSort::title(SortOrder order)
{
    switch (order) {
    case SortOrder::ascending:
        return localizedString(QStringLiteral("EditionFileSortAscendingTitle"));
    case SortOrder::descending:
        return localizedString(QStringLiteral("EditionFileSortDescendingTitle"));
    }
    return {};
}

MetadataFileListSort::MetadataFileListSort() : tagName(ostrak::TagItem::itemFileFileName().tagName()) {}

MetadataFileListSort::MetadataFileListSort(ostrak::TagName tagName, SortOrder order)
    : tagName(std::move(tagName)), order(order)
{
}

std::optional<std::function<QVariant(const MetadataFile&)>> MetadataFileListSort::sortKey() const
{
    const std::optional<ostrak::TagItem> item = tagName.item();
    if (!item)
        return std::nullopt;
    return [converter = item->converter(), name = tagName](const MetadataFile& file) {
        return converter.objectValueFromStringValue(file.editor()->currentValue(name));
    };
}

bool MetadataFileListSort::comesBefore(const QVariant& first, const QVariant& second) const
{
    if (!first.isValid())
        return second.isValid();
    if (!second.isValid())
        return false;
    if (order == SortOrder::ascending)
        return !ostrak::ValueConverter::isLessThanOrEqualTo(second, first);
    return !ostrak::ValueConverter::isLessThanOrEqualTo(first, second);
}

bool MetadataFileListSort::compareTagValues(const MetadataFile& first, const MetadataFile& second) const
{
    const auto key = sortKey();
    return key && comesBefore((*key)(first), (*key)(second));
}

} // namespace corvelle

using corvelle::MetadataFileListSort;

const QList<std::pair<MetadataFileListSort::SortOrder, QString>>&
brisa::EnumStrings<MetadataFileListSort::SortOrder>::table()
{
    using O = MetadataFileListSort::SortOrder;
    static const QList<std::pair<O, QString>> entries{
        {O::ascending, QStringLiteral("ascending")},
        {O::descending, QStringLiteral("descending")},
    };
    return entries;
}

QJsonValue brisa::JsonCoding<MetadataFileListSort>::encode(const MetadataFileListSort& value)
{
    QJsonObject object;
    KeyedJson::encode(object, QStringLiteral("tagName"), value.tagName);
    KeyedJson::encode(object, QStringLiteral("order"), value.order);
    return object;
}

MetadataFileListSort brisa::JsonCoding<MetadataFileListSort>::decode(const QJsonValue& json,
                                                                     const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    return MetadataFileListSort(object.decode<ostrak::TagName>(QStringLiteral("tagName")),
                                object.decode<MetadataFileListSort::SortOrder>(QStringLiteral("order")));
}
