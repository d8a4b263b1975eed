#include "engine/halvex/places/LocationTagNames.h"

namespace halvex {

namespace {

QList<ostrak::TagName> names(const char* group, std::initializer_list<const char*> tags)
{
    QList<ostrak::TagName> list;
    for (const char* tag : tags)
        list.append(ostrak::TagName(QString::fromLatin1(group), QString::fromLatin1(tag)));
    return list;
}

} // namespace

const QList<ostrak::TagName>& LocationTagNames::locationTagNames()
{
    static const QList<ostrak::TagName> list = exifLocationTagNames() + exifGPSDateStampTagNames()
        + iptcLocationTagNames() + xmpLocationTagNames() + quicktimeLocationTagNames();
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::exifLocationTagNames()
{
    static const QList<ostrak::TagName> list
        = names("GPS", {"GPSLatitude", "GPSLatitudeRef", "GPSLongitude", "GPSLongitudeRef", "GPSAltitude",
                        "GPSAltitudeRef", "GPSImgDirection", "GPSImgDirectionRef"});
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::exifGPSDateStampTagNames()
{
    static const QList<ostrak::TagName> list = names("GPS", {"GPSDateStamp", "GPSTimeStamp"});
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::iptcLocationTagNames()
{
    static const QList<ostrak::TagName> list
        = names("IPTC", {"Sub-location", "City", "Province-State", "Country-PrimaryLocationName",
                         "Country-PrimaryLocationCode"});
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::xmpGPSTagNames()
{
    static const QList<ostrak::TagName> list
        = names("XMP-exif", {"GPSLatitude", "GPSLongitude", "GPSAltitude", "GPSAltitudeRef", "GPSImgDirection",
                             "GPSImgDirectionRef", "GPSDateTime"});
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::xmpLocationTagNames()
{
    static const QList<ostrak::TagName> list
        = xmpGPSTagNames() + names("XMP-iptcCore", {"Location"}) + names("XMP-photoshop", {"City", "State", "Country"})
        + names("XMP-iptcCore", {"CountryCode"});
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::quicktimeLocationTagNames()
{
    static const QList<ostrak::TagName> list = {
        ostrak::TagName(QStringLiteral("Keys"), QStringLiteral("GPSCoordinates")),
        ostrak::TagName(QStringLiteral("UserData"), QStringLiteral("GPSCoordinates")),
        ostrak::TagName(QStringLiteral("ItemList"), QStringLiteral("GPSCoordinates")),
    };
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::gpsTagNames()
{
    static const QList<ostrak::TagName> list = exifLocationTagNames() + exifGPSDateStampTagNames()
        + xmpGPSTagNames() + quicktimeLocationTagNames();
    return list;
}

} // namespace halvex
