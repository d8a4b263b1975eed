#include "engine/halvex/places/TagEditorLocation.h"

#include "engine/halvex/dates/DateText.h"
#include "engine/halvex/dates/DateTextZone.h"
#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/places/CoordinateParser.h"
#include "engine/halvex/places/CoordinateWriter.h"
#include "engine/halvex/places/Country.h"
#include "engine/halvex/places/LocationTagNames.h"
#include "engine/halvex/tags/MediaType.h"
#include "engine/halvex/tags/StagedValues.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagFamilies.h"
#include "engine/ostrak/ETSettings.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace halvex {

namespace {

using ostrak::TagName;

TagName gps(const char* name)
{
    return TagName(QStringLiteral("GPS"), QString::fromLatin1(name));
}

TagName xmpExif(const char* name)
{
    return TagName(QStringLiteral("XMP-exif"), QString::fromLatin1(name));
}

// The five address tags of a family: place (sub-location), city, state, country name, country code.
struct AddressTags {
    TagName place, city, state, countryName, countryCode;
};

const AddressTags& iptcAddress()
{
    static const AddressTags tags{TagName(QStringLiteral("IPTC"), QStringLiteral("Sub-location")),
                                  TagName(QStringLiteral("IPTC"), QStringLiteral("City")),
                                  TagName(QStringLiteral("IPTC"), QStringLiteral("Province-State")),
                                  TagName(QStringLiteral("IPTC"), QStringLiteral("Country-PrimaryLocationName")),
                                  TagName(QStringLiteral("IPTC"), QStringLiteral("Country-PrimaryLocationCode"))};
    return tags;
}

const AddressTags& xmpAddress()
{
    static const AddressTags tags{TagName(QStringLiteral("XMP-iptcCore"), QStringLiteral("Location")),
                                  TagName(QStringLiteral("XMP-photoshop"), QStringLiteral("City")),
                                  TagName(QStringLiteral("XMP-photoshop"), QStringLiteral("State")),
                                  TagName(QStringLiteral("XMP-photoshop"), QStringLiteral("Country")),
                                  TagName(QStringLiteral("XMP-iptcCore"), QStringLiteral("CountryCode"))};
    return tags;
}

// --- Families a file takes

using Family = TagFamilies::Family;

std::optional<MediaType> mediaTypeOf(const TagEditor& editor)
{
    if (editor.isFolder())
        return std::nullopt;
    const std::optional<MediaType> type = MediaType::type(editor.source().url());
    if (!type || type->isFolder())
        return std::nullopt;
    return type;
}

bool hasAnyValue(const TagEditor& editor, const QList<TagName>& names)
{
    return std::any_of(names.begin(), names.end(), [&](const TagName& name) {
        return !editor.currentValue(name).value_or(QString()).trimmed().isEmpty();
    });
}

// The family holds a GPS position (or altitude, direction, stamp) or, for IPTC, an address.
bool holds(const TagEditor& editor, Family family)
{
    switch (family) {
    case Family::exif:
        return hasAnyValue(editor, LocationTagNames::exifLocationTagNames());
    case Family::xmp:
        return hasAnyValue(editor, LocationTagNames::xmpGPSTagNames());
    case Family::quicktime:
        return hasAnyValue(editor, LocationTagNames::quicktimeLocationTagNames());
    case Family::iptc:
        return hasAnyValue(editor, LocationTagNames::iptcLocationTagNames());
    }
    return false;
}

bool holdsAddress(const TagEditor& editor, Family family)
{
    const AddressTags& tags = family == Family::iptc ? iptcAddress() : xmpAddress();
    return hasAnyValue(editor, {tags.place, tags.city, tags.state, tags.countryName, tags.countryCode});
}

bool canHold(const TagEditor& editor, Family family)
{
    const std::optional<MediaType> type = mediaTypeOf(editor);
    if (!type || TagFamilies::typeCanHold(*type, family).value_or(true))
        return true;
    // What the file holds, its type holds.
    return holds(editor, family);
}

// The families a write of a position goes to, or of an address.
QList<Family> families(const TagEditor& editor, bool address)
{
    const std::optional<MediaType> type = mediaTypeOf(editor);
    if (!type)
        return address ? QList<Family>{Family::iptc, Family::xmp} : QList<Family>{Family::exif, Family::xmp, Family::quicktime};
    QList<Family> list;
    if (address) {
        if (type->kind() == MediaKind::image && canHold(editor, Family::iptc))
            list << Family::iptc;
        list << Family::xmp;
    } else if (type->kind() == MediaKind::image) {
        list << (canHold(editor, Family::exif) ? Family::exif : Family::xmp);
    } else if (TagFamilies::typeCanHold(*type, Family::quicktime).value_or(false)) {
        list << Family::quicktime;
    } else if (type->kind() == MediaKind::sidecar && type->identifier() != u"XMP") {
        list << Family::exif << Family::xmp;
    } else {
        list << Family::xmp;
    }
    const QList<Family> others = address ? QList<Family>{Family::iptc, Family::xmp}
                                         : QList<Family>{Family::exif, Family::xmp, Family::quicktime};
    for (Family family : others) {
        const bool held = address ? holdsAddress(editor, family) : holds(editor, family);
        if (!list.contains(family) && held && canHold(editor, family))
            list << family;
    }
    return list;
}

// --- Reading numbers

// An angle in any form the tags give: signed decimal degrees ("-33.8568"), with a hemisphere
// letter or word ("33.8568 S"), degrees minutes seconds ("33 deg 51' 24.48\" S"), XMP's
// "33,51.408S".
std::optional<double> angle(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    static const QRegularExpression numberForm(QStringLiteral(R"([+-]?\d+(?:\.\d+)?)"));
    static const QRegularExpression hemisphereForm(
        QStringLiteral(R"((?<![A-Za-z])(N|S|E|W|North|South|East|West)(?![A-Za-z]))"));
    QList<double> numbers;
    bool negative = false;
    for (auto it = numberForm.globalMatch(*text); it.hasNext() && numbers.size() < 3;) {
        const QString number = it.next().captured();
        if (numbers.isEmpty())
            negative = number.startsWith(QLatin1Char('-'));
        numbers << std::abs(number.toDouble());
    }
    if (numbers.isEmpty())
        return std::nullopt;
    const QString hemisphere = hemisphereForm.match(*text).captured(1);
    negative = negative || hemisphere.startsWith(QLatin1Char('S')) || hemisphere.startsWith(QLatin1Char('W'));
    const double degrees = numbers.value(0) + numbers.value(1) / 60.0 + numbers.value(2) / 3600.0;
    if (!std::isfinite(degrees))
        return std::nullopt;
    return negative ? -degrees : degrees;
}

std::optional<double> number(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    static const QRegularExpression numberForm(QStringLiteral(R"([+-]?\d+(?:\.\d+)?)"));
    const QRegularExpressionMatch match = numberForm.match(*text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured().toDouble();
}

// A reference tag's hemisphere or side, stored ("S", "1") or printed ("South", "Below Sea Level").
bool isNegativeReference(const std::optional<QString>& text, QChar negativeLetter)
{
    if (!text)
        return false;
    const QString trimmed = text->trimmed();
    return trimmed.startsWith(negativeLetter, Qt::CaseInsensitive) || trimmed == u"1"
           || trimmed.startsWith(QLatin1String("Below"), Qt::CaseInsensitive);
}

std::optional<double> signedValue(const TagEditor& editor, const TagName& value, const TagName& reference,
                                  QChar negativeLetter)
{
    std::optional<double> result = angle(StagedValues::numericValue(editor, value));
    if (result && isNegativeReference(StagedValues::numericValue(editor, reference), negativeLetter))
        result = -std::abs(*result);
    return result;
}

std::optional<Coordinate> validCoordinate(std::optional<double> latitude, std::optional<double> longitude)
{
    if (!latitude || !longitude)
        return std::nullopt;
    const Coordinate coordinate(*latitude, *longitude);
    return coordinate.isValid() ? std::optional<Coordinate>(coordinate) : std::nullopt;
}

// The altitude in a GPSCoordinates value: ISO 6709 ("+48.8584+002.2945+35.000/"), ExifTool's
// numbers ("48.8584 2.2945 35") or its printed form ("…, 35 m Below Sea Level").
std::optional<double> quicktimeAltitude(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    const QString trimmed = text->trimmed();
    static const QRegularExpression iso(QStringLiteral(R"(^([+-][\d.]+)([+-][\d.]+)([+-][\d.]+)?)"));
    if (const QRegularExpressionMatch match = iso.match(trimmed); match.hasMatch()) {
        if (match.captured(3).isEmpty())
            return std::nullopt;
        return match.captured(3).toDouble();
    }
    const QStringList parts = trimmed.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (parts.size() == 3) {
        const std::optional<double> value = number(parts[2]);
        if (value && parts[2].contains(QLatin1String("Below"), Qt::CaseInsensitive))
            return -std::abs(*value);
        return value;
    }
    const QStringList words = trimmed.split(QRegularExpression(QStringLiteral(R"(\s+)")), Qt::SkipEmptyParts);
    if (parts.size() == 1 && words.size() == 3)
        return number(words[2]);
    return std::nullopt;
}

std::optional<Coordinate> quicktimeCoordinateIn(const TagEditor& editor, const TagName& name)
{
    const std::optional<QString> text = StagedValues::numericValue(editor, name);
    if (!text)
        return std::nullopt;
    const std::optional<Coordinate> coordinate = CoordinateParser::coordinate(*text);
    return coordinate && coordinate->isValid() ? coordinate : std::nullopt;
}

std::optional<TextLocation> textLocation(const TagEditor& editor, const AddressTags& tags)
{
    auto part = [&](const TagName& name) -> std::optional<QString> {
        const QString value = editor.currentValue(name).value_or(QString()).trimmed();
        return value.isEmpty() ? std::nullopt : std::optional<QString>(value);
    };
    const TextLocation address(part(tags.place), std::nullopt, std::nullopt, part(tags.city), part(tags.state),
                               std::nullopt, part(tags.countryName), part(tags.countryCode));
    if (address == TextLocation())
        return std::nullopt;
    return address;
}

std::optional<QDateTime> utcDate(const std::optional<QString>& text)
{
    const std::optional<DateText> date = DateText::parse(text.value_or(QString()));
    return date ? DateTextZone::utcDateTime(*date) : std::nullopt;
}

QList<Family> coordinateReadOrder(const TagEditor& editor)
{
    if (editor.prefersQuicktime())
        return {Family::quicktime, Family::exif, Family::xmp};
    return {Family::exif, Family::xmp, Family::quicktime};
}

std::optional<Coordinate> coordinateOf(const TagEditor& editor, Family family)
{
    switch (family) {
    case Family::exif:
        return exifGPSCoordinate(editor);
    case Family::xmp:
        return xmpGPSCoordinate(editor);
    case Family::quicktime:
        return quicktimeGPSCoordinate(editor);
    case Family::iptc:
        break;
    }
    return std::nullopt;
}

std::optional<double> altitudeOf(const TagEditor& editor, Family family)
{
    switch (family) {
    case Family::exif:
        return signedValue(editor, gps("GPSAltitude"), gps("GPSAltitudeRef"), QLatin1Char('B'));
    case Family::xmp:
        return signedValue(editor, xmpExif("GPSAltitude"), xmpExif("GPSAltitudeRef"), QLatin1Char('B'));
    case Family::quicktime:
        for (const TagName& name : LocationTagNames::quicktimeLocationTagNames()) {
            if (quicktimeCoordinateIn(editor, name))
                return quicktimeAltitude(StagedValues::numericValue(editor, name));
        }
        break;
    case Family::iptc:
        break;
    }
    return std::nullopt;
}

// --- Writing

std::optional<Coordinate> coordinateIn(const TypedValue& value)
{
    std::optional<Coordinate> coordinate = value.coordinate();
    if (const auto location = value.location())
        coordinate = location->coordinate();
    if (const auto text = value.text())
        coordinate = CoordinateParser::coordinate(*text);
    if (!coordinate || !coordinate->isValid())
        return std::nullopt;
    return coordinate;
}

QString degreesText(double value)
{
    return StagedValues::decimalText(value, 8);
}

bool writeExifCoordinate(TagEditor& editor, const Coordinate& coordinate)
{
    // ExifTool drops the sign of an EXIF latitude: the hemisphere goes in the reference tag.
    bool changed = StagedValues::stage(editor, gps("GPSLatitude"), degreesText(std::abs(coordinate.latitude())));
    changed = StagedValues::stage(editor, gps("GPSLatitudeRef"), coordinate.latitude() < 0 ? QStringLiteral("S") : QStringLiteral("N")) || changed;
    changed = StagedValues::stage(editor, gps("GPSLongitude"), degreesText(std::abs(coordinate.longitude()))) || changed;
    changed = StagedValues::stage(editor, gps("GPSLongitudeRef"), coordinate.longitude() < 0 ? QStringLiteral("W") : QStringLiteral("E")) || changed;
    return changed;
}

bool writeXmpCoordinate(TagEditor& editor, const Coordinate& coordinate)
{
    bool changed = StagedValues::stage(editor, xmpExif("GPSLatitude"), degreesText(coordinate.latitude()));
    changed = StagedValues::stage(editor, xmpExif("GPSLongitude"), degreesText(coordinate.longitude())) || changed;
    return changed;
}

QString iso6709(const Coordinate& coordinate, std::optional<double> altitude)
{
    QString text = CoordinateWriter().iso6709(coordinate);
    if (altitude && std::isfinite(*altitude)) {
        text.chop(1);
        text += (*altitude < 0 ? QLatin1Char('-') : QLatin1Char('+')) + QString::number(std::abs(*altitude), 'f', 3)
                + QLatin1Char('/');
    }
    return text;
}

// The blocks that get GPSCoordinates: the preferred ones and every one that holds it already.
QList<TagName> quicktimeTargets(const TagEditor& editor)
{
    QList<TagName> targets;
    for (const QString& block : ostrak::ETSettings::shared().quickTimeGroupsToWrite(QStringLiteral("GPSCoordinates")))
        targets << TagName(block, QStringLiteral("GPSCoordinates"));
    for (const TagName& name : LocationTagNames::quicktimeLocationTagNames()) {
        if (!targets.contains(name) && editor.currentValue(name))
            targets << name;
    }
    return targets;
}

bool stageQuicktime(TagEditor& editor, const TagName& name, const Coordinate& coordinate, std::optional<double> altitude)
{
    // The file's own text when it names the same place (to the precision written): no edit.
    if (const auto stored = editor.originalValue(name); stored && !editor.isFolder()) {
        const std::optional<Coordinate> held = CoordinateParser::coordinate(stored->numericText());
        const std::optional<double> heldAltitude = quicktimeAltitude(stored->numericText());
        const auto near = [](double a, double b, double tolerance) { return std::abs(a - b) <= tolerance; };
        if (held && near(held->latitude(), coordinate.latitude(), 5e-6) && near(held->longitude(), coordinate.longitude(), 5e-6)
            && heldAltitude.has_value() == altitude.has_value()
            && (!altitude || near(*heldAltitude, *altitude, 5e-4)))
            return editor.restoreValue(name);
    }
    return editor.setValue(iso6709(coordinate, altitude), name);
}

// `altitude` given: written (none removes it); not given: each block keeps its own.
bool writeQuicktimeCoordinate(TagEditor& editor, const Coordinate& coordinate,
                              const std::optional<std::optional<double>>& altitude = std::nullopt)
{
    bool changed = false;
    for (const TagName& name : quicktimeTargets(editor)) {
        const std::optional<double> kept = altitude ? *altitude : quicktimeAltitude(StagedValues::numericValue(editor, name));
        changed = stageQuicktime(editor, name, coordinate, kept) || changed;
    }
    return changed;
}

bool writeCoordinate(TagEditor& editor, Family family, const Coordinate& coordinate)
{
    switch (family) {
    case Family::exif:
        return writeExifCoordinate(editor, coordinate);
    case Family::xmp:
        return writeXmpCoordinate(editor, coordinate);
    case Family::quicktime:
        return writeQuicktimeCoordinate(editor, coordinate);
    case Family::iptc:
        break;
    }
    return false;
}

// A value and its reference tag: the magnitude and the sign's reference, or both removed.
bool stageSigned(TagEditor& editor, const TagName& value, const TagName& reference, std::optional<double> number,
                 const QString& positive, const QString& negative, int decimals)
{
    if (!number || !std::isfinite(*number)) {
        bool changed = StagedValues::stage(editor, value, std::nullopt);
        return StagedValues::stage(editor, reference, std::nullopt) || changed;
    }
    bool changed = StagedValues::stage(editor, value, StagedValues::decimalText(std::abs(*number), decimals));
    return StagedValues::stage(editor, reference, *number < 0 ? negative : positive) || changed;
}

std::optional<double> normalizedDirection(std::optional<double> direction)
{
    if (!direction || !std::isfinite(*direction))
        return std::nullopt;
    double degrees = std::fmod(*direction, 360.0);
    if (degrees < 0)
        degrees += 360.0;
    return degrees;
}

bool writeGPSDetails(TagEditor& editor, Family family, const Location& location)
{
    const std::optional<double> direction = normalizedDirection(location.direction());
    const std::optional<QDateTime> date = location.date() && location.date()->isValid()
                                              ? std::optional<QDateTime>(location.date()->toUTC())
                                              : std::nullopt;
    const QString above = QStringLiteral("0");
    const QString below = QStringLiteral("1");
    const QString trueNorth = QStringLiteral("T");
    bool changed = false;
    switch (family) {
    case Family::exif:
        changed = stageSigned(editor, gps("GPSAltitude"), gps("GPSAltitudeRef"), location.altitude(), above, below, 3);
        changed = stageSigned(editor, gps("GPSImgDirection"), gps("GPSImgDirectionRef"), direction, trueNorth, trueNorth, 2) || changed;
        if (date) {
            changed = StagedValues::stage(editor, gps("GPSDateStamp"), date->toString(QStringLiteral("yyyy:MM:dd"))) || changed;
            changed = StagedValues::stage(editor, gps("GPSTimeStamp"), date->toString(QStringLiteral("HH:mm:ss"))) || changed;
        }
        break;
    case Family::xmp:
        changed = stageSigned(editor, xmpExif("GPSAltitude"), xmpExif("GPSAltitudeRef"), location.altitude(), above, below, 3);
        changed = stageSigned(editor, xmpExif("GPSImgDirection"), xmpExif("GPSImgDirectionRef"), direction, trueNorth, trueNorth, 2) || changed;
        if (date)
            changed = StagedValues::stage(editor, xmpExif("GPSDateTime"), date->toString(QStringLiteral("yyyy:MM:dd HH:mm:ss")) + QLatin1Char('Z')) || changed;
        break;
    case Family::quicktime:
    case Family::iptc:
        break;
    }
    return changed;
}

QString blankless(const std::optional<QString>& text)
{
    return text ? text->simplified() : QString();
}

// The place as one text: its name, or its street ("12 Rue de Rivoli") without one.
QString placeText(const TextLocation& address)
{
    const QString name = blankless(address.placeName());
    if (!name.isEmpty())
        return name;
    return QStringList{blankless(address.streetNumber()), blankless(address.streetName())}.join(QLatin1Char(' ')).simplified();
}

// IPTC takes the three-letter code; XMP takes it as well.
QString countryCodeText(const TextLocation& address)
{
    const QString code = blankless(address.countryCode());
    if (const auto country = Country::fromCode(code))
        return country->alpha3();
    return code;
}

// IPTC records have a length in bytes: the longest start of the text that fits, whole characters only.
QString fittedToIPTC(const TagName& name, const QString& text)
{
    const std::optional<int> limit = TagEditor::tagItem(name).count();
    if (!limit || text.toUtf8().size() <= *limit)
        return text;
    QString fitted;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString next = fitted + text.mid(i, length);
        if (next.toUtf8().size() > *limit)
            break;
        fitted = next;
        i += length;
    }
    return fitted.trimmed();
}

// Writes the address parts; with `onlyMissing`, only into tags that have no value, and never
// removes one.
bool writeAddress(TagEditor& editor, Family family, const TextLocation& address, bool onlyMissing)
{
    const bool iptc = family == Family::iptc;
    const AddressTags& tags = iptc ? iptcAddress() : xmpAddress();
    QString code = countryCodeText(address);
    // A code IPTC cannot hold is left out rather than cut into another one.
    if (iptc && code.size() > 3)
        code.clear();
    const QList<std::pair<TagName, QString>> parts{
        {tags.place, placeText(address)},
        {tags.city, blankless(address.city())},
        {tags.state, blankless(address.state())},
        {tags.countryName, blankless(address.countryName())},
        {tags.countryCode, code},
    };
    bool changed = false;
    for (const auto& [name, text] : parts) {
        if (onlyMissing && (text.isEmpty() || !editor.currentValue(name).value_or(QString()).trimmed().isEmpty()))
            continue;
        const QString value = iptc ? fittedToIPTC(name, text) : text;
        changed = StagedValues::stage(editor, name, value.isEmpty() ? std::nullopt : std::optional<QString>(value)) || changed;
    }
    return changed;
}

bool anyEdited(const TagEditor& editor, const QList<TagName>& names)
{
    return std::any_of(names.begin(), names.end(), [&](const TagName& name) { return editor.isEdited(name); });
}

AutocompleteResult outcome(bool changed)
{
    return changed ? AutocompleteResult::completed : AutocompleteResult::unchanged;
}

// Each public edit below opens one edition (EditionManager::Scope), so that every tag it writes
// is reported by a single history flush.

AutocompleteResult addressFrom(TagEditor& editor, const std::optional<Coordinate>& coordinate,
                               const std::shared_ptr<Geocoder>& geocoder)
{
    const EditionManager::Scope oneEdition;
    if (!geocoder)
        return AutocompleteResult::noGeocoder;
    if (!coordinate)
        return AutocompleteResult::nothingToComplete;
    const std::optional<Location> place = geocoder->reverseGeocode(*coordinate);
    if (!place || place->textLocation() == TextLocation())
        return AutocompleteResult::notFound;
    bool changed = false;
    for (Family family : families(editor, true))
        changed = writeAddress(editor, family, place->textLocation(), true) || changed;
    return outcome(changed);
}

AutocompleteResult coordinateFrom(TagEditor& editor, const std::optional<TextLocation>& address,
                                  const std::shared_ptr<Geocoder>& geocoder)
{
    const EditionManager::Scope oneEdition;
    if (!geocoder)
        return AutocompleteResult::noGeocoder;
    if (!address)
        return AutocompleteResult::nothingToComplete;
    const std::optional<Location> place = geocoder->geocode(*address);
    if (!place || !place->coordinate().isValid())
        return AutocompleteResult::notFound;
    bool changed = false;
    for (Family family : families(editor, false)) {
        if (!coordinateOf(editor, family))
            changed = writeCoordinate(editor, family, place->coordinate()) || changed;
    }
    return outcome(changed);
}

} // namespace

