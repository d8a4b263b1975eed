#pragma once

#include <QString>

namespace brisa {
class UserDefaults;
}

namespace corvelle {

// Hands the settings to the two engines at launch: the supported media types, the backup
// folder, the QuickTime tag levels, the engine options and the XMP toolkit.
class EngineConfigurator {
public:
    static void configure(const brisa::UserDefaults& defaults);

    // "Backup" in the application's data folder; the temporary folder when there is no data
    // folder. Not created here.
    static QString backupFolderPath();
};

} // namespace corvelle
