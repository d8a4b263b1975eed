#include "photos/PhotosSettings.h"

#include <QStandardPaths>

namespace corvelle {

const Settings::CGFloatKey& Settings::photoCollectionZoom()
{
    static const CGFloatKey key(QStringLiteral("PhotoCollectionZoom"), [] { return 0.8; });
    return key;
}

const Settings::StringKey& Settings::photoLibraryFolder()
{
    static const StringKey key(QStringLiteral("PhotoLibraryFolder"), [] {
        return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    });
    return key;
}

} // namespace corvelle