// --- Reads

std::optional<Coordinate> gpsCoordinate(const TagEditor& editor)
{
    for (Family family : coordinateReadOrder(editor)) {
        if (const auto coordinate = coordinateOf(editor, family))
            return coordinate;
    }
    return std::nullopt;
}

std::optional<Coordinate> exifGPSCoordinate(const TagEditor& editor)
{
    return validCoordinate(exifGPSLatitude(editor), exifGPSLongitude(editor));
}

std::optional<double> exifGPSLatitude(const TagEditor& editor)
{
    return signedValue(editor, gps("GPSLatitude"), gps("GPSLatitudeRef"), QLatin1Char('S'));
}

std::optional<double> exifGPSLongitude(const TagEditor& editor)
{
    return signedValue(editor, gps("GPSLongitude"), gps("GPSLongitudeRef"), QLatin1Char('W'));
}

std::optional<Coordinate> xmpGPSCoordinate(const TagEditor& editor)
{
    return validCoordinate(xmpGPSLatitude(editor), xmpGPSLongitude(editor));
}

std::optional<double> xmpGPSLatitude(const TagEditor& editor)
{
    return angle(StagedValues::numericValue(editor, xmpExif("GPSLatitude")));
}

std::optional<double> xmpGPSLongitude(const TagEditor& editor)
{
    return angle(StagedValues::numericValue(editor, xmpExif("GPSLongitude")));
}

