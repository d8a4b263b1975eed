#pragma once

#include "engine/halvex/dates/DateEdition.h"
#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/TagName.h"

#include <QList>

#include <memory>

namespace halvex {

class TagEditor;

// Date tags are the writable tags whose type holds a date or a time. Derived (Composite) tags
// and the file system's dates are left out: they would write the same tags twice, or dates that
// are not the file's metadata and that Linux cannot all set.
bool isEditableDateTag(const ostrak::TagItem& tagItem);

// Applies the edition to the tag's current value (DateEdition::editedValue): the result is
// staged, or the tag is restored or cleared. A tag that is not a date tag, or whose value the
// edition cannot change (an update of a tag without a date), is left alone. Selecting a date for
// a tag the file lacks writes only the components the tag's type holds (a date stamp gets no
// time). Returns whether the editor changed.
bool editDate(TagEditor& editor, const DateEdition& edition, const ostrak::TagItem& tagItem);
// The same for each name, in order.
bool editDate(TagEditor& editor, const DateEdition& edition, const QList<ostrak::TagName>& tagNames);
bool editDate(const QList<std::shared_ptr<TagEditor>>& editors, const DateEdition& edition,
              const QList<ostrak::TagName>& tagNames);

// Copies the date of one tag into another date tag, in the form the target holds: a date stamp
// takes the date, a time tag the time, an EXIF date no zone. The GPS date and time stamps are
// UTC: a date whose zone is known (its own, or the EXIF offset tag that goes with it) is turned
// into UTC for them. Nothing happens when the source holds no date or the target is not a date
// tag. Returns whether the editor changed.
bool copyDate(TagEditor& editor, const ostrak::TagName& from, const ostrak::TagName& to);

} // namespace halvex
