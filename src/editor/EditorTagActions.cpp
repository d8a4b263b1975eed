#include "editor/EditorTagActions.h"

#include "editor/EditorFileActions.h"
#include "editor/EditorTagEditingPresenter.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagValueMarker.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/ValueConverter.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/WindowControl.h"
#include "tags/EditorTagBarController.h"
#include "tags/EditorTagsViewController.h"
#include "tags/SectionPopUpMenu.h"
#include "tags/TagPickerSheet.h"
#include "tags/TagStreamsPickerWindowController.h"
#include "tags/TagsSettings.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include <QMainWindow>
#include <QPointer>
#include <QTableView>
#include <QTimer>

namespace corvelle {

namespace {

using Editors = QList<std::shared_ptr<halvex::TagEditor>>;

// The pause before the table takes the focus after a new selection, so that it shows the
// selection first.
constexpr int focusDelay = 300;

void queue(std::function<void()> edition)
{
    halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>(std::move(edition)));
}

QList<ostrak::TagName> tagNamesOf(const QList<ostrak::TagItem>& items)
{
    QList<ostrak::TagName> names;
    for (const ostrak::TagItem& item : items)
        names << item.tagName();
    return names;
}

bool isDateRow(const halvex::TagValueTable::Entry& entry)
{
    return entry.isRow() && entry.rowValue().tagItem().type().isDateTimeOrPartial();
}

QList<ostrak::TagStream> familyStreams(EditorTagActions::Scope scope)
{
    switch (scope) {
    case EditorTagActions::Scope::exif:
        return {ostrak::TagStream::streamEXIF()};
    case EditorTagActions::Scope::iptc:
        return {ostrak::TagStream::streamIPTC()};
    case EditorTagActions::Scope::xmp:
        return {ostrak::TagStream::streamXMP()};
    case EditorTagActions::Scope::quicktime:
        return {ostrak::TagStream::streamQuickTime()};
    default:
        return {};
    }
}

} // namespace

EditorTagActions::EditorTagActions(EditorWindowController& controller)
    : controller_(controller)
{
    QList<EditorCommand> rows;
    const auto row = [&rows](const QString& name, std::function<bool()> isEnabled, std::function<void()> run,
                             const QKeySequence& shortcut = {}) {
        rows << EditorCommand{name, menuTextKey(name), shortcut, {}, std::move(isEnabled), {}, std::move(run)};
    };
    for (const GroupCommand& command : groupCommands()) {
        // The chosen-section commands are sent by the section items, each standing for its
        // section: they have no action of their own.
        const bool bySection = command.scope == Scope::chosenSection;
        rows << EditorCommand{command.name, bySection ? QString() : menuTextKey(command.name), {}, {},
                              [this, command] { return canActOnGroup(command, nullptr); }, {},
                              [this, command] { actOnGroup(command); }};
    }
    // These commands open the editing sheet or the sidebar, which must exist.
    row(QStringLiteral("syncSelectedDateTags:"),
        [this] { return canSyncSelectedDateTags() && EditorWindowController::tagEditingPresenter(); },
        [this] { syncDateTags(true); });
    row(QStringLiteral("syncDisplayedDateTags:"),
        [this] { return canSyncDisplayedDateTags() && EditorWindowController::tagEditingPresenter(); },
        [this] { syncDateTags(false); });
    const auto canOpenEditing = [this] { return canEditTableValue() && EditorWindowController::tagEditingPresenter(); };
    row(QStringLiteral("editSelectedTableValue:"), canOpenEditing, [this] { editSelectedTableValue(EditEntry::edit); },
        QKeySequence(QStringLiteral("Ctrl+E")));
    row(QStringLiteral("quickActionSelectedTableValue:"), canOpenEditing,
        [this] { editSelectedTableValue(EditEntry::quickAction); });
    row(QStringLiteral("rawEditSelectedTableValue:"), canOpenEditing,
        [this] { editSelectedTableValue(EditEntry::rawEdit); });
    row(QStringLiteral("restoreSelectedTableValue:"), [this] { return canRestoreTableValue(); },
        [this] { restoreSelectedTableValue(); });
    row(QStringLiteral("clearSelectedTableValue:"), [this] { return canForceOrClearTableValue(); },
        [this] { clearSelectedTableValue(); });
    row(QStringLiteral("forceSelectedTableValue:"), [this] { return canForceOrClearTableValue(); },
        [this] { forceSelectedTableValue(); });
    row(QStringLiteral("copySelectedTableValue:"), [this] { return canCopyTableValues(); },
        [this] { copySelectedTableValue(); });
    row(QStringLiteral("cutSelectedTableValue:"), [this] { return canCutTableValues(); },
        [this] { cutSelectedTableValue(); });
    row(QStringLiteral("pasteSelectedTableValue:"), [this] { return canPasteTableValues(); },
        [this] { pasteSelectedTableValue(); });
    row(QStringLiteral("clearAndPasteTags:"), [this] { return canPasteTags(); }, [this] { pasteTags(true); });
    row(QStringLiteral("pasteAndMergeTags:"), [this] { return canPasteTags(); }, [this] { pasteTags(false); },
        QKeySequence(QStringLiteral("Ctrl+Shift+V")));
    const QList<std::pair<const char*, TagSelection>> selections{
        {"selectPreviousTags:", TagSelection::previous}, {"selectNextTags:", TagSelection::next},
        {"selectAllTags:", TagSelection::all},           {"deselectAllTags:", TagSelection::none},
        {"invertTagSelection:", TagSelection::invert},   {"selectDateTags:", TagSelection::dates},
    };
    for (const auto& [name, selection] : selections)
        row(QString::fromLatin1(name), [this] { return canChangeTagSelection(); },
            [this, selection] { changeTagSelection(selection); });
    setCommands(rows);
}

