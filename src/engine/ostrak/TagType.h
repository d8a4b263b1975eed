#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

namespace ostrak {

class ValueConverter;

// The value type of a tag. The case order is fixed: callers tell the integer types by their index
// (9 to 14 and 16 to 19), and the cache stores the index.
class TagType {
public:
    enum Case : quint8 {
        String,       // 0 "string"
        LongString,   // 1 "longstring": descriptions, comments, lyrics
        PartialDate,  // 2 "partialdate": a date without time (a UTC date stamp)
        DigitsDate,   // 3 "digitsdate": an IPTC date
        Date,         // 4 "date": any precision from a year to date, time, fraction and zone
        DateTime,     // 5 "datetime": date and time without zone (EXIF)
        DateTimeZ,    // 6 "datetimez": date and time that carries its zone
        PartialTime,  // 7 "partialtime": a time without date (a UTC time stamp)
        DigitsTime,   // 8 "digitstime": an IPTC time with its zone
        Int8u,        // 9
        Int8s,        // 10
        Int16u,       // 11
        Int16s,       // 12
        Int32u,       // 13
        Int32s,       // 14
        Real,         // 15 "real": rationals and floating point
        Int64u,       // 16
        Int64s,       // 17
        Integer,      // 18 "integer": XMP integers, unbounded
        Digits,       // 19 "digits": IPTC numbers written as digits
        Speed,        // 20
        Country,      // 21
        Boolean,      // 22
        Base64Image,  // 23 "base64image": cover art, thumbnails, previews
        Binary,       // 24 binary data shown by its size, never edited as text
        Struct,       // 25 an XMP structure
    };

    constexpr TagType(Case value = String)
        : value_(value)
    {
    }

    constexpr Case value() const { return value_; }
    QString rawValue() const;
    static std::optional<TagType> fromRawValue(const QString& raw);
    static QList<TagType> allCases();

    bool isShortString() const;
    bool isNumber() const;
    bool isInteger() const;
    bool isDateTimeOrPartial() const;
    bool hasDateComponents() const;
    bool hasTimeComponents() const;

    // Bounds of the number types; none where the type has no bound.
    std::optional<double> minimumNumberValue() const;
    std::optional<double> maximumNumberValue() const;

    // The types whose converters read and write a date with time, a date alone and a time alone.
    static TagType dateAndTimeType() { return DateTimeZ; }
    static TagType dateOnlyType() { return PartialDate; }
    static TagType timeOnlyType() { return PartialTime; }

    ValueConverter converter() const;

    friend constexpr bool operator==(TagType a, TagType b) { return a.value_ == b.value_; }
    friend constexpr bool operator!=(TagType a, TagType b) { return a.value_ != b.value_; }

private:
    Case value_;
};

} // namespace ostrak

Q_DECLARE_METATYPE(ostrak::TagType)
