#pragma once

#include "engine/halvex/tags/MultiValuedString.h"
#include "engine/halvex/tags/TagValueTableRowValue.h"
#include "engine/ostrak/TagItem.h"

#include <QList>
#include <QMetaType>

#include <memory>

namespace halvex {

class TagEditor;

// The values of some tags over some editors, as an edition works on them: the value common to
// every tag of every file (one value, several, or none), whether any of them is edited, whether
// all can be written, and the enumerated choices every tag accepts. A value; editors are kept
// and compared by identity. Reached as TagValueTable::ValueSet.
class TagValueTableValueSet {
public:
    // No editors, no tags.
    TagValueTableValueSet() = default;
    // Reads the editors' current values.
    TagValueTableValueSet(QList<std::shared_ptr<TagEditor>> editors, QList<ostrak::TagItem> tagItems);
    // From rows already read over these editors, in row order.
    TagValueTableValueSet(QList<std::shared_ptr<TagEditor>> editors, const QList<TagValueTableRowValue>& rows);

    // Row order.
    const QList<ostrak::TagItem>& tagItems() const { return tagItems_; }
    // File order.
    const QList<std::shared_ptr<TagEditor>>& editors() const { return editors_; }
    const MultiValuedString& commonValue() const { return commonValue_; }
    // An edit is staged for one of the tags in one of the editors.
    bool isEdited() const { return isEdited_; }
    // There is at least one tag and each can be written into every file.
    bool isWritable() const { return isWritable_; }
    // The (stored value, description) pairs that every tag lists, in the first tag's order;
    // empty unless every tag is enumerated.
    const ostrak::TagItem::Choices& choices() const { return choices_; }

    // Tags by name, editors by identity, in order.
    friend bool operator==(const TagValueTableValueSet&, const TagValueTableValueSet&) = default;

private:
    QList<std::shared_ptr<TagEditor>> editors_;
    QList<ostrak::TagItem> tagItems_;
    MultiValuedString commonValue_ = MultiValuedString::none();
    bool isEdited_ = false;
    bool isWritable_ = false;
    ostrak::TagItem::Choices choices_;
};

} // namespace halvex

Q_DECLARE_METATYPE(halvex::TagValueTableValueSet)
