#include "map/LocationSearchEngine.h"

#include "engine/halvex/places/CoordinateParser.h"
#include "engine/halvex/places/CoordinateWriter.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "widgets/TextLocalizer.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace corvelle {

LocationSearchEngine::LocationSearchEngine(QObject* parent)
    : QObject(parent), searcher_(&LocationSearchEngine::defaultSearch)
{
    // One search at a time, as soon as it is asked for.
    queue_.setMaxThreadCount(1);
    queue_.setThreadPriority(QThread::HighPriority);
}

LocationSearchEngine::~LocationSearchEngine()
{
    // Searches still waiting skip their work; the running one is waited for.
    latest_->fetch_add(1);
    queue_.waitForDone();
}

std::optional<halvex::Location> LocationSearchEngine::placemark() const
{
    if (result_.places.isEmpty())
        return std::nullopt;
    return result_.places.first();
}

void LocationSearchEngine::search(const QString& text, const halvex::CoordinateRegion& region)
{
    const QString input = text.trimmed();
    if (input.isEmpty())
        return;
    start(input, std::nullopt, region);
}

void LocationSearchEngine::search(const halvex::Coordinate& coordinate, const halvex::CoordinateRegion& region)
{
    if (!coordinate.isValid())
        return;
    start(halvex::CoordinateWriter().DDddddd(coordinate), coordinate, region);
}

void LocationSearchEngine::cancel()
{
    if (!isSearching_)
        return;
    latest_->store(++generation_);
    isSearching_ = false;
    Q_EMIT stateChanged();
}

void LocationSearchEngine::start(const QString& input, const std::optional<halvex::Coordinate>& coordinate,
                                 const halvex::CoordinateRegion& region)
{
    // The same text twice while it is being searched: the running search answers it.
    if (isSearching_ && userInput_ == input)
        return;
    // A search still waiting for its turn skips its work.
    const quint64 generation = ++generation_;
    latest_->store(generation);
    userInput_ = input;
    isSearching_ = true;
    Q_EMIT stateChanged();

    auto* watcher = new QFutureWatcher<Result>(this);
    connect(watcher, &QFutureWatcher<Result>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        // Superseded or cancelled.
        if (generation != generation_)
            return;
        isSearching_ = false;
        Q_EMIT stateChanged();
        result_ = watcher->result();
        Q_EMIT placesChanged();
    });
    watcher->setFuture(QtConcurrent::run(&queue_, [searcher = searcher_, latest = latest_, generation, input,
                                                    coordinate, region] {
        if (latest->load() != generation)
            return Result();
        return searcher(input, coordinate, region);
    }));
}

LocationSearchEngine::Result LocationSearchEngine::defaultSearch(const QString& text,
                                                                 const std::optional<halvex::Coordinate>& clicked,
                                                                 const halvex::CoordinateRegion& region)
{
    Result result;
    const std::shared_ptr<halvex::Geocoder> geocoder = halvex::Geocoder::shared();
    std::optional<halvex::Coordinate> coordinate = clicked;
    if (!coordinate) {
        coordinate = halvex::CoordinateParser::coordinate(text);
        if (coordinate && !coordinate->isValid())
            coordinate.reset();
    }
    if (coordinate) {
        // The position stays as given; the geocoder only adds the address of the town there.
        result.isCoordinate = true;
        halvex::Location place(coordinate->latitude(), coordinate->longitude());
        if (geocoder) {
            if (const auto found = geocoder->reverseGeocode(*coordinate))
                place = place.withTextLocation(found->textLocation());
        }
        result.places << place;
        return result;
    }
    const auto gazetteer = std::dynamic_pointer_cast<halvex::GazetteerGeocoder>(geocoder);
    if (!gazetteer) {
        result.problem = localizedString(QStringLiteral("FindLocationNoGazetteer"));
        return result;
    }
    const QList<halvex::GazetteerPlace> towns = gazetteer->search(text, region, maxPlaces);
    if (towns.isEmpty())
        result.problem = gazetteer->loadError();
    for (const halvex::GazetteerPlace& town : towns)
        result.places << halvex::Location(town.latitude, town.longitude, std::nullopt, std::nullopt, std::nullopt,
                                          halvex::GazetteerGeocoder::address(town));
    return result;
}

} // namespace corvelle
