#pragma once

#include "platform/brisa/core/Notification.h"

#include <QMutex>

#include <functional>
#include <memory>
#include <vector>

namespace brisa {

// The application's notification centre.
//
// A post made on the main thread reaches its observers synchronously, inside the posting call,
// so observers read the poster's new state (file list and library notifications rely on this).
// A post made on any other thread is queued to the main thread and delivered there, so handlers
// always run on the main thread. Observers may add or remove observers, and post, from a handler.
class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;
    using Token = quint64;

    NotificationCenter();
    ~NotificationCenter();
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    static NotificationCenter& defaultCenter();

    // `object` null observes every sender. Returns a token for removeObserver().
    Token addObserver(const QString& name, const void* object, Handler handler);
    void removeObserver(Token token);

    void post(const Notification& note);
    void post(const QString& name, const void* object = nullptr, const QVariantMap& userInfo = {});

    int observerCount() const;

private:
    struct Entry;
    void deliver(const Notification& note);

    mutable QMutex mutex_;
    std::vector<std::shared_ptr<Entry>> entries_;
    Token nextToken_ = 1;
};

} // namespace brisa
