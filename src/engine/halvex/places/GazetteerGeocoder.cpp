#include "engine/halvex/places/GazetteerGeocoder.h"

#include "engine/halvex/places/Country.h"

namespace halvex {

namespace {

std::optional<QString> nonBlank(const std::optional<QString>& text)
{
    if (!text || text->trimmed().isEmpty())
        return std::nullopt;
    return text->trimmed();
}

} // namespace

GazetteerGeocoder::GazetteerGeocoder(QString folder)
    : folder_(std::move(folder))
{
}

std::shared_ptr<const Gazetteer> GazetteerGeocoder::gazetteer()
{
    QMutexLocker locker(&mutex_);
    if (!loaded_) {
        QString path;
        QString reason;
        gazetteer_ = Gazetteer::load(folder_, &path, &reason);
        if (!gazetteer_)
            loadError_ = QStringLiteral("%1: %2").arg(path, reason);
        loaded_ = true;
    }
    return gazetteer_;
}

QString GazetteerGeocoder::loadError()
{
    gazetteer();
    QMutexLocker locker(&mutex_);
    return loadError_;
}

TextLocation GazetteerGeocoder::address(const GazetteerPlace& place)
{
    const auto country = Country::fromCode(place.countryCode);
    const auto part = [](const QString& text) { return text.isEmpty() ? std::nullopt : std::optional<QString>(text); };
    return TextLocation(std::nullopt, std::nullopt, std::nullopt, part(place.name), part(place.region), std::nullopt,
                        part(place.countryName), country ? std::optional<QString>(country->alpha3()) : std::nullopt);
}

std::optional<Location> GazetteerGeocoder::reverseGeocode(const Coordinate& coordinate)
{
    const auto towns = gazetteer();
    if (!towns)
        return std::nullopt;
    const auto index = towns->nearest(coordinate, maxKilometres);
    if (!index)
        return std::nullopt;
    return Location(coordinate.latitude(), coordinate.longitude(), std::nullopt, std::nullopt, std::nullopt,
                    address(towns->places()[*index]));
}

std::optional<Location> GazetteerGeocoder::geocode(const TextLocation& query)
{
    const auto towns = gazetteer();
    if (!towns)
        return std::nullopt;
    const std::optional<QString> name = nonBlank(query.city()) ? nonBlank(query.city()) : nonBlank(query.placeName());
    if (!name)
        return std::nullopt;
    std::optional<QString> countryCode;
    if (const auto code = nonBlank(query.countryCode())) {
        if (const auto country = Country::fromCode(*code))
            countryCode = country->alpha2();
    }
    const auto countryName = nonBlank(query.countryName());
    const auto state = nonBlank(query.state());

    // The most populous town of exactly that name that agrees with the country and region given.
    for (int index : towns->named(*name)) {
        const GazetteerPlace& place = towns->places()[index];
        if (countryCode && place.countryCode != *countryCode)
            continue;
        if (!countryCode && countryName && Gazetteer::searchKey(place.countryName) != Gazetteer::searchKey(*countryName))
            continue;
        if (state && !place.region.isEmpty() && Gazetteer::searchKey(place.region) != Gazetteer::searchKey(*state))
            continue;
        return Location(place.latitude, place.longitude, std::nullopt, std::nullopt, std::nullopt, address(place));
    }
    return std::nullopt;
}

QList<GazetteerPlace> GazetteerGeocoder::search(const QString& text, const std::optional<CoordinateRegion>& visible,
                                                int limit)
{
    QList<GazetteerPlace> result;
    if (const auto towns = gazetteer()) {
        for (int index : towns->search(text, visible, limit))
            result << towns->places()[index];
    }
    return result;
}

} // namespace halvex