std::optional<Coordinate> quicktimeGPSCoordinate(const TagEditor& editor)
{
    for (const TagName& name : LocationTagNames::quicktimeLocationTagNames()) {
        if (const auto coordinate = quicktimeCoordinateIn(editor, name))
            return coordinate;
    }
    return std::nullopt;
}

std::optional<TextLocation> iptcTextLocation(const TagEditor& editor)
{
    return textLocation(editor, iptcAddress());
}

std::optional<TextLocation> xmpTextLocation(const TagEditor& editor)
{
    return textLocation(editor, xmpAddress());
}

std::optional<QDateTime> exifGPSStamp(const TagEditor& editor)
{
    const std::optional<QString> date = editor.currentValue(gps("GPSDateStamp"));
    if (!date)
        return std::nullopt;
    QString text = date->trimmed();
    if (const auto time = editor.currentValue(gps("GPSTimeStamp")))
        text += QLatin1Char(' ') + time->trimmed().left(8);
    return utcDate(text);
}

std::optional<Location> location(const TagEditor& editor)
{
    std::optional<Coordinate> coordinate;
    std::optional<double> altitude;
    for (Family family : coordinateReadOrder(editor)) {
        if ((coordinate = coordinateOf(editor, family))) {
            altitude = altitudeOf(editor, family);
            break;
        }
    }
    if (!coordinate)
        return std::nullopt;
    std::optional<double> direction = angle(StagedValues::numericValue(editor, gps("GPSImgDirection")));
    if (!direction)
        direction = angle(StagedValues::numericValue(editor, xmpExif("GPSImgDirection")));
    std::optional<QDateTime> date = exifGPSStamp(editor);
    if (!date)
        date = utcDate(editor.currentValue(xmpExif("GPSDateTime")));
    const TextLocation address = iptcTextLocation(editor).value_or(xmpTextLocation(editor).value_or(TextLocation()));
    return Location(coordinate->latitude(), coordinate->longitude(), altitude, date, direction, address);
}