const QList<EditorTagActions::GroupCommand>& EditorTagActions::groupCommands()
{
    static const QList<GroupCommand> commands = [] {
        QList<GroupCommand> made;
        const QList<std::pair<Operation, QString>> operations{
            {Operation::restore, QStringLiteral("restore")},
            {Operation::clear, QStringLiteral("clear")},
            {Operation::copy, QStringLiteral("copy")},
        };
        const QList<std::pair<Scope, QString>> scopes{
            {Scope::exif, QStringLiteral("EXIFTags:")},
            {Scope::iptc, QStringLiteral("IPTCTags:")},
            {Scope::xmp, QStringLiteral("XMPTags:")},
            {Scope::quicktime, QStringLiteral("QuicktimeTags:")},
            {Scope::selectedRows, QStringLiteral("SelectedTags:")},
            {Scope::displayedRows, QStringLiteral("DisplayedTags:")},
            {Scope::chosenSection, QStringLiteral("ChosenSection:")},
            {Scope::chosenStreams, QStringLiteral("ChosenStreams:")},
            {Scope::allStreams, QStringLiteral("AllStreams:")},
        };
        for (const auto& [operation, verb] : operations) {
            for (const auto& [scope, suffix] : scopes)
                made << GroupCommand{verb + suffix, operation, scope};
        }
        return made;
    }();
    return commands;
}

const Settings::TagStreamsKey& EditorTagActions::chosenStreamsKey(Operation operation)
{
    switch (operation) {
    case Operation::restore:
        return Settings::restoreTagsChosenStreams();
    case Operation::clear:
        return Settings::eraseTagsChosenStreams();
    case Operation::copy:
        break;
    }
    return Settings::copyTagsChosenStreams();
}

MenuValidation EditorTagActions::validateItem(const QString& action, QAction* item) const
{
    for (const GroupCommand& group : groupCommands()) {
        if (group.name == action && group.scope == Scope::chosenSection)
            return canActOnGroup(group, item) ? MenuValidation::enabled : MenuValidation::disabled;
    }
    return EditorCommandFamily::validateItem(action);
}

