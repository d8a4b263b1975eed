#pragma once

#include <QString>
#include <QUrl>

namespace corvelle {

// The short user guide shipped inside the program, shown in the desktop's browser.
class UserGuide {
public:
    // Writes the guide into the cache folder (a browser cannot read the program's resources)
    // and answers its file URL; empty when it could not be written.
    static QUrl writeToCache();
    // Opens the guide; false when it could not be written or no browser took it.
    static bool open();
};

} // namespace corvelle
