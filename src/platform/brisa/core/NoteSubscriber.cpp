#include "platform/brisa/core/NoteSubscriber.h"

namespace brisa {

NoteSubscriber::NoteSubscriber(NotificationCenter& center)
    : center_(center)
{
}

NoteSubscriber::~NoteSubscriber()
{
    unsubscribe();
}

void NoteSubscriber::subscribe(const QString& name, const void* object,
                               NotificationCenter::Handler handler)
{
    unsubscribe();
    token_ = center_.addObserver(name, object, std::move(handler));
    name_ = name;
}

void NoteSubscriber::unsubscribe()
{
    if (token_)
        center_.removeObserver(*token_);
    token_.reset();
    name_.clear();
}

} // namespace brisa
