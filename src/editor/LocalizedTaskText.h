#pragma once

#include "engine/halvex/kit/LocalizedText.h"
#include "engine/halvex/tasks/TaskMessage.h"

#include <QString>

namespace corvelle {

// The text of an engine text: its key localised with its arguments; empty without a key.
QString localizedText(const halvex::LocalizedText& text);

// What a task message tells the user: its reason, which names the file.
inline QString localizedDescription(const halvex::TaskMessage& message)
{
    return localizedText(message.reason);
}

} // namespace corvelle
