#pragma once

#include "engine/halvex/places/CoordinateRegion.h"
#include "engine/halvex/places/Location.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace corvelle {

// Turns a line of text into places, off the main thread, one search at a time. Text that reads
// as coordinates in any notation the editor knows gives that very position, with the address
// of the town there when the geocoder knows one; other text gives the towns of that name, those
// in the visible region first. A click on a map is searched the same way from its coordinate.
//
// A new search makes a waiting one skip its work and supersedes the running one: the superseded search's
// places are never reported, and the engine stays searching until the newest one ends. The
// same text is not searched twice while its search runs; once it has ended, it can be again.
// stateChanged() is sent whenever a search starts or the engine turns idle; placesChanged()
// after a search has ended and its places are in place. Everything is reported on the thread
// the engine lives on, the main thread.
class LocationSearchEngine : public QObject {
    Q_OBJECT

public:
    struct Result {
        // The input read as a position: the one place is that position.
        bool isCoordinate = false;
        QList<halvex::Location> places;
        // Why nothing could be searched (the list of places is missing or unreadable); empty
        // when the search ran.
        QString problem;
    };
    // Runs on the worker thread; answers the places of the text in the region. The default
    // reads coordinates and asks the installed geocoder.
    using Searcher = std::function<Result(const QString& text, const std::optional<halvex::Coordinate>& coordinate,
                                          const halvex::CoordinateRegion& region)>;

    static constexpr int maxPlaces = 20;

    explicit LocationSearchEngine(QObject* parent = nullptr);
    ~LocationSearchEngine() override;

    void setSearcher(Searcher searcher) { searcher_ = std::move(searcher); }

    bool isSearching() const { return isSearching_; }
    // The text of the latest search; none before the first.
    const std::optional<QString>& userInput() const { return userInput_; }
    // The outcome of the latest search that ended.
    const Result& result() const { return result_; }
    // Its first place; none when it found nothing.
    std::optional<halvex::Location> placemark() const;

    // Blank text is ignored.
    void search(const QString& text, const halvex::CoordinateRegion& region);
    // Searches the position itself, kept to the last digit.
    void search(const halvex::Coordinate& coordinate, const halvex::CoordinateRegion& region);
    // Drops the running search, if any: its places are not reported.
    void cancel();

    // The places of a text as the default searcher finds them.
    static Result defaultSearch(const QString& text, const std::optional<halvex::Coordinate>& coordinate,
                                const halvex::CoordinateRegion& region);

Q_SIGNALS:
    void stateChanged();
    void placesChanged();

private:
    void start(const QString& input, const std::optional<halvex::Coordinate>& coordinate,
               const halvex::CoordinateRegion& region);

    Searcher searcher_;
    QThreadPool queue_;
    bool isSearching_ = false;
    std::optional<QString> userInput_;
    Result result_;
    // Counts the searches started; only the newest one's result is taken.
    quint64 generation_ = 0;
    // The newest generation, read by the worker: a search that is no longer the newest when its
    // turn comes does no work.
    std::shared_ptr<std::atomic<quint64>> latest_ = std::make_shared<std::atomic<quint64>>(0);
};

} // namespace corvelle