// --- Writes

bool setGPSCoordinate(TagEditor& editor, const TypedValue& value)
{
    const EditionManager::Scope oneEdition;
    const std::optional<Coordinate> coordinate = coordinateIn(value);
    if (!coordinate)
        return false;
    bool changed = false;
    for (Family family : families(editor, false))
        changed = writeCoordinate(editor, family, *coordinate) || changed;
    return changed;
}

bool setExifGPSCoordinate(TagEditor& editor, const TypedValue& value)
{
    const EditionManager::Scope oneEdition;
    const std::optional<Coordinate> coordinate = coordinateIn(value);
    return coordinate && canHold(editor, Family::exif) && writeExifCoordinate(editor, *coordinate);
}

bool setXmpGPSCoordinate(TagEditor& editor, const TypedValue& value)
{
    const EditionManager::Scope oneEdition;
    const std::optional<Coordinate> coordinate = coordinateIn(value);
    return coordinate && canHold(editor, Family::xmp) && writeXmpCoordinate(editor, *coordinate);
}

bool setQuicktimeGPSCoordinate(TagEditor& editor, const TypedValue& value)
{
    const EditionManager::Scope oneEdition;
    const std::optional<Coordinate> coordinate = coordinateIn(value);
    return coordinate && canHold(editor, Family::quicktime) && writeQuicktimeCoordinate(editor, *coordinate);
}

