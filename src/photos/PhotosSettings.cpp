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

namespace corvelle {

const Settings::StringKey& Settings::remoteLocationMapRegion()
{
    static const StringKey key(QStringLiteral("RCEditImageLocationWindowController"), [] { return QStringLiteral("20 0 1"); });
    return key;
}

} // namespace corvelle
