#pragma once

#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/GenericTable.h"
#include "engine/halvex/tags/TagValueTableContent.h"
#include "engine/halvex/tags/TagValueTableEntry.h"
#include "engine/halvex/tags/TagValueTableFilter.h"
#include "engine/halvex/tags/TagValueTableReloadType.h"
#include "engine/halvex/tags/TagValueTableRequest.h"
#include "engine/halvex/tags/TagValueTableRowValue.h"
#include "engine/halvex/tags/TagValueTableValueSet.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/core/Notification.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QObject;

namespace halvex {

class TagEditor;

// The tag rows of the tag table: the tags of one tag-set domain over the selected files' editors,
// each with the value the files have in common, its edited and writable state and the display
// content the request's row provider makes for it, under the set's section headings.
//
// A main-thread object. reload() builds the content at once, on the main thread, and then posts
// didReloadNotification (object: the table) on brisa::NotificationCenter::defaultCenter(), so the
// content is new when the note arrives; called from another thread, reload() is carried out on
// the main thread later. Building reads each editor once per row under the editor's read lock
// (a large selection on several cores while the main thread waits) and never asks ExifTool; the
// row provider is asked, on the main thread, only for rows whose value changed.
//
// The table also reloads by itself, with its latest request: after an edit of its domain's tag
// set, and after every applied edition that changed one of its editors (the edition history's
// flush).
class TagValueTable : public GenericTable<TagValueTableRequest, TagValueTableContent> {
public:
    using Entry = TagValueTableEntry;
    using RowValue = TagValueTableRowValue;
    using ValueSet = TagValueTableValueSet;
    using Filter = TagValueTableFilter;
    using ReloadType = TagValueTableReloadType;
    using RowContentProvider = TagValueTableRequest::RowContentProvider;

    static const QString didReloadNotification;

    // What a reload note says changed; none for a note that names no kind (or any other note),
    // which calls for a full reload.
    static std::optional<ReloadType> reloadType(const brisa::Notification& note);

    // Builds the first content, without a note.
    explicit TagValueTable(Request request, TagSetManager& tagSets = TagSetManager::shared(),
                           TaskManager& tasks = TaskManager::shared());
    ~TagValueTable() override;
    TagValueTable(const TagValueTable&) = delete;
    TagValueTable& operator=(const TagValueTable&) = delete;

    Content content() const override;
    Request latestRequest() const override;
    // The note's kind: reselect when only the selection changed; changedEntries with the rows
    // whose value or content changed when the entries and the selection stayed; else reloadAll.
    // The request's selection names positions in the current content; when the entries change,
    // the same tags stay selected wherever they now stand.
    void reload(const Request& request) override;

    // While true, actions on the selected values wait: an edition is queued or running while the
    // table shows editors, so the values shown are about to change.
    bool isLocked() const;

    // Called when an applied edition changed these editors: the table reloads its latest request
    // when it shows one of them. With the names the edition changed, and no filter that could
    // hide or show rows, only the rows of those tags are read again. To be called from the
    // edition history's flush note.
    void reloadAfterEdition(const QList<const TagEditor*>& editedEditors,
                            const std::optional<QList<ostrak::TagName>>& editedTagNames = std::nullopt);

private:
    Content build(const Request& request, const Content* previous) const;
    // Reads the rows of these tags again over the same editors, keeping every other entry.
    void refreshRows(const QSet<ostrak::TagName>& tagNames);
    // Runs `work` now on the main thread, else queues it there.
    void onMainThread(std::function<void()> work);

    TagSetManager& tagSets_;
    TaskManager& tasks_;
    Content content_;
    brisa::NoteSubscriber tagSetsSubscriber_;
    brisa::NoteSubscriber editionsSubscriber_;
    std::unique_ptr<QObject> mainThreadContext_;
};

} // namespace halvex
