#include "engine/halvex/places/Gazetteer.h"

#include "engine/halvex/places/Country.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <limits>
#include <tuple>
#include <cmath>
#include <numbers>

namespace halvex {

namespace {

constexpr double earthRadiusKilometres = 6371.0;
constexpr int latitudeCells = 180;
constexpr int longitudeCells = 360;

int latitudeCell(double latitude)
{
    return std::clamp(int(std::floor(latitude + 90)), 0, latitudeCells - 1);
}

int longitudeCell(double longitude)
{
    const int cell = int(std::floor(longitude + 180)) % longitudeCells;
    return cell < 0 ? cell + longitudeCells : cell;
}

// Calls `line` with the tab-separated fields of every line that is not a comment.
bool readTable(const QString& path, const std::function<void(const QStringList&)>& line, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    QString text;
    while (stream.readLineInto(&text)) {
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        line(text.split(QLatin1Char('\t')));
    }
    return true;
}

} // namespace

QString Gazetteer::defaultFolder()
{
    const QString folder = qEnvironmentVariable("CORVELLE_GAZETTEER_DIR");
    return folder.isEmpty() ? QStringLiteral("/usr/share/libtimezonemap/ui") : folder;
}

std::shared_ptr<const Gazetteer> Gazetteer::load(const QString& folder, QString* failedPath, QString* reason)
{
    // Region names by "CC.code", country names by alpha-2 code.
    QHash<QString, QString> regions;
    readTable(folder + QStringLiteral("/admin1Codes.txt"), [&](const QStringList& fields) {
        if (fields.size() >= 2)
            regions.insert(fields[0], fields[1]);
    }, nullptr);
    QHash<QString, QString> countries;
    readTable(folder + QStringLiteral("/countryInfo.txt"), [&](const QStringList& fields) {
        if (fields.size() >= 5)
            countries.insert(fields[0], fields[4]);
    }, nullptr);

    std::shared_ptr<Gazetteer> gazetteer(new Gazetteer);
    std::vector<QStringList> alternateNames;
    const QString townsPath = folder + QStringLiteral("/cities15000.txt");
    const bool read = readTable(townsPath, [&](const QStringList& fields) {
        // geonameid, name, asciiname, alternatenames, latitude, longitude, class, code,
        // country, cc2, admin1, admin2, admin3, admin4, population, ...
        if (fields.size() < 15)
            return;
        bool latitudeOK = false;
        bool longitudeOK = false;
        GazetteerPlace place;
        place.name = fields[1];
        place.latitude = fields[4].toDouble(&latitudeOK);
        place.longitude = fields[5].toDouble(&longitudeOK);
        if (!latitudeOK || !longitudeOK || place.name.isEmpty() || !Coordinate(place.latitude, place.longitude).isValid())
            return;
        place.population = fields[14].toLongLong();
        place.countryCode = fields[8];
        place.region = regions.value(fields[8] + QLatin1Char('.') + fields[10]);
        if (const auto country = Country::fromCode(place.countryCode); country && place.countryCode.size() == 2)
            place.countryName = country->englishName();
        else
            place.countryName = countries.value(place.countryCode);
        QStringList spellings{fields[2]};
        spellings += fields[3].split(QLatin1Char(','), Qt::SkipEmptyParts);
        gazetteer->places_.push_back(std::move(place));
        alternateNames.push_back(std::move(spellings));
    }, reason);
    if (!read || gazetteer->places_.empty()) {
        if (failedPath)
            *failedPath = townsPath;
        if (read && reason)
            *reason = QStringLiteral("no town in the file");
        return nullptr;
    }

    for (int i = 0; i < int(gazetteer->places_.size()); ++i) {
        QSet<QString> keys;
        keys.insert(searchKey(gazetteer->places_[i].name));
        for (const QString& spelling : alternateNames[i])
            keys.insert(searchKey(spelling));
        keys.remove(QString());
        for (const QString& key : std::as_const(keys))
            gazetteer->names_.emplace_back(key, i);
    }
    gazetteer->buildIndexes();
    return gazetteer;
}

void Gazetteer::buildIndexes()
{
    std::sort(names_.begin(), names_.end());
    cells_.assign(latitudeCells * longitudeCells, {});
    for (int i = 0; i < int(places_.size()); ++i)
        cells_[latitudeCell(places_[i].latitude) * longitudeCells + longitudeCell(places_[i].longitude)].push_back(i);
}

QString Gazetteer::searchKey(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QLatin1Char('-') || c.isSpace()) {
            if (!key.isEmpty() && !key.endsWith(QLatin1Char(' ')))
                key += QLatin1Char(' ');
            continue;
        }
        key += c;
    }
    return key.trimmed().toCaseFolded();
}

