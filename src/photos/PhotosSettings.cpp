#include "photos/PhotosSettings.h"

namespace corvelle {

const Settings::CGFloatKey& Settings::photoCollectionZoom()
{
    static const CGFloatKey key(QStringLiteral("PhotoCollectionZoom"), [] { return 0.8; });
    return key;
}

} // namespace corvelle
