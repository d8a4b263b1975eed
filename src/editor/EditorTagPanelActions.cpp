#include "editor/EditorTagPanelActions.h"

#include "editor/EditorTagActions.h"
#include "editor/EditorViewController.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "tags/TagFilterOptionsWindowController.h"
#include "tags/TagListOptionsWindowController.h"
#include "tags/TagsSettings.h"

#include <QMainWindow>
#include <QPointer>

namespace corvelle {

EditorTagPanelActions::EditorTagPanelActions(EditorWindowController& controller)
    : controller_(controller)
{
    const auto row = [](const QString& command, std::function<bool()> isEnabled, std::function<void()> run) {
        return EditorCommand{command, menuTextKey(command), {}, {}, std::move(isEnabled), {}, std::move(run)};
    };
    setCommands({
        row(QStringLiteral("showTagSelectPanel:"), [this] { return canShowTagSelectPanel(); },
            [this] { showTagSelectPanel(); }),
        row(QStringLiteral("showTagFilterPanel:"), [this] { return canShowTagFilterPanel(); },
            [this] { showTagFilterPanel(); }),
        // The displayed tag list can be managed at any time, even with no file open.
        row(QStringLiteral("showTagManagePanel:"), [] { return true; }, [this] { showTagManagePanel(); }),
    });
}

bool EditorTagPanelActions::canShowTagSelectPanel() const
{
    const halvex::TagValueTable::Content content = controller_.tagValueTable()->content();
    return canShowTagFilterPanel() && !content.entries().isEmpty() && !content.editors().isEmpty();
}

bool EditorTagPanelActions::canShowTagFilterPanel() const
{
    return controller_.effectiveSection() == EditorContentSection::tags && controller_.metadataFileList()->hasFiles();
}

void EditorTagPanelActions::showTagSelectPanel()
{
    if (canShowTagSelectPanel())
        showFilterSheet(true);
}

void EditorTagPanelActions::showTagFilterPanel()
{
    if (canShowTagFilterPanel())
        showFilterSheet(false);
}

void EditorTagPanelActions::showFilterSheet(bool select)
{
    QWidget* window = controller_.window();
    if (!window)
        return;
    brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
    const auto& key = select ? Settings::lastTagSelection() : Settings::lastTagFilter();
    auto* sheet = new TagFilterOptionsWindowController(window);
    sheet->setObjectName(select ? QStringLiteral("tagSelectSheet") : QStringLiteral("tagFilterSheet"));
    sheet->setTagFilter(defaults.value(key));
    QPointer<TagFilterOptionsWindowController> weakSheet(sheet);
    QPointer<EditorWindowController> weakWindow(&controller_);
    const bool shown = brisa::SheetPresenter::presentSheet(window, sheet, [this, weakSheet, weakWindow, select, &key](int code) {
        if (!weakSheet)
            return;
        const halvex::TagValueTableFilter filter = weakSheet->tagFilter();
        weakSheet->deleteLater();
        if (code != 1 || !weakWindow)
            return;
        brisa::UserDefaults::standard().set(key, filter);
        if (select)
            selectTags(filter);
        else
            applyTagFilter(filter);
    });
    if (!shown)
        sheet->deleteLater();
}

void EditorTagPanelActions::applyTagFilter(const halvex::TagValueTableFilter& filter)
{
    halvex::TagValueTable* table = controller_.tagValueTable();
    halvex::TagValueTable::Request request = table->latestRequest();
    request.filter = filter;
    table->reload(request);
    if (EditorViewController* view = controller_.editorViewController())
        view->focusTagTable();
}

void EditorTagPanelActions::selectTags(const halvex::TagValueTableFilter& filter)
{
    halvex::TagValueTable* table = controller_.tagValueTable();
    const halvex::TagValueTable::Content content = table->content();
    const QList<halvex::TagValueTableEntry>& entries = content.entries();
    QList<int> rows;
    for (int index = 0; index < entries.size(); ++index) {
        if (entries.at(index).isRow() && filter.filter(entries.at(index).rowValue()))
            rows << index;
    }
    halvex::TagValueTable::Request request = table->latestRequest();
    request.selectedEntryIndexes = brisa::IndexSet(rows);
    table->reload(request);
    // The table takes the focus once it shows the new selection.
    controller_.tagActions().focusTagTableLater();
}

void EditorTagPanelActions::showTagManagePanel()
{
    QWidget* window = controller_.window();
    if (!window)
        return;
    auto* sheet = new TagListOptionsWindowController(window);
    QPointer<TagListOptionsWindowController> weakSheet(sheet);
    QPointer<EditorWindowController> weakWindow(&controller_);
    const bool shown = brisa::SheetPresenter::presentSheet(window, sheet, [weakSheet, weakWindow](int code) {
        if (weakSheet)
            weakSheet->deleteLater();
        if (code == 1 && weakWindow && weakWindow->editorViewController())
            weakWindow->editorViewController()->focusTagTable();
    });
    if (!shown)
        sheet->deleteLater();
}

} // namespace corvelle