double Gazetteer::kilometresBetween(const Coordinate& a, const Coordinate& b)
{
    const double toRadians = std::numbers::pi / 180;
    const double dLatitude = (b.latitude() - a.latitude()) * toRadians;
    const double dLongitude = (b.longitude() - a.longitude()) * toRadians;
    const double h = std::sin(dLatitude / 2) * std::sin(dLatitude / 2)
                     + std::cos(a.latitude() * toRadians) * std::cos(b.latitude() * toRadians)
                           * std::sin(dLongitude / 2) * std::sin(dLongitude / 2);
    return 2 * earthRadiusKilometres * std::asin(std::min(1.0, std::sqrt(h)));
}

std::optional<int> Gazetteer::nearest(const Coordinate& coordinate, double maxKilometres) const
{
    if (!coordinate.isValid() || places_.empty())
        return std::nullopt;
    // Every cell that can hold a town within the distance: a degree of latitude is at least
    // 110.5 km, a degree of longitude that times the cosine of the farthest latitude reached.
    const double latitudeReach = maxKilometres / 110.5 + 1;
    const double farthest = std::min(89.9, std::abs(coordinate.latitude()) + latitudeReach);
    const double longitudeReach =
        std::min(180.0, latitudeReach / std::max(0.001, std::cos(farthest * std::numbers::pi / 180)) + 1);
    const int firstRow = latitudeCell(coordinate.latitude() - latitudeReach);
    const int lastRow = latitudeCell(coordinate.latitude() + latitudeReach);
    const int columns = std::min(longitudeCells, 2 * int(std::ceil(longitudeReach)) + 1);
    const int firstColumn = longitudeCell(coordinate.longitude() - std::ceil(longitudeReach));

    // A position between towns belongs to the bigger one sooner: the distance is divided by a
    // weight that grows with the number of people (a tenfold town counts one more). A town
    // beyond the reach is never chosen, however big.
    const auto weight = [](qint64 population) {
        return 1 + std::log10(std::max<double>(1, double(population) / 15000));
    };
    std::optional<int> best;
    double bestScore = std::numeric_limits<double>::infinity();
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int step = 0; step < columns; ++step) {
            const int column = (firstColumn + step) % longitudeCells;
            for (int index : cells_[row * longitudeCells + column]) {
                const double distance = kilometresBetween(coordinate, places_[index].coordinate());
                if (distance > maxKilometres)
                    continue;
                const double score = distance / weight(places_[index].population);
                if (score < bestScore) {
                    bestScore = score;
                    best = index;
                }
            }
        }
    }
    return best;
}

QList<int> Gazetteer::search(const QString& text, const std::optional<CoordinateRegion>& visible, int limit) const
{
    const QString key = searchKey(text);
    if (key.isEmpty() || limit <= 0)
        return {};
    QSet<int> found;
    auto it = std::lower_bound(names_.begin(), names_.end(), key,
                               [](const std::pair<QString, int>& entry, const QString& k) { return entry.first < k; });
    for (; it != names_.end() && it->first.startsWith(key); ++it)
        found.insert(it->second);

    QList<int> result(found.begin(), found.end());
    const auto rank = [&](int index) {
        const GazetteerPlace& place = places_[index];
        const bool inside = visible && visible->contains(place.coordinate());
        return std::make_tuple(!inside, -place.population, !searchKey(place.name).startsWith(key), index);
    };
    const auto byRank = [&](int a, int b) { return rank(a) < rank(b); };
    if (result.size() > limit) {
        std::partial_sort(result.begin(), result.begin() + limit, result.end(), byRank);
        result.resize(limit);
    } else {
        std::sort(result.begin(), result.end(), byRank);
    }
    return result;
}

QList<int> Gazetteer::named(const QString& text) const
{
    const QString key = searchKey(text);
    if (key.isEmpty())
        return {};
    const auto first = std::lower_bound(names_.begin(), names_.end(), std::make_pair(key, 0));
    QList<int> result;
    for (auto it = first; it != names_.end() && it->first == key; ++it)
        result << it->second;
    // Of towns as big, the one whose own name it is ("London" before "City of London").
    const auto rank = [&](int index) {
        return std::make_tuple(-places_[index].population, searchKey(places_[index].name) != key, index);
    };
    std::sort(result.begin(), result.end(), [&](int a, int b) { return rank(a) < rank(b); });
    return result;
}

} // namespace halvex
