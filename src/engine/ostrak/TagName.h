#pragma once

#include "platform/brisa/core/JsonCoding.h"

#include <QJsonValue>
#include <QMetaType>
#include <QString>

#include <optional>

namespace ostrak {

class TagItem;

// A tag as ExifTool names it: its family-1 group ("Keys", "IFD0", "XMP-dc", ...) and its tag name.
class TagName {
public:
    TagName() = default;
    TagName(QString group, QString name);

    const QString& group() const { return group_; }
    const QString& name() const { return name_; }
    bool isEmpty() const { return group_.isEmpty() && name_.isEmpty(); }

    // "Group:Name"; a name without group is the name alone.
    QString rawValue() const;
    // Splits at the last colon, since groups may be compound ("Track1:Copy1") but tag names never hold one.
    static TagName fromRawValue(const QString& raw);

    // Keyed form: {"group": ..., "name": ...}. None when the value is not such an object; the
    // brisa::JsonCoding below reports why.
    QJsonValue toJson() const;
    static std::optional<TagName> fromJson(const QJsonValue& value);

    // The item of the shared tag database, or none when the database does not list this tag.
    std::optional<TagItem> item() const;

    friend bool operator==(const TagName& a, const TagName& b)
    {
        return a.group_ == b.group_ && a.name_ == b.name_;
    }
    friend bool operator!=(const TagName& a, const TagName& b) { return !(a == b); }
    friend bool operator<(const TagName& a, const TagName& b)
    {
        const int byGroup = QString::compare(a.group_, b.group_, Qt::CaseSensitive);
        return byGroup != 0 ? byGroup < 0 : QString::compare(a.name_, b.name_, Qt::CaseSensitive) < 0;
    }
    friend bool operator>(const TagName& a, const TagName& b) { return b < a; }
    friend bool operator<=(const TagName& a, const TagName& b) { return !(b < a); }
    friend bool operator>=(const TagName& a, const TagName& b) { return !(a < b); }

private:
    QString group_;
    QString name_;
};

size_t qHash(const TagName& tagName, size_t seed = 0) noexcept;

} // namespace ostrak

template<>
struct brisa::JsonCoding<ostrak::TagName> {
    static QJsonValue encode(const ostrak::TagName& value) { return value.toJson(); }
    static ostrak::TagName decode(const QJsonValue& json, const QStringList& codingPath);
};

Q_DECLARE_METATYPE(ostrak::TagName)
