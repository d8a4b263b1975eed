#include "platform/brisa/core/NotificationCenter.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>

namespace brisa {

struct NotificationCenter::Entry {
    Token token;
    QString name;
    const void* object;
    Handler handler;
    std::atomic<bool> active{true};
};

NotificationCenter::NotificationCenter() = default;
NotificationCenter::~NotificationCenter() = default;

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

NotificationCenter::Token NotificationCenter::addObserver(const QString& name, const void* object,
                                                          Handler handler)
{
    QMutexLocker lock(&mutex_);
    auto entry = std::make_shared<Entry>();
    entry->token = nextToken_++;
    entry->name = name;
    entry->object = object;
    entry->handler = std::move(handler);
    entries_.push_back(entry);
    return entry->token;
}

void NotificationCenter::removeObserver(Token token)
{
    QMutexLocker lock(&mutex_);
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if ((*it)->token == token) {
            // A delivery in progress may hold a copy of the entry: make sure it skips it.
            (*it)->active = false;
            entries_.erase(it);
            return;
        }
    }
}

int NotificationCenter::observerCount() const
{
    QMutexLocker lock(&mutex_);
    return int(entries_.size());
}

void NotificationCenter::post(const QString& name, const void* object, const QVariantMap& userInfo)
{
    post(Notification{name, object, userInfo});
}

void NotificationCenter::post(const Notification& note)
{
    auto* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        deliver(note);
        return;
    }
    QMetaObject::invokeMethod(app, [this, note] { deliver(note); }, Qt::QueuedConnection);
}

void NotificationCenter::deliver(const Notification& note)
{
    std::vector<std::shared_ptr<Entry>> matching;
    {
        QMutexLocker lock(&mutex_);
        for (const auto& entry : entries_) {
            if (entry->name == note.name && (!entry->object || entry->object == note.object))
                matching.push_back(entry);
        }
    }
    for (const auto& entry : matching) {
        if (entry->active)
            entry->handler(note);
    }
}

} // namespace brisa