void EditorTagActions::perform(const QString& action, QAction* sender)
{
    for (const GroupCommand& group : groupCommands()) {
        if (group.name == action && group.scope == Scope::chosenSection) {
            actOnGroup(group, sender);
            return;
        }
    }
    EditorCommandFamily::perform(action);
}

// --- Rules

bool EditorTagActions::inTagsSection() const
{
    return controller_.effectiveSection() == EditorContentSection::tags;
}

bool EditorTagActions::isTableFree() const
{
    return !controller_.tagValueTable()->isLocked();
}

bool EditorTagActions::canActOnSelectedFiles() const
{
    return controller_.fileActions().canActOnSelectedFiles();
}

bool EditorTagActions::canClearTableValues() const
{
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    return inTagsSection() && !content.editors().isEmpty() && !content.selectedEntryIndexes().isEmpty();
}

bool EditorTagActions::canActOnDisplayedTags() const
{
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    return inTagsSection() && !content.editors().isEmpty() && !content.entries().isEmpty();
}

bool EditorTagActions::hasDateRow(bool selectedRowsOnly) const
{
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    if (!inTagsSection() || content.editors().isEmpty())
        return false;
    const QList<halvex::TagValueTable::Entry>& entries = content.entries();
    if (selectedRowsOnly) {
        for (int index : content.selectedEntryIndexes()) {
            if (index < entries.size() && isDateRow(entries.at(index)))
                return true;
        }
        return false;
    }
    return std::any_of(entries.begin(), entries.end(), isDateRow);
}

bool EditorTagActions::canSyncSelectedDateTags() const
{
    return hasDateRow(true);
}

bool EditorTagActions::canSyncDisplayedDateTags() const
{
    return hasDateRow(false);
}

bool EditorTagActions::canEditTableValue() const
{
    return inTagsSection() && isTableFree() && !controller_.tagValueTable()->content().selectedEntryIndexes().isEmpty();
}

bool EditorTagActions::canRestoreTableValue() const
{
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    return canForceOrClearTableValue() && content.valueSet().isEdited();
}

bool EditorTagActions::canForceOrClearTableValue() const
{
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    return inTagsSection() && isTableFree() && !content.selectedEntryIndexes().isEmpty()
        && content.valueSet().isWritable();
}

bool EditorTagActions::canCopyTableValues() const
{
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    return inTagsSection() && isTableFree() && content.valueSet().commonValue().kind() != halvex::MultiValuedString::Kind::multiple;
}

bool EditorTagActions::canCutTableValues() const
{
    return canCopyTableValues() && controller_.tagValueTable()->content().valueSet().isWritable();
}

bool EditorTagActions::canPasteTableValues() const
{
    // In the tags section only: elsewhere the selected rows are not on screen.
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    return inTagsSection() && isTableFree() && !content.selectedEntryIndexes().isEmpty()
        && content.valueSet().isWritable() && halvex::TagPasteboard::shared().text().has_value();
}

bool EditorTagActions::canPasteTags() const
{
    return canActOnSelectedFiles() && halvex::TagPasteboard::shared().hasCopiedTags();
}

bool EditorTagActions::canChangeTagSelection() const
{
    return inTagsSection() && !controller_.tagValueTable()->content().entries().isEmpty();
}

bool EditorTagActions::canActOnSection(const QAction* sectionItem) const
{
    if (!canActOnSelectedFiles())
        return false;
    // Asked without its item (a shortcut, a toolbar), the command is enabled by its rule alone;
    // performed, it needs the item of a section that lists tags.
    if (!sectionItem)
        return true;
    const std::optional<QList<ostrak::TagName>> names = SectionPopUpMenu::tagNamesOfSection(sectionItem);
    return names && !names->isEmpty();
}

bool EditorTagActions::canActOnGroup(const GroupCommand& command, const QAction* sectionItem) const
{
    switch (command.scope) {
    case Scope::selectedRows:
        return canClearTableValues();
    case Scope::displayedRows:
        return canActOnDisplayedTags();
    case Scope::chosenSection:
        return canActOnSection(sectionItem);
    default:
        return canActOnSelectedFiles();
    }
}