bool setLocation(TagEditor& editor, const TypedValue& value)
{
    const EditionManager::Scope oneEdition;
    const std::optional<Location> location = value.location();
    if (!location)
        return setGPSCoordinate(editor, value);
    const Coordinate coordinate = location->coordinate();
    if (!coordinate.isValid())
        return false;
    bool changed = false;
    for (Family family : families(editor, false)) {
        if (family == Family::quicktime) {
            changed = writeQuicktimeCoordinate(editor, coordinate, location->altitude()) || changed;
        } else {
            changed = writeCoordinate(editor, family, coordinate) || changed;
            changed = writeGPSDetails(editor, family, *location) || changed;
        }
    }
    for (Family family : families(editor, true))
        changed = writeAddress(editor, family, location->textLocation(), false) || changed;
    return changed;
}

// --- File filter

bool oneOrMoreExifLocationTagsAreEdited(const TagEditor& editor)
{
    return anyEdited(editor, LocationTagNames::gpsTagNames());
}

bool hasOneOrMoreExifLocationValues(const TagEditor& editor)
{
    return hasAnyValue(editor, LocationTagNames::gpsTagNames());
}

// --- Autocompletion

AutocompleteResult autocompleteUsingEXIFCoordinate(TagEditor& editor, const std::shared_ptr<Geocoder>& geocoder)
{
    return addressFrom(editor, exifGPSCoordinate(editor), geocoder);
}

