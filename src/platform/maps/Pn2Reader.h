#pragma once

#include "platform/maps/GeoPolygon.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace maps {

// Reads the compact polygon files (".pn2") the Natural Earth layers of the offline base map come
// in. All numbers are big-endian:
//
//   file:     version (u8, 2), polygon count (u32), has-colour flag (u8)
//   polygon:  kind (u8: 0 line, 1 ring, 2 outer boundary, 3 inner boundary), feature id (u32),
//             colour index (u8, only with the flag), absolute node count (u32), its nodes
//   group:    kind (u8, 4), feature id (u32), colour index (u8, only with the flag), part
//             count (u8), then that many polygons without a colour index: the parts of one
//             feature, each with its colour
//   absolute: latitude (i16), longitude (i16), relative node count (u16)
//   relative: latitude offset (i8), longitude offset (i8), from the absolute node before them
//
// The polygon count counts polygons, not groups. Positions are in half arc minutes (1/120
// degree). A file that ends early, or whose numbers are out of range, is refused with the
// reason; nothing of it is returned.
class Pn2Reader {
public:
    static std::optional<QList<GeoPolygon>> read(const QString& path, QString* error = nullptr);
    // The same for bytes already read; `name` is what the error names.
    static std::optional<QList<GeoPolygon>> parse(const QByteArray& data, const QString& name, QString* error = nullptr);

    static constexpr int supportedVersion = 2;
    static constexpr double unitsPerDegree = 120;
};

} // namespace maps