// --- Restore, clear and copy

void EditorTagActions::queueGroupEdition(Operation operation, const Editors& editorList,
                                         const QList<ostrak::TagStream>& streams, const QList<ostrak::TagName>& names,
                                         bool byStreams)
{
    const halvex::TagEditorList editors(editorList);
    queue([operation, editors, streams, names, byStreams] {
        switch (operation) {
        case Operation::restore:
            if (byStreams)
                editors.restoreValues(streams);
            else
                editors.setValue(halvex::TagValueRestore, names);
            break;
        case Operation::clear:
            if (byStreams)
                editors.clearValues(streams);
            else
                editors.setValue(halvex::TagValueClear, names);
            break;
        case Operation::copy:
            if (byStreams)
                editors.copyTags(streams);
            else
                editors.copyTags(names);
            break;
        }
    });
}

void EditorTagActions::actOnGroup(const GroupCommand& command, const QAction* sender)
{
    if (!canActOnGroup(command, command.scope == Scope::chosenSection ? sender : nullptr))
        return;
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    const Editors selectedEditors = controller_.metadataFileList()->selectedEditors();
    switch (command.scope) {
    case Scope::exif:
    case Scope::iptc:
    case Scope::xmp:
    case Scope::quicktime:
        queueGroupEdition(command.operation, selectedEditors, familyStreams(command.scope), {}, true);
        return;
    case Scope::selectedRows:
        queueGroupEdition(command.operation, content.editors(), {}, content.names(content.selectedEntryIndexes()), false);
        return;
    case Scope::displayedRows:
        queueGroupEdition(command.operation, content.editors(), {},
                          content.names(brisa::IndexSet::range(0, int(content.entries().size()))), false);
        return;
    case Scope::chosenSection: {
        if (!sender || !controller_.window() || !brisa::WindowControl::endEditing(controller_.window()))
            return;
        const std::optional<QList<ostrak::TagName>> names = SectionPopUpMenu::tagNamesOfSection(sender);
        if (!names || names->isEmpty())
            return;
        queueGroupEdition(command.operation, selectedEditors, {}, *names, false);
        return;
    }
    case Scope::chosenStreams: {
        QPointer<EditorWindowController> weakController(&controller_);
        const Operation operation = command.operation;
        chooseStreams(controller_, chosenStreamsKey(operation),
                      [this, weakController, operation](const QList<ostrak::TagStream>& streams) {
                          if (!weakController || streams.isEmpty())
                              return;
                          // The files selected when the choice is applied.
                          queueGroupEdition(operation, weakController->metadataFileList()->selectedEditors(), streams,
                                            {}, true);
                      });
        return;
    }
    case Scope::allStreams:
        queueGroupEdition(command.operation, selectedEditors, ostrak::TagStream::allCases(), {}, true);
        return;
    }
}

void EditorTagActions::chooseStreams(EditorWindowController& controller, const Settings::TagStreamsKey& key,
                                     std::function<void(const QList<ostrak::TagStream>& streams)> applied)
{
    QWidget* window = controller.window();
    if (!window)
        return;
    auto* picker = new TagStreamsPickerWindowController;
    // A stored list that does not decode reads as the key's default.
    picker->selectTagStreams(brisa::UserDefaults::standard().value(key));
    picker->setInstructions(localizedString(QStringLiteral("SelectSeveralTagStreamsPickerTitle")));
    QPointer<TagStreamsPickerWindowController> weakPicker(picker);
    TagPickerSheet::presentOnce(window, picker, [weakPicker, &key, applied = std::move(applied)] {
        if (!weakPicker)
            return;
        const QList<ostrak::TagStream> streams = weakPicker->selectedTagStreams();
        brisa::UserDefaults::standard().set(key, streams);
        applied(streams);
    });
}

// --- The selected table value

