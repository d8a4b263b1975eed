#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace corvelle {

// One stored library of the tag engine as start-up loads it: how it is loaded (with what goes
// before and after), the key family of the alert shown when it cannot be read, and how it starts
// afresh. load() and reset() throw halvex::LibraryError naming the file and the reason.
class LaunchLibrary {
public:
    QString identifier;
    QString alertStem;
    std::function<void()> load;
    // Empties the library and stores it; the unreadable file is kept aside first, never lost.
    std::function<void()> reset;

    // Tag sets, presets, keywords, remote profiles, locations.
    static QList<LaunchLibrary> inLaunchOrder();
};

} // namespace corvelle
