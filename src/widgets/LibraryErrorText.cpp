#include "widgets/LibraryErrorText.h"

#include "engine/halvex/libraries/LibraryError.h"
#include "widgets/TextLocalizer.h"

#include <QStringList>

namespace corvelle {

QString libraryErrorText(const halvex::LibraryError& error)
{
    QStringList parts;
    for (const halvex::LocalizedText& text : error.texts())
        parts << (text.arguments.isEmpty() ? localizedString(text.key) : localizedString(text.key, text.arguments));
    return parts.join(QLatin1Char(' '));
}

} // namespace corvelle
