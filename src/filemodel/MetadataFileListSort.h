#pragma once

#include "filemodel/KeyedEnumCoding.h"
#include "filemodel/MetadataFile.h"
#include "engine/ostrak/TagName.h"
#include "platform/brisa/core/EnumStrings.h"
#include "platform/brisa/core/JsonCoding.h"

#include <QList>
#include <QString>
#include <QVariant>

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

    // The value a file is ordered by, read and converted once. A text also keeps its case-folded
    // form, so that comparing two keys is a plain comparison of code units; a short folded text
    // is kept inside the key, so that comparing the keys of a large list stays within the
    // processor's caches.
    class Key {
    public:
        explicit Key(const QVariant& value = QVariant());
        // Invalid for a file without a value, or whose value does not convert.
        QVariant value() const { return value_; }

        // The first units of the folded text, zero after its end; false when the key holds no
        // text. Two texts whose prefixes differ are ordered by them as by compareTexts().
        static constexpr int prefixLength = 12;
        bool copyPrefix(char16_t (&prefix)[prefixLength]) const;

        // Texts as compareTexts() orders them (ignoring case first, then by case), or none when
        // either key holds no text.
        static std::optional<int> compareTexts(const Key& first, const Key& second);

    private:
        static constexpr int foldedCapacity = 23;

        QStringView folded() const;

        QVariant value_;
        QString longFolded_;
        // -1: no text, -2: folded text in longFolded_.
        qint8 foldedLength_ = -1;
        char16_t folded_[foldedCapacity] = {};
    };

    // The key of each file, in the files' order. None when the tag database has no item for the
    // tag: then nothing is ordered.
    std::optional<QList<Key>> sortKeys(const QList<MetadataFilePointer>& files) const;
    // compareTagValues() on the keys of the two files.
    bool comesBefore(const Key& first, const Key& second) const;

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
