#pragma once

#include <QString>

namespace corvelle {

// File-name extensions of the documents the stored libraries are exchanged in.
inline constexpr QLatin1String tagSetFileExtension{"cvtagset"};
inline constexpr QLatin1String tagSetsFileExtension{"cvtagsset"};
inline constexpr QLatin1String presetFileExtension{"cvpreset"};
inline constexpr QLatin1String presetsFileExtension{"cvpresets"};
inline constexpr QLatin1String remoteProfilesFileExtension{"rcprofiles"};
inline constexpr QLatin1String textFileExtension{"txt"};

} // namespace corvelle
