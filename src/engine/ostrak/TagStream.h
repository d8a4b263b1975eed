#pragma once

#include "platform/brisa/core/JsonCoding.h"

#include <QJsonValue>
#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

namespace ostrak {

// A tag family that is read, cleared or copied as a whole: an ExifTool group name, family 0
// ("EXIF", "XMP", "QuickTime") or a finer family-1 block ("GPS", "Keys"). Usable as "-<name>:all".
class TagStream {
public:
    TagStream() = default;
    explicit TagStream(QString name);

    const QString& name() const { return name_; }
    const QString& rawValue() const { return name_; }

    static TagStream streamEXIF();
    static TagStream streamIPTC();
    static TagStream streamXMP();
    static TagStream streamQuickTime();
    static const QList<TagStream>& allCases();

    // Coded as its name, a JSON string; none for anything else or an empty name.
    QJsonValue toJson() const { return name_; }
    static std::optional<TagStream> fromJson(const QJsonValue& value);

    friend bool operator==(const TagStream& a, const TagStream& b) { return a.name_ == b.name_; }
    friend bool operator!=(const TagStream& a, const TagStream& b) { return a.name_ != b.name_; }

private:
    QString name_;
};

size_t qHash(const TagStream& stream, size_t seed = 0) noexcept;

} // namespace ostrak

template<>
struct brisa::JsonCoding<ostrak::TagStream> {
    static QJsonValue encode(const ostrak::TagStream& value) { return value.toJson(); }
    static ostrak::TagStream decode(const QJsonValue& json, const QStringList& codingPath);
};

Q_DECLARE_METATYPE(ostrak::TagStream)
