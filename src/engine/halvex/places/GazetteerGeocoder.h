#pragma once

#include "engine/halvex/places/Gazetteer.h"
#include "engine/halvex/places/Geocoder.h"

#include <QMutex>
#include <QString>

#include <memory>

namespace halvex {

// The geocoder over the installed gazetteer, offline. A position gets the nearest town's
// address (town, region, country name and alpha-3 code) and keeps its own coordinate; an
// address gets the position of the most populous town of that name, in its country and region
// when the address gives them. Only town-level parts are filled: no street, no place name.
//
// The gazetteer is read at the first question, once; a folder that cannot be read leaves the
// geocoder without answers, and loadError() says which file and why.
class GazetteerGeocoder : public Geocoder {
public:
    // Towns farther than this from a position are not its address.
    static constexpr double maxKilometres = 100;

    explicit GazetteerGeocoder(QString folder = Gazetteer::defaultFolder());

    std::optional<Location> reverseGeocode(const Coordinate& coordinate) override;
    std::optional<Location> geocode(const TextLocation& address) override;

    // The towns for a search field: see Gazetteer::search.
    QList<GazetteerPlace> search(const QString& text, const std::optional<CoordinateRegion>& visible, int limit);

    // The loaded gazetteer, null when it cannot be read (it is read now if it was not yet).
    std::shared_ptr<const Gazetteer> gazetteer();
    // Empty, or the file that could not be read and the reason, as one line.
    QString loadError();

    // The address parts a town gives: city, state, country name and code (alpha-3).
    static TextLocation address(const GazetteerPlace& place);

private:
    QString folder_;
    QMutex mutex_;
    bool loaded_ = false;
    std::shared_ptr<const Gazetteer> gazetteer_;
    QString loadError_;
};

} // namespace halvex