void EditorTagActions::restoreSelectedTableValue()
{
    if (!canRestoreTableValue())
        return;
    const halvex::TagValueTable::ValueSet valueSet = controller_.tagValueTable()->content().valueSet();
    queue([valueSet] {
        halvex::TagEditorList::Values values;
        for (const ostrak::TagItem& item : valueSet.tagItems())
            values.insert(item.tagName(), halvex::TagValueRestore);
        halvex::TagEditorList(valueSet.editors()).setValues(values);
    });
}

void EditorTagActions::clearSelectedTableValue()
{
    if (!canForceOrClearTableValue())
        return;
    const halvex::TagValueTable::ValueSet valueSet = controller_.tagValueTable()->content().valueSet();
    queue([valueSet] {
        halvex::TagEditorList::Values values;
        for (const ostrak::TagItem& item : valueSet.tagItems())
            values.insert(item.tagName(), halvex::TagValueClear);
        halvex::TagEditorList(valueSet.editors()).setValues(values);
    });
}

void EditorTagActions::forceSelectedTableValue()
{
    if (!canForceOrClearTableValue())
        return;
    const halvex::TagValueTable::ValueSet valueSet = controller_.tagValueTable()->content().valueSet();
    queue([valueSet] { halvex::TagEditorList(valueSet.editors()).forceValues(tagNamesOf(valueSet.tagItems())); });
}

void EditorTagActions::copySelectedTableValue()
{
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    if (!canCopyTableValues() || content.selectedEntryIndexes().isEmpty())
        return;
    const halvex::MultiValuedString& common = content.valueSet().commonValue();
    // Several values leave the pasteboard as it was; no value is the empty text.
    if (common.kind() != halvex::MultiValuedString::Kind::multiple)
        halvex::TagPasteboard::shared().setText(common.value().value_or(QString()));
}

void EditorTagActions::cutSelectedTableValue()
{
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    if (!canCutTableValues() || content.selectedEntryIndexes().isEmpty())
        return;
    const halvex::TagValueTable::ValueSet valueSet = content.valueSet();
    halvex::TagPasteboard::shared().setText(valueSet.commonValue().value().value_or(QString()));
    queue([valueSet] {
        halvex::TagEditorList(valueSet.editors()).setValue(halvex::TagValueClear, tagNamesOf(valueSet.tagItems()));
    });
}

void EditorTagActions::pasteSelectedTableValue()
{
    if (!canPasteTableValues())
        return;
    const halvex::TagValueTable::ValueSet valueSet = controller_.tagValueTable()->content().valueSet();
    // The text is read when the task runs: a cut or copy queued before it is seen.
    queue(halvex::TagPasteboard::shared().pasteTextWhenRun([valueSet](const QString& text) {
        const halvex::TagEditorList editors(valueSet.editors());
        for (const ostrak::TagItem& item : valueSet.tagItems()) {
            // A tag whose converter refuses the text keeps its value.
            if (const std::optional<QString> value = ostrak::ValueConverter(item).stringValueFromStringValue(text))
                editors.setValue(value, item.tagName());
        }
    }));
}

// --- Pasting copied tags

void EditorTagActions::pasteTags(bool clearOther)
{
    if (!canPasteTags())
        return;
    const halvex::TagEditorList editors(controller_.metadataFileList()->selectedEditors());
    queue([editors, clearOther] { editors.pasteTags(clearOther); });
}

// --- The tag rows' selection

