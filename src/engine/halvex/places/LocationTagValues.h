#pragma once

#include "engine/halvex/places/Location.h"
#include "engine/ostrak/TagName.h"

#include <QList>
#include <QString>

#include <utility>

namespace halvex {

// The tag values that writing a location sets, computed in memory without any file: the tags of
// every family that can hold a place, with their texts, sorted by tag group, then by tag name.
// Tags the location would remove (a part it lacks) are not listed.
QList<std::pair<ostrak::TagName, QString>> locationTagValues(const Location& location);

} // namespace halvex
