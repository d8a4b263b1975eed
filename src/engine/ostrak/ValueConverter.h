#pragma once

#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/TagType.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace ostrak {

// Converts between a tag's stored text (as ExifTool prints it and accepts it) and typed values.
// A conversion that fails gives none (an invalid QVariant or an empty optional), never "".
// Typed values: qlonglong/qulonglong or double for numbers, QDateTime for dates and times, bool,
// QStringList for lists, QByteArray for images and binary data, QString for text.
class ValueConverter {
public:
    explicit ValueConverter(TagType type);
    // Also knows the item's list form and its enumerated values.
    explicit ValueConverter(const TagItem& item);

    TagType type() const { return type_; }

    // The text to store for a typed-in text: a number checked against its type, a date in the
    // tag's own form, a choice as its stored value, a list element by element.
    std::optional<QString> stringValueFromStringValue(const QString& text) const;
    // A value to show or sort by: a number, a date, a list of texts or the text itself.
    QVariant objectValueFromStringValue(const std::optional<QString>& text) const;
    // The value in the type's own terms: also bool for yes/no tags and bytes for images.
    QVariant typedValueFromStringValue(const std::optional<QString>& text) const;
    // Any value (text, number, bool, date, bytes, list) to the text to store.
    std::optional<QString> stringValueFromTypedValue(const QVariant& value) const;

    // A total order over the values above: no value first, then bools, numbers, dates, texts,
    // lists and bytes; numbers by value, dates by moment, texts ignoring case first.
    static bool isLessThanOrEqualTo(const QVariant& first, const QVariant& second);
    static int compare(const QVariant& first, const QVariant& second);

    // What ExifTool prints in place of binary data it was not asked for ("(Binary data 1290 bytes,
    // use -b option to extract)"); written back it would replace the data.
    static bool isBinaryPlaceholder(const QString& text);

private:
    std::optional<QString> elementFromString(const QString& text) const;
    QVariant elementObject(const QString& text, bool typed) const;
    std::optional<QString> elementFromTypedValue(const QVariant& value) const;
    std::optional<QString> booleanText(bool value) const;
    std::optional<bool> booleanValue(const QString& text) const;

    TagType type_;
    bool sequence_ = false;
    TagItem item_;
};

} // namespace ostrak
