#include "filemodel/MetadataFileListSort.h"

#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/ValueConverter.h"
#include "platform/brisa/core/KeyedJson.h"
#include "widgets/TextLocalizer.h"

#include <algorithm>

namespace corvelle {

namespace {

MetadataFileListSort::Key keyOf(const ostrak::ValueConverter& converter, const ostrak::TagName& tagName,
                                const MetadataFile& file)
{
    return MetadataFileListSort::Key(converter.objectValueFromStringValue(file.editor()->currentValue(tagName)));
}

} // namespace

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

MetadataFileListSort::Key::Key(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString) {
        const QString& text = *static_cast<const QString*>(value.constData());
        if (text.size() <= textCapacity) {
            textLength_ = qint8(text.size());
            std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), text.size(), text_);
        } else {
            // A copy made now lies next to the other keys' rather than in its editor.
            value_ = QString(text.constData(), text.size());
        }
        return;
    }
    value_ = value;
}

QVariant MetadataFileListSort::Key::value() const
{
    if (textLength_ < 0)
        return value_;
    return QString::fromRawData(reinterpret_cast<const QChar*>(text_), textLength_);
}

std::optional<QList<MetadataFileListSort::Key>> MetadataFileListSort::sortKeys(const QList<MetadataFilePointer>& files) const
{
    const std::optional<ostrak::TagItem> item = tagName.item();
    if (!item)
        return std::nullopt;
    const ostrak::ValueConverter converter = item->converter();
    QList<Key> keys;
    keys.reserve(files.size());
    for (const MetadataFilePointer& file : files)
        keys.append(keyOf(converter, tagName, *file));
    return keys;
}

bool MetadataFileListSort::comesBefore(const Key& firstKey, const Key& secondKey) const
{
    const QVariant first = firstKey.value();
    const QVariant second = secondKey.value();
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
    const std::optional<ostrak::TagItem> item = tagName.item();
    if (!item)
        return false;
    const ostrak::ValueConverter converter = item->converter();
    return comesBefore(keyOf(converter, tagName, first), keyOf(converter, tagName, second));
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
