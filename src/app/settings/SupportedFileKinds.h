#pragma once

#include "engine/halvex/tags/MediaKind.h"

#include <QList>

namespace corvelle {

// The kinds of file this application opens, in the order handed to the engine at start-up.
const QList<halvex::MediaKind>& supportedFileKinds();

} // namespace corvelle
