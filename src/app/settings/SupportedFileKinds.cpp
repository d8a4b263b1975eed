#include "app/settings/SupportedFileKinds.h"

namespace corvelle {

const QList<halvex::MediaKind>& supportedFileKinds()
{
    using halvex::MediaKind;
    static const QList<MediaKind> kinds{MediaKind::movie, MediaKind::audio, MediaKind::sidecar,
                                        MediaKind::other};
    return kinds;
}

} // namespace corvelle
