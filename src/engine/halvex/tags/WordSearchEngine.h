#pragma once

#include "engine/halvex/tags/SearchWords.h"

#include <QList>
#include <QObject>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace halvex {

// Word search over a list, one search at a time on a worker thread of its own. The engine itself
// lives on the main thread: search(), the callbacks and every read of its state happen there.
//
// `Request` holds the typed text (`string`), the list searched (`elements()`) and an optional
// extra predicate (`filter`, called on the worker thread, so it must hold no state of a window);
// its static `matches(element, words)` tells whether an element holds the words.
//
// A new search drops the one still waiting; a search under way finishes and delivers. Results
// reach the main thread through its event queue, in the order of the searches, and the worker
// never waits for them; the engine keeps searching until the result of its latest request has
// arrived. An engine destroyed with a search under way stops it and delivers nothing more.
template<class Request>
class WordSearchEngine {
public:
    using Element = typename Request::Element;

    WordSearchEngine()
        : shared_(std::make_shared<Shared>())
        , receiver_(std::make_unique<QObject>())
    {
    }

    ~WordSearchEngine()
    {
        if (!worker_.joinable())
            return;
        {
            const std::lock_guard<std::mutex> lock(shared_->mutex);
            shared_->stopping = true;
            shared_->pending.reset();
        }
        shared_->wake.notify_one();
        worker_.join();
    }

    WordSearchEngine(const WordSearchEngine&) = delete;
    WordSearchEngine& operator=(const WordSearchEngine&) = delete;

    // The last request handed to search(), or the initial one.
    const Request& request() const { return request_; }
    // True from search() until the result of the latest search has arrived.
    bool isSearching() const { return deliveredSearch_ != lastSearch_; }
    // The last delivered result list; empty before the first.
    const QList<Element>& results() const { return results_; }

    // Called when searching starts and whenever a result arrives, before it is stored.
    void onStateChange(std::function<void()> handler) { onStateChange_ = std::move(handler); }
    // Called once a result list is stored.
    void onResultChange(std::function<void()> handler) { onResultChange_ = std::move(handler); }

    void search(Request request)
    {
        request_ = request;
        const quint64 number = ++lastSearch_;
        {
            const std::lock_guard<std::mutex> lock(shared_->mutex);
            shared_->pending = std::make_pair(number, std::move(request));
        }
        if (!worker_.joinable())
            worker_ = std::thread(&WordSearchEngine::work, shared_, receiver_.get(), this);
        shared_->wake.notify_one();
        if (onStateChange_)
            onStateChange_();
    }

    // The elements of the request that hold its words, in the request's order, that pass its
    // filter. `stop` is polled now and then; when it answers true the result is incomplete.
    static QList<Element> resultOf(const Request& request, const std::function<bool()>& stop = {})
    {
        const SearchWords words(request.string);
        QList<Element> found;
        int polled = 0;
        for (const Element& element : request.elements()) {
            if (stop && ++polled % 1024 == 0 && stop())
                break;
            if (!words.isEmpty() && !Request::matches(element, words))
                continue;
            if (request.filter && !request.filter(element))
                continue;
            found.append(element);
        }
        return found;
    }

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable wake;
        std::optional<std::pair<quint64, Request>> pending;
        bool stopping = false;
    };

    static void work(std::shared_ptr<Shared> shared, QObject* receiver, WordSearchEngine* engine)
    {
        const auto stopping = [&shared] {
            const std::lock_guard<std::mutex> lock(shared->mutex);
            return shared->stopping;
        };
        for (;;) {
            std::pair<quint64, Request> next;
            {
                std::unique_lock<std::mutex> lock(shared->mutex);
                shared->wake.wait(lock, [&shared] { return shared->stopping || shared->pending.has_value(); });
                if (shared->stopping)
                    return;
                next = std::move(*shared->pending);
                shared->pending.reset();
            }
            QList<Element> found = resultOf(next.second, stopping);
            if (stopping())
                return;
            // The receiver outlives this thread (the engine joins it first), and a queued call to a
            // receiver deleted meanwhile is dropped by Qt.
            QMetaObject::invokeMethod(
                receiver,
                [engine, number = next.first, found = std::move(found)]() mutable { engine->deliver(number, std::move(found)); },
                Qt::QueuedConnection);
        }
    }

    void deliver(quint64 number, QList<Element> found)
    {
        deliveredSearch_ = number;
        if (onStateChange_)
            onStateChange_();
        results_ = std::move(found);
        if (onResultChange_)
            onResultChange_();
    }

    Request request_;
    QList<Element> results_;
    quint64 lastSearch_ = 0;
    quint64 deliveredSearch_ = 0;
    std::function<void()> onStateChange_;
    std::function<void()> onResultChange_;
    std::shared_ptr<Shared> shared_;
    std::unique_ptr<QObject> receiver_;
    std::thread worker_;
};

} // namespace halvex
