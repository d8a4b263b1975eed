#include "engine/halvex/places/TextLocation.h"

#include <QStringList>

namespace halvex {

namespace {

QString trimmed(const std::optional<QString>& part)
{
    return part ? part->simplified() : QString();
}

// Two non-blank parts joined by a space, or the one that is there.
QString joined(const QString& first, const QString& second)
{
    if (first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    return first + QLatin1Char(' ') + second;
}

QString joinedDistinct(const QStringList& parts)
{
    QStringList kept;
    for (const QString& part : parts) {
        if (!part.isEmpty() && !kept.contains(part, Qt::CaseInsensitive))
            kept.append(part);
    }
    return kept.join(QStringLiteral(", "));
}

} // namespace

TextLocation::TextLocation(std::optional<QString> placeName, std::optional<QString> streetName,
                           std::optional<QString> streetNumber, std::optional<QString> city,
                           std::optional<QString> state, std::optional<QString> zipCode,
                           std::optional<QString> countryName, std::optional<QString> countryCode)
    : placeName_(std::move(placeName))
    , streetName_(std::move(streetName))
    , streetNumber_(std::move(streetNumber))
    , city_(std::move(city))
    , state_(std::move(state))
    , zipCode_(std::move(zipCode))
    , countryName_(std::move(countryName))
    , countryCode_(std::move(countryCode))
{
}

QString TextLocation::formattedAddress() const
{
    const QString country = trimmed(countryName_);
    return joinedDistinct({trimmed(placeName_),
                           joined(trimmed(streetNumber_), trimmed(streetName_)),
                           joined(trimmed(zipCode_), trimmed(city_)), trimmed(state_),
                           country.isEmpty() ? trimmed(countryCode_) : country});
}

QString TextLocation::shortFormattedAddress() const
{
    QString place = trimmed(placeName_);
    if (place.isEmpty())
        place = joined(trimmed(streetNumber_), trimmed(streetName_));
    QString city = trimmed(city_);
    if (city.isEmpty())
        city = trimmed(state_);
    QString country = trimmed(countryName_);
    if (country.isEmpty())
        country = trimmed(countryCode_);
    return joinedDistinct({place, city, country});
}

} // namespace halvex
