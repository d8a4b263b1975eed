#pragma once

#include "engine/kelvane/RawPreview.h"

#include <QByteArray>

#include <optional>

namespace kelvane {

// Previews of raw camera files through LibRaw. Thread-safe: every call works on its own
// decoder, so the thumbnail queue may run several at once.
class LibRawUtility {
public:
    // The thumbnail-size picture: the preview the camera embedded, else a half-size demosaic of
    // the sensor data. None for data LibRaw cannot read (not a raw file, or damaged).
    static std::optional<RawPreview> preview4FromData(const QByteArray& data);
    // The large picture: the embedded preview when it is at least as large as a half-size
    // demosaic would be, else that demosaic (the small embedded preview when demosaicing fails).
    static std::optional<RawPreview> preview2FromData(const QByteArray& data);
};

} // namespace kelvane
