#pragma once

#include "engine/halvex/tags/MultiValuedString.h"
#include "engine/ostrak/TagItem.h"

#include <QList>
#include <QMetaType>
#include <QString>

#include <memory>

namespace halvex {

class TagEditor;

// One tag row of a value table: a tag over a list of editors, with the value the editors have in
// common (one value, several, or none), whether any editor has an edit staged for it, and whether
// it can be written into every one of the files. Reached as TagValueTable::RowValue.
class TagValueTableRowValue {
public:
    using ValueState = MultiValuedString::Kind;

    TagValueTableRowValue(ostrak::TagItem tagItem, MultiValuedString value, bool isEdited, bool isWritable);

    // Reads the rows of these tags, in order, from the editors' current values (edits included).
    // Each editor is read for all the tags at once, while its values are at hand.
    static QList<TagValueTableRowValue> read(const QList<ostrak::TagItem>& tagItems,
                                             const QList<std::shared_ptr<TagEditor>>& editors);

    const ostrak::TagItem& tagItem() const { return tagItem_; }
    const MultiValuedString& value() const { return value_; }
    ValueState valueState() const { return value_.kind(); }
    // The common value as ExifTool prints it; empty unless the state is one value.
    QString valueText() const { return value_.value().value_or(QString()); }
    bool isEdited() const { return isEdited_; }
    bool isWritable() const { return isWritable_; }

    friend bool operator==(const TagValueTableRowValue& a, const TagValueTableRowValue& b)
    {
        return a.tagItem_.tagName() == b.tagItem_.tagName() && a.value_ == b.value_
            && a.isEdited_ == b.isEdited_ && a.isWritable_ == b.isWritable_;
    }

private:
    ostrak::TagItem tagItem_;
    MultiValuedString value_;
    bool isEdited_ = false;
    bool isWritable_ = false;
};

} // namespace halvex

Q_DECLARE_METATYPE(halvex::TagValueTableRowValue)
