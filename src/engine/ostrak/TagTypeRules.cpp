#include "engine/ostrak/TagTypeRules.h"

namespace ostrak {

namespace {

bool isTextStorage(QStringView type)
{
    return type == u"string" || type == u"?" || type == u"lang-alt" || type == u"Unicode"
        || type == u"utf8" || type == u"undef";
}

} // namespace

TagType TagTypeRules::typeOf(const Facts& f)
{
    if (f.family2 == u"Preview" || f.name == u"CoverArt" || f.name == u"Artwork")
        return TagType::Base64Image;
    if (f.name == u"GPSSpeed")
        return TagType::Speed;
    if (f.name.endsWith(u"CountryCode") || f.name == u"Country-PrimaryLocationCode")
        return TagType::Country;
    if (const auto date = dateType(f))
        return *date;
    if (f.storageType == u"boolean" || (f.choices && isYesNoChoice(*f.choices)))
        return TagType::Boolean;
    if (f.storageType == u"struct")
        return TagType::Struct;
    if (f.flags.testFlag(TagItem::BinaryData) || f.storageType == u"binary")
        return TagType::Binary;
    // Several numbers in one value ("8 8 8", "48 deg 51' 30\" N") are edited as text, and so are
    // EXIF byte arrays, which ExifTool prints as text (XPTitle, TimeCodes).
    const bool byteArray = f.family0 == u"EXIF" && f.storageType == u"int8u" && f.count == 0
        && (!f.choices || f.choices->isEmpty());
    if (const auto number = numberType(f.storageType); number && f.count <= 1 && !byteArray)
        return *number;
    if (isTextStorage(f.storageType) && isLongText(f.name))
        return TagType::LongString;
    return TagType::String;
}

std::optional<TagType> TagTypeRules::dateType(const Facts& f)
{
    // GPS stamps hold the UTC date and the UTC time apart.
    if (f.name == u"GPSDateStamp")
        return TagType::PartialDate;
    if (f.name == u"GPSTimeStamp")
        return TagType::PartialTime;
    if (f.family0 == u"IPTC") {
        if (f.storageType == u"digits" && f.name.contains(u"Date"))
            return TagType::DigitsDate;
        if (f.family2 == u"Time" && f.storageType == u"string" && f.count == 11)
            return TagType::DigitsTime;
        return std::nullopt;
    }
    if (f.storageType == u"date")
        return TagType::Date;
    if (f.family2 != u"Time" || !f.name.contains(u"Date"))
        return std::nullopt;
    if (f.family0 == u"EXIF")
        return TagType::DateTime;
    if (f.family0 == u"File" || f.family0 == u"Composite")
        return TagType::DateTimeZ;
    if (f.family0 == u"QuickTime") {
        // Atom dates are numbers or Apple date texts with a zone; iTunes-style date atoms hold free text.
        return f.storageType == u"string" ? TagType::Date : TagType::DateTimeZ;
    }
    return TagType::Date;
}

std::optional<TagType> TagTypeRules::numberType(QStringView type)
{
    if (type == u"int8u")
        return TagType::Int8u;
    if (type == u"int8s")
        return TagType::Int8s;
    if (type == u"int16u" || type == u"int16uRev")
        return TagType::Int16u;
    if (type == u"int16s")
        return TagType::Int16s;
    if (type == u"int32u" || type == u"int32uRev")
        return TagType::Int32u;
    if (type == u"int32s")
        return TagType::Int32s;
    if (type == u"int64u" || type == u"unsigned")
        return TagType::Int64u;
    if (type == u"int64s" || type == u"signed")
        return TagType::Int64s;
    if (type == u"integer")
        return TagType::Integer;
    if (type == u"digits")
        return TagType::Digits;
    if (type == u"real" || type == u"float" || type == u"double" || type == u"extended"
        || type.startsWith(u"rational") || type.startsWith(u"fixed"))
        return TagType::Real;
    return std::nullopt;
}

bool TagTypeRules::isYesNoChoice(const TagItem::Choices& choices)
{
    if (choices.size() != 2)
        return false;
    const auto is = [&](QStringView no, QStringView yes) {
        return choices[0].second.compare(no, Qt::CaseInsensitive) == 0
            && choices[1].second.compare(yes, Qt::CaseInsensitive) == 0;
    };
    return is(u"No", u"Yes") || is(u"Off", u"On") || is(u"False", u"True");
}

bool TagTypeRules::isLongText(QStringView name)
{
    return name.contains(u"Description") || name.contains(u"Comment") || name == u"Caption-Abstract"
        || name == u"Lyrics" || name == u"Notes" || name == u"Synopsis" || name == u"Abstract"
        || name == u"Information" || name == u"SpecialInstructions";
}

} // namespace ostrak
