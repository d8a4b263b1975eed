#include "widgets/settings/GPSFormatGeneralUserChoice.h"

namespace corvelle {

QString title(GPSFormatGeneralUserChoice format)
{
    return brisa::rawValue(format);
}

GPSFormatGeneralUserChoice defaultGPSFormat()
{
    // Movie and audio tags write positions in ISO 6709, and the application handles no
    // image kind (see supportedFileKinds()).
    return GPSFormatGeneralUserChoice::formatISO6709;
}

} // namespace corvelle
