#pragma once

#include "editor/EditorCommandFamily.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/ostrak/TagStream.h"
#include "widgets/settings/SettingsKeyTypes.h"

#include <QList>
#include <QString>

#include <functional>

class QAction;

namespace brisa {
class IndexSet;
} // namespace brisa

namespace corvelle {

class EditorWindowController;

// The Tags menu's commands on tags: restore, clear and copy of tag groups (a family, the selected
// or displayed rows, a section, chosen streams, every stream), the selected table value (edit,
// restore, clear, force, copy, cut, paste), pasting copied tags into the selected files, the tag
// rows' selection and the date synchronisation.
//
// Each command checks its rule again before it acts; an edit is one edition task on the shared
// task manager, which captures the editors and names when the command runs.
class EditorTagActions : public EditorCommandFamily {
public:
    enum class Operation { restore, clear, copy };
    enum class Scope { exif, iptc, xmp, quicktime, selectedRows, displayedRows, chosenSection, chosenStreams, allStreams };
    // One restore, clear or copy command: which operation, over which tags.
    struct GroupCommand {
        QString name;
        Operation operation;
        Scope scope;
    };
    enum class TagSelection { previous, next, all, none, invert, dates };
    enum class EditEntry { edit, quickAction, rawEdit };

    explicit EditorTagActions(EditorWindowController& controller);

    // The 27 restore, clear and copy commands.
    static const QList<GroupCommand>& groupCommands();
    // The streams last chosen for an operation over chosen streams.
    static const Settings::TagStreamsKey& chosenStreamsKey(Operation operation);
    // The stream picker over the window, preset with the streams stored under `key`; when it is
    // applied the choice is stored there (also an empty one) and handed to `applied`.
    static void chooseStreams(EditorWindowController& controller, const Settings::TagStreamsKey& key,
                              std::function<void(const QList<ostrak::TagStream>& streams)> applied);

    // The rows a selection command selects in `content`.
    static brisa::IndexSet newSelection(TagSelection selection, const halvex::TagValueTable::Content& content);

    using EditorCommandFamily::perform;
    using EditorCommandFamily::validateItem;
    MenuValidation validateItem(const QString& action, QAction* item) const override;
    void perform(const QString& action, QAction* sender) override;

    // --- Rules

    bool canActOnSelectedFiles() const;
    bool canClearTableValues() const;
    bool canActOnDisplayedTags() const;
    bool canSyncSelectedDateTags() const;
    bool canSyncDisplayedDateTags() const;
    bool canEditTableValue() const;
    bool canRestoreTableValue() const;
    bool canForceOrClearTableValue() const;
    bool canCopyTableValues() const;
    bool canCutTableValues() const;
    bool canPasteTableValues() const;
    bool canPasteTags() const;
    bool canChangeTagSelection() const;

    // --- Commands

    // `sender` is the section item for the chosen-section commands.
    void actOnGroup(const GroupCommand& command, const QAction* sender = nullptr);
    void restoreSelectedTableValue();
    void clearSelectedTableValue();
    void forceSelectedTableValue();
    void copySelectedTableValue();
    void cutSelectedTableValue();
    void pasteSelectedTableValue();
    void pasteTags(bool clearOther);
    void changeTagSelection(TagSelection selection);
    void syncDateTags(bool selectedRowsOnly);
    void editSelectedTableValue(EditEntry entry);
    // A moment later, once the new selection shows, the tags section's value table takes the
    // focus with its first selected row centred; nothing in another section.
    void focusTagTableLater();

private:
    bool inTagsSection() const;
    bool isTableFree() const;
    bool canActOnSection(const QAction* sectionItem) const;
    bool canActOnGroup(const GroupCommand& command, const QAction* sectionItem) const;
    bool hasDateRow(bool selectedRowsOnly) const;
    void queueGroupEdition(Operation operation, const QList<std::shared_ptr<halvex::TagEditor>>& editors,
                           const QList<ostrak::TagStream>& streams, const QList<ostrak::TagName>& names,
                           bool byStreams);

    EditorWindowController& controller_;
};

} // namespace corvelle
