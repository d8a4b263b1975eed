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

MetadataFileListSort::Key::Key(const QVariant& value) : value_(value)
{
    if (value.typeId() != QMetaType::QString || value.isNull())
        return;
    const QString& text = *static_cast<const QString*>(value.constData());
    // Folded unit by unit as a case-insensitive QString::compare() folds: a low surrogate
    // becomes that of its folded character, a high one stays.
    char16_t* folded = folded_;
    if (text.size() > foldedCapacity) {
        longFolded_.resize(text.size());
        folded = reinterpret_cast<char16_t*>(longFolded_.data());
        foldedLength_ = -2;
    } else {
        foldedLength_ = qint8(text.size());
    }
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    char16_t last = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = units[i];
        if (QChar::isLowSurrogate(unit) && QChar::isHighSurrogate(last))
            folded[i] = QChar::lowSurrogate(QChar::toCaseFolded(QChar::surrogateToUcs4(last, unit)));
        else
            folded[i] = char16_t(QChar::toCaseFolded(char32_t(unit)));
        last = unit;
    }
}

QStringView MetadataFileListSort::Key::folded() const
{
    if (foldedLength_ == -2)
        return longFolded_;
    return QStringView(folded_, foldedLength_);
}

bool MetadataFileListSort::Key::copyPrefix(char16_t (&prefix)[prefixLength]) const
{
    std::fill_n(prefix, prefixLength, char16_t(0));
    if (foldedLength_ == -1)
        return false;
    const QStringView text = folded();
    std::copy_n(text.utf16(), std::min<qsizetype>(text.size(), prefixLength), prefix);
    return true;
}

std::optional<int> MetadataFileListSort::Key::compareTexts(const Key& first, const Key& second)
{
    if (first.foldedLength_ == -1 || second.foldedLength_ == -1)
        return std::nullopt;
    const QStringView a = first.folded();
    const QStringView b = second.folded();
    const qsizetype common = std::min(a.size(), b.size());
    const char16_t* x = a.utf16();
    const char16_t* y = b.utf16();
    for (qsizetype i = 0; i < common; ++i) {
        if (x[i] != y[i])
            return x[i] < y[i] ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    // Equal but for case: rare, so the texts themselves are compared.
    return QString::compare(*static_cast<const QString*>(first.value_.constData()),
                            *static_cast<const QString*>(second.value_.constData()), Qt::CaseSensitive);
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
    if (const std::optional<int> texts = Key::compareTexts(firstKey, secondKey))
        return order == SortOrder::ascending ? *texts < 0 : *texts > 0;
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
