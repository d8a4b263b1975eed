#pragma once

#include <QString>

namespace corvelle {

// The shell's calls into the tag engine's preset library. Each throws halvex::LibraryError
// naming the file and the reason.
class PresetLibrary {
public:
    // Loads the stored presets and selects the first group alone (none without groups).
    static void load();
    // Empties the library and stores it, keeping an unreadable file aside.
    static void reset();
    // Adds the groups of a preset file after the library's groups, then stores the library.
    static void importFile(const QString& path);
};

} // namespace corvelle
