#pragma once

#include "editor/FileTextTableCellView.h"
#include "engine/ostrak/TagItem.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <functional>
#include <memory>

namespace halvex {
class TagEditor;
} // namespace halvex

namespace corvelle {

// The value of one tag of the file, read off the main thread and shown again whenever an applied
// edit of that tag touches the file. "-" until the value arrives, and when there is none.
class FileTagValueTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    explicit FileTagValueTableCellView(QWidget* parent = nullptr);

    virtual ostrak::TagItem displayedTagItem() const = 0;
    // Makes the text of an editor; it runs on a worker thread, so it holds no reference to the cell.
    using StringValueMaker = std::function<QString(const halvex::TagEditor& editor)>;
    virtual StringValueMaker makeStringValue() const = 0;

    void reloadValue();
    void updateContent() override;
    void startObserving() override;
    void stopObserving() override;

protected:
    // A fixed column titled by the tag.
    static FileTableColumn makeTagValueTableColumn(const QString& identifier, const ostrak::TagItem& item);
    // The tag's value as its converter reads it: a text, or a date shown in the short formats of
    // the user's locale; "-" for anything else.
    static QString plainText(const halvex::TagEditor& editor, const ostrak::TagItem& item);
    static QString dateTimeText(const halvex::TagEditor& editor, const ostrak::TagItem& item);

private:
    brisa::NoteSubscriber editionsManagerDidFlushHistorySubscriber_;
};

} // namespace corvelle