AutocompleteResult autocompleteUsingXMPCoordinate(TagEditor& editor, const std::shared_ptr<Geocoder>& geocoder)
{
    return addressFrom(editor, xmpGPSCoordinate(editor), geocoder);
}

AutocompleteResult autocompleteUsingQuickTimeCoordinate(TagEditor& editor, const std::shared_ptr<Geocoder>& geocoder)
{
    return addressFrom(editor, quicktimeGPSCoordinate(editor), geocoder);
}

AutocompleteResult autocompleteUsingIPTCAddress(TagEditor& editor, const std::shared_ptr<Geocoder>& geocoder)
{
    return coordinateFrom(editor, iptcTextLocation(editor), geocoder);
}

AutocompleteResult autocompleteUsingXMPAddress(TagEditor& editor, const std::shared_ptr<Geocoder>& geocoder)
{
    return coordinateFrom(editor, xmpTextLocation(editor), geocoder);
}

std::optional<TaskMessage> autocompleteMessage(const TagEditor& editor, AutocompleteResult result)
{
    const QString path = editor.source().url().toLocalFile();
    switch (result) {
    case AutocompleteResult::noGeocoder:
        return TaskMessage::warning(path, QStringLiteral("AutocompleteNoGeocoderWarning"), {editor.fileName()});
    case AutocompleteResult::notFound:
        return TaskMessage::warning(path, QStringLiteral("AutocompleteNotFoundWarning"), {editor.fileName()});
    case AutocompleteResult::completed:
    case AutocompleteResult::unchanged:
    case AutocompleteResult::nothingToComplete:
        break;
    }
    return std::nullopt;
}

} // namespace halvex
