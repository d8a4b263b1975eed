#pragma once

#include "editor/FileTextTableCellView.h"
#include "engine/ostrak/TagItem.h"

namespace halvex {
class TagEditor;
} // namespace halvex

namespace corvelle {

// The value of one tag of the file, read off the main thread and read again whenever an applied
// edit touches the file. "-" until the value arrives, and when there is none.
class FileTagValueTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    using FileTextTableCellView::FileTextTableCellView;

    virtual ostrak::TagItem displayedTagItem() const = 0;
    virtual StringValueMaker makeStringValue() const = 0;

    QString text(const QModelIndex& index) const override { return deferredText(index, makeStringValue()); }

protected:
    // A fixed column titled by the tag.
    static FileTableColumn makeTagValueTableColumn(const QString& identifier, const ostrak::TagItem& item);
    // The tag's value as its converter reads it: a text, or a date shown in the short formats of
    // the user's locale; "-" for anything else.
    static QString plainText(const halvex::TagEditor& editor, const ostrak::TagItem& item);
    static QString dateTimeText(const halvex::TagEditor& editor, const ostrak::TagItem& item);
};

} // namespace corvelle
