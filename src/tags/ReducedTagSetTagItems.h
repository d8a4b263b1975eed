#pragma once

#include "engine/ostrak/TagItem.h"
#include "tags/ReducedTagSetUserChoice.h"

#include <QList>

namespace corvelle {

// The tag items the pickers offer for the choice: every item of the tag database in its own
// order, or the items of the chosen or the popular tag set sorted by tag name (group, then name).
// Tags of a set that the database does not list are left out.
QList<ostrak::TagItem> reducedTagSetTagItems(ReducedTagSetUserChoice choice);

} // namespace corvelle