brisa::IndexSet EditorTagActions::newSelection(TagSelection selection, const halvex::TagValueTable::Content& content)
{
    const QList<halvex::TagValueTable::Entry>& entries = content.entries();
    const int count = int(entries.size());
    const brisa::IndexSet& selected = content.selectedEntryIndexes();
    switch (selection) {
    case TagSelection::previous: {
        const int first = selected.isEmpty() ? 0 : selected.first();
        for (int index = std::min(first, count) - 1; index >= 0; --index) {
            if (entries.at(index).isRow())
                return brisa::IndexSet{index};
        }
        return brisa::IndexSet{0};
    }
    case TagSelection::next: {
        const int start = selected.isEmpty() ? 1 : selected.last() + 1;
        for (int index = start; index < count; ++index) {
            if (entries.at(index).isRow())
                return brisa::IndexSet{index};
        }
        return brisa::IndexSet{count - 1};
    }
    case TagSelection::all:
        return brisa::IndexSet::range(0, count);
    case TagSelection::none:
        return {};
    case TagSelection::invert: {
        brisa::IndexSet inverted;
        for (int index = 0; index < count; ++index) {
            if (!selected.contains(index))
                inverted.insert(index);
        }
        return inverted;
    }
    case TagSelection::dates: {
        brisa::IndexSet dates;
        for (int index = 0; index < count; ++index) {
            if (isDateRow(entries.at(index)))
                dates.insert(index);
        }
        return dates;
    }
    }
    return {};
}

void EditorTagActions::changeTagSelection(TagSelection selection)
{
    if (!canChangeTagSelection())
        return;
    halvex::TagValueTable* table = controller_.tagValueTable();
    const halvex::TagValueTable::Content content = table->content();
    halvex::TagValueTable::Request request = content.request();
    request.selectedEntryIndexes = newSelection(selection, content);
    table->reload(request);
    if (selection == TagSelection::dates)
        focusTagTableLater();
}

void EditorTagActions::focusTagTableLater()
{
    QPointer<EditorWindowController> weakController(&controller_);
    QTimer::singleShot(focusDelay, &controller_, [weakController] {
        if (!weakController)
            return;
        auto* tagsView = qobject_cast<EditorTagsViewController*>(weakController->editorViewController());
        if (!tagsView || !tagsView->tagBarController())
            return;
        tagsView->tagBarController()->valueTableView()->setFocus(Qt::OtherFocusReason);
        tagsView->centreSelectedTagRow();
    });
}

// --- Opening the tag editing

void EditorTagActions::syncDateTags(bool selectedRowsOnly)
{
    EditorTagEditingPresenter* presenter = EditorWindowController::tagEditingPresenter();
    if (!presenter || !hasDateRow(selectedRowsOnly))
        return;
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    const QList<halvex::TagValueTable::Entry>& entries = content.entries();
    QList<ostrak::TagItem> items;
    const brisa::IndexSet rows =
        selectedRowsOnly ? content.selectedEntryIndexes() : brisa::IndexSet::range(0, int(entries.size()));
    for (int index : rows) {
        if (index < entries.size() && isDateRow(entries.at(index)))
            items << entries.at(index).rowValue().tagItem();
    }
    if (content.editors().isEmpty() || items.isEmpty())
        return;
    presenter->presentEditingSheet(controller_, halvex::TagValueTable::ValueSet(content.editors(), items), std::nullopt);
}

void EditorTagActions::editSelectedTableValue(EditEntry entry)
{
    EditorTagEditingPresenter* presenter = EditorWindowController::tagEditingPresenter();
    if (!presenter || !canEditTableValue())
        return;
    const halvex::TagValueTable::ValueSet valueSet = controller_.tagValueTable()->content().valueSet();
    if (valueSet.editors().isEmpty())
        return;
    const std::optional<EditorTagEditingPresenter::Step> step =
        entry == EditEntry::quickAction ? std::optional(EditorTagEditingPresenter::Step::actionSelection)
        : entry == EditEntry::rawEdit   ? std::optional(EditorTagEditingPresenter::Step::rawEdition)
                                        : std::nullopt;
    if (!presenter->hasSidebar(controller_)) {
        presenter->presentEditingSheet(controller_, valueSet, step);
        return;
    }
    if (!step) {
        presenter->focusSidebarStep(controller_);
        return;
    }
    const std::optional<halvex::TagValueTable::ValueSet> sidebarValues = presenter->sidebarValueSet(controller_);
    if (sidebarValues && sidebarValues->isWritable())
        presenter->showSidebarStep(controller_, *step);
}

} // namespace corvelle
