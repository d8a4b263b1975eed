#pragma once

#include "filemodel/KeyedEnumCoding.h"
#include "filemodel/MetadataFile.h"
#include "engine/ostrak/TagName.h"
#include "platform/brisa/core/EnumStrings.h"
#include "platform/brisa/core/JsonCoding.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace corvelle {

// How the open files are ordered: by the value of one tag, ascending or descending. Stored as
// the last sort used ("LastFileSort").
class MetadataFileListSort {
public:
    enum class SortOrder { ascending, descending };

    // The localised title of an order, as the sort sheet lists it.
    static QString title(SortOrder order);

    // The file name, ascending.
    MetadataFileListSort();
    MetadataFileListSort(ostrak::TagName tagName, SortOrder order);

    ostrak::TagName tagName;
    SortOrder order = SortOrder::ascending;

    // Whether `first` comes before `second`: files whose value does not convert (or that have
    // none) come first in both orders, the others follow by value. A strict ordering; false for
    // every pair when the tag database has no item for the tag.
    bool compareTagValues(const MetadataFile& first, const MetadataFile& second) const;

    // The value each file is ordered by, read and converted once per file: an invalid QVariant
    // for no value. None when the database has no item for the tag: then nothing is ordered.
    std::optional<std::function<QVariant(const MetadataFile&)>> sortKey() const;
    // compareTagValues() on values that sortKey() gave.
    bool comesBefore(const QVariant& first, const QVariant& second) const;

    friend bool operator==(const MetadataFileListSort&, const MetadataFileListSort&) = default;
};

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::MetadataFileListSort::SortOrder> {
    static const QList<std::pair<corvelle::MetadataFileListSort::SortOrder, QString>>& table();
};

template<>
struct brisa::JsonCoding<corvelle::MetadataFileListSort::SortOrder>
    : corvelle::KeyedEnumCoding<corvelle::MetadataFileListSort::SortOrder> {};

// {"tagName": {"group": ..., "name": ...}, "order": {"ascending": {}}}
template<>
struct brisa::JsonCoding<corvelle::MetadataFileListSort> {
    static QJsonValue encode(const corvelle::MetadataFileListSort& value);
    static corvelle::MetadataFileListSort decode(const QJsonValue& json, const QStringList& codingPath);
};
