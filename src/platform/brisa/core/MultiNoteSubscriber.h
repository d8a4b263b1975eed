#pragma once

#include "platform/brisa/core/NotificationCenter.h"

#include <QList>
#include <QStringList>

namespace brisa {

// Observes several notification names on a centre, with one handler per subscription. Adding a
// name already observed from the same sender replaces that observation, so a note never
// reaches the owner twice. Everything stops on unsubscribe() and on destruction.
class MultiNoteSubscriber {
public:
    explicit MultiNoteSubscriber(NotificationCenter& center = NotificationCenter::defaultCenter());
    ~MultiNoteSubscriber();
    MultiNoteSubscriber(const MultiNoteSubscriber&) = delete;
    MultiNoteSubscriber& operator=(const MultiNoteSubscriber&) = delete;

    // Replaces every earlier observation with these names. `object` null observes every sender.
    void subscribe(const QStringList& names, const void* object, const NotificationCenter::Handler& handler);
    // Observes more names, keeping the earlier ones.
    void add(const QStringList& names, const void* object, const NotificationCenter::Handler& handler);
    void unsubscribe();
    bool isSubscribed() const { return !subscriptions_.isEmpty(); }

    // The observed names, in the order they were added.
    QStringList names() const;

private:
    struct Subscription {
        QString name;
        const void* object;
        NotificationCenter::Token token;
    };

    NotificationCenter& center_;
    QList<Subscription> subscriptions_;
};

} // namespace brisa
