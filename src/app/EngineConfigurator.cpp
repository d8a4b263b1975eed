#include "app/EngineConfigurator.h"

#include "app/settings/SupportedFileKinds.h"
#include "engine/halvex/kit/KitSettings.h"
#include "engine/halvex/libraries/LibraryFile.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "engine/halvex/tags/MediaType.h"
#include "engine/ostrak/ETSettings.h"
#include "filemodel/settings/EditionSettings.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QDir>
#include <QStandardPaths>

namespace corvelle {

QString EngineConfigurator::backupFolderPath()
{
    if (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).isEmpty())
        return QDir::tempPath();
    return halvex::LibraryFile::dataPath(QStringLiteral("Backup"));
}

void EngineConfigurator::configure(const brisa::UserDefaults& defaults)
{
    QSet<halvex::MediaType> types = halvex::MediaType::types(supportedFileKinds());
    types.remove(halvex::MediaType::typeFolder());

    // A folder that cannot be made is reported when a save needs it, not here.
    const QString backupFolder = backupFolderPath();
    QDir().mkpath(backupFolder);

    ostrak::ETSettings& etSettings = ostrak::ETSettings::shared();
    etSettings.setBackupFolder(backupFolder);
    etSettings.setQuickTimeKeysLevel(defaults.value(Settings::userQuickTimeKeysLevel()));
    etSettings.setQuickTimeItemListLevel(defaults.value(Settings::userQuickTimeItemListLevel()));
    etSettings.setQuickTimeUserDataLevel(defaults.value(Settings::userQuickTimeUserDataLevel()));

    halvex::KitSettings& kitSettings = halvex::KitSettings::shared();
    const QString suitePath = brisa::UserDefaults::suite().filePath();
    kitSettings.setUserDefaultsSuitePath(suitePath.isEmpty() ? brisa::UserDefaults::standard().filePath() : suitePath);
    kitSettings.setEngineOptions(halvex::EngineOption::all);
    kitSettings.setSupportedMediaTypes(types);
    kitSettings.setXmpToolkit(defaults.value(Settings::editionUserChoiceXMPToolkit()));

    // Addresses from positions and back, offline; the towns are read at the first question.
    if (!halvex::Geocoder::shared())
        halvex::Geocoder::setShared(std::make_shared<halvex::GazetteerGeocoder>());
}

} // namespace corvelle
