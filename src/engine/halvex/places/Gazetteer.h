#pragma once

#include "engine/halvex/places/CoordinateRegion.h"
#include "engine/halvex/places/GazetteerPlace.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace halvex {

// The towns of 15,000 people and more (GeoNames, as Debian's libtimezonemap-data installs
// them), indexed for the two questions the geocoder asks: the town nearest to a position, and
// the towns whose name, in any of its spellings, starts with a text. Read-only once loaded:
// any number of threads may ask at once.
class Gazetteer {
public:
    // Where the package puts the files; CORVELLE_GAZETTEER_DIR, when set, names another folder.
    static QString defaultFolder();

    // Reads cities15000.txt, admin1Codes.txt and countryInfo.txt of the folder. Null when the
    // towns cannot be read, with the file and the reason; the two others only add names.
    static std::shared_ptr<const Gazetteer> load(const QString& folder, QString* failedPath = nullptr,
                                                 QString* reason = nullptr);

    const std::vector<GazetteerPlace>& places() const { return places_; }

    // The index of the town the position belongs to, none when none lies within maxKilometres:
    // the nearest, with bigger towns reaching farther (see the weighting in the source).
    std::optional<int> nearest(const Coordinate& coordinate, double maxKilometres) const;
    // The towns one of whose names starts with the text, ignoring case, accents, hyphens and
    // surrounding blanks: those in the visible region first, then the most populous; at most
    // `limit` of them. None for a blank text.
    QList<int> search(const QString& text, const std::optional<CoordinateRegion>& visible, int limit) const;
    // The towns one of whose names is the text (compared as search() does), most populous first.
    QList<int> named(const QString& text) const;

    // The form names are compared in: without accents, case-folded, hyphens as blanks, blanks
    // single and trimmed.
    static QString searchKey(const QString& text);
    // Great-circle distance.
    static double kilometresBetween(const Coordinate& a, const Coordinate& b);

private:
    Gazetteer() = default;
    void buildIndexes();

    std::vector<GazetteerPlace> places_;
    // Every spelling of every town as (key, town), sorted by key.
    std::vector<std::pair<QString, int>> names_;
    // Towns by one-degree cell: index (latitude + 90) * 360 + (longitude + 180).
    std::vector<std::vector<int>> cells_;
};

} // namespace halvex
