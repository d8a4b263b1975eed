#include "platform/brisa/core/MultiNoteSubscriber.h"

namespace brisa {

MultiNoteSubscriber::MultiNoteSubscriber(NotificationCenter& center)
    : center_(center)
{
}

MultiNoteSubscriber::~MultiNoteSubscriber()
{
    unsubscribe();
}

void MultiNoteSubscriber::subscribe(const QStringList& names, const void* object,
                                    const NotificationCenter::Handler& handler)
{
    unsubscribe();
    add(names, object, handler);
}

void MultiNoteSubscriber::add(const QStringList& names, const void* object,
                              const NotificationCenter::Handler& handler)
{
    for (const QString& name : names) {
        for (qsizetype i = subscriptions_.size() - 1; i >= 0; --i) {
            if (subscriptions_.at(i).name == name && subscriptions_.at(i).object == object) {
                center_.removeObserver(subscriptions_.at(i).token);
                subscriptions_.removeAt(i);
            }
        }
        subscriptions_.append({name, object, center_.addObserver(name, object, handler)});
    }
}

void MultiNoteSubscriber::unsubscribe()
{
    for (const Subscription& subscription : std::as_const(subscriptions_))
        center_.removeObserver(subscription.token);
    subscriptions_.clear();
}

QStringList MultiNoteSubscriber::names() const
{
    QStringList names;
    for (const Subscription& subscription : subscriptions_)
        names.append(subscription.name);
    return names;
}

} // namespace brisa
