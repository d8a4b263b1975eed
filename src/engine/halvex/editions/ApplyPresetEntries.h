#pragma once

#include "engine/halvex/kit/LocalizedText.h"
#include "engine/halvex/libraries/PresetItem.h"

#include <QList>

#include <memory>

namespace halvex {

class TagEditor;

// Stages the entries of a preset, in order, in each tag editor: an entry sees what the entries
// before it did. Nothing is written to the files until they are saved. Safe on any thread, as
// long as no other edit of the same editors runs meanwhile (edition tasks run one at a time).
// The whole call is one edition (EditionManager): called directly it flushes its history once,
// inside an edition task (ApplyPresetTask) it joins the task's.
//
// What each edition does with the entry's tag:
// - keep: nothing.
// - remove, restore: stages the tag's removal; drops the tag's edits.
// - lowercase, uppercase, capitalize (each word's first letter in capitals, the others small),
//   trim white space: each item of a list value, or the text of a single value.
// - sort ascending, descending: the items of a list value, ignoring case, numbers in numeric
//   order ("2" before "10"); a single value has nothing to sort.
// - copy: the other tag's value in the same file, raw (ExifTool's -n form) or pretty (printed),
//   as it is now (edits included). A list goes into a list tag item by item, and into a single
//   tag joined with ", ". Nothing happens when the other tag has no value or holds binary data.
// - custom value: the value; into a list tag it is read as a list ("a, b" is two items). On a
//   date tag, the description() of a DateEdition is applied to the tag's date instead.
// - search and replace: in each item of a list value, or in the text of a single value.
// Prepend and append put the new value before or after the current one (items before or after
// the current items of a list); with no current value, the new value alone is set.
//
// A list value stays a list: an item holding ", " ("lake, evening") stays one item. A value that
// becomes empty (an empty replacement, a text trimmed to nothing) removes the tag, as an empty
// value is never written; empty items leave a list. Text actions pass over a tag without value
// and a tag holding binary data; entries on a tag the file format cannot write do nothing, but
// restore.
//
// Returns the problems met, each once: a search pattern that is no valid regular expression
// (its entry then changes nothing).
QList<LocalizedText> applyPresetEntries(const QList<std::shared_ptr<TagEditor>>& editors,
                                        const QList<PresetItem::Entry>& entries);

} // namespace halvex
