#include "filebrowser/FileBrowserSettings.h"

namespace corvelle {

const Settings::BoolKey& Settings::quickLookIsPinned()
{
    static const BoolKey key(QStringLiteral("QuickLookIsPinned"), [] { return true; });
    return key;
}

} // namespace corvelle
