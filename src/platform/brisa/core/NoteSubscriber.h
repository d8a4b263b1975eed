#pragma once

#include "platform/brisa/core/NotificationCenter.h"

#include <optional>

namespace brisa {

// One observation of a notification name (optionally from one sender) on a centre. Subscribing
// again replaces the earlier observation; the observation stops on unsubscribe() and when the
// subscriber is destroyed, so a handler never outlives its owner. Used on the main thread.
class NoteSubscriber {
public:
    explicit NoteSubscriber(NotificationCenter& center = NotificationCenter::defaultCenter());
    ~NoteSubscriber();
    NoteSubscriber(const NoteSubscriber&) = delete;
    NoteSubscriber& operator=(const NoteSubscriber&) = delete;

    // `object` null observes every sender; otherwise only notes posted by that sender.
    void subscribe(const QString& name, const void* object, NotificationCenter::Handler handler);
    void unsubscribe();
    bool isSubscribed() const { return token_.has_value(); }

    QString name() const { return name_; }

private:
    NotificationCenter& center_;
    std::optional<NotificationCenter::Token> token_;
    QString name_;
};

} // namespace brisa
