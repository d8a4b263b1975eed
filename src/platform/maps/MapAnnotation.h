#pragma once

#include "engine/halvex/places/Coordinate.h"

#include <QColor>
#include <QString>
#include <QVariant>

#include <optional>

namespace maps {

// A pin of the map view: where, its title (empty: none), its colour, its rank (a pin of higher
// priority is drawn over the others and answers a click first), an optional viewing direction
// in degrees clockwise from north, whether it stands for a selected item, and the owner's
// value that names the item.
struct MapAnnotation {
    halvex::Coordinate coordinate{0, 0};
    QString title;
    QColor tint = QColor(0xe0, 0x3a, 0x2f);
    int priority = 0;
    std::optional<double> direction;
    bool isSelected = false;
    QVariant identifier;
};

} // namespace maps
