#include "editor/LocalizedTaskText.h"

#include "widgets/TextLocalizer.h"

namespace corvelle {

QString localizedText(const halvex::LocalizedText& text)
{
    if (text.isEmpty())
        return {};
    if (text.arguments.isEmpty())
        return localizedString(text.key);
    return localizedString(text.key, text.arguments);
}

} // namespace corvelle
