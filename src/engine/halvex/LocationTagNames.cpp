#include "engine/halvex/LocationTagNames.h"

namespace halvex {

namespace {

QList<ostrak::TagName> names(const QString& group, const QStringList& tags)
{
    QList<ostrak::TagName> list;
    for (const QString& tag : tags)
        list.append(ostrak::TagName(group, tag));
    return list;
}

const QStringList gpsTags = {
    QStringLiteral("GPSLatitude"),  QStringLiteral("GPSLatitudeRef"),  QStringLiteral("GPSLongitude"),
    QStringLiteral("GPSLongitudeRef"), QStringLiteral("GPSAltitude"), QStringLiteral("GPSAltitudeRef"),
    QStringLiteral("GPSImgDirection"), QStringLiteral("GPSImgDirectionRef"),
};

} // namespace

const QList<ostrak::TagName>& LocationTagNames::exif()
{
    static const QList<ostrak::TagName> list = names(QStringLiteral("GPS"), gpsTags);
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::exifGPSDateStamp()
{
    static const QList<ostrak::TagName> list =
        names(QStringLiteral("GPS"), {QStringLiteral("GPSDateStamp"), QStringLiteral("GPSTimeStamp")});
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::iptc()
{
    static const QList<ostrak::TagName> list =
        names(QStringLiteral("IPTC"), {QStringLiteral("City"), QStringLiteral("Province-State"),
                                       QStringLiteral("Country-PrimaryLocationName"),
                                       QStringLiteral("Country-PrimaryLocationCode"), QStringLiteral("Sub-location")});
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::xmp()
{
    static const QList<ostrak::TagName> list =
        names(QStringLiteral("XMP-exif"), gpsTags)
        + names(QStringLiteral("XMP-photoshop"), {QStringLiteral("City"), QStringLiteral("State"), QStringLiteral("Country")})
        + names(QStringLiteral("XMP-iptcCore"), {QStringLiteral("Location"), QStringLiteral("CountryCode")});
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::quicktime()
{
    static const QList<ostrak::TagName> list = {
        ostrak::TagName(QStringLiteral("Keys"), QStringLiteral("GPSCoordinates")),
        ostrak::TagName(QStringLiteral("UserData"), QStringLiteral("GPSCoordinates")),
        ostrak::TagName(QStringLiteral("ItemList"), QStringLiteral("GPSCoordinates")),
    };
    return list;
}

const QList<ostrak::TagName>& LocationTagNames::all()
{
    static const QList<ostrak::TagName> list = exif() + exifGPSDateStamp() + iptc() + xmp() + quicktime();
    return list;
}

} // namespace halvex
