#include "tags/TagEditingPresenter.h"

#include "editing/TagEditingWindowController.h"
#include "editing/TagValueSyncWindowController.h"
#include "editor/EditorWindowController.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/WindowControl.h"
#include "tags/EditorTagSidebarController.h"
#include "tags/EditorTagsViewController.h"

#include <QMainWindow>
#include <QPointer>

namespace corvelle {

EditorTagSidebarController* TagEditingPresenter::sidebar(const EditorWindowController& window)
{
    auto* section = qobject_cast<EditorTagsViewController*>(window.editorViewController());
    if (!section || !section->tagSidebarController() || section->sidebarController() != section->tagSidebarController())
        return nullptr;
    return section->tagSidebarController();
}

void TagEditingPresenter::presentEditingSheet(EditorWindowController& window, const ValueSet& valueSet,
                                              std::optional<Step> step)
{
    QWidget* host = window.editorViewController();
    if (!host)
        host = window.window();
    TagEditingWindowController::present(host, EditorEditionCache(valueSet), step);
}

bool TagEditingPresenter::hasSidebar(EditorWindowController& window) const
{
    return sidebar(window) != nullptr;
}

void TagEditingPresenter::focusSidebarStep(EditorWindowController& window)
{
    if (EditorTagSidebarController* controller = sidebar(window))
        controller->focus();
}

std::optional<TagEditingPresenter::ValueSet> TagEditingPresenter::sidebarValueSet(EditorWindowController& window) const
{
    EditorTagSidebarController* controller = sidebar(window);
    if (!controller)
        return std::nullopt;
    return controller->cache().valueSet();
}

void TagEditingPresenter::showSidebarStep(EditorWindowController& window, Step step)
{
    EditorTagSidebarController* controller = sidebar(window);
    if (!controller)
        return;
    brisa::WindowControl::forceEndEditing(controller);
    controller->showStep(step, true);
}

void TagEditingPresenter::presentTagCopiesSheet(EditorWindowController& window, const QList<halvex::TagSyncPair>& copies,
                                                TagCopiesCompletion completion)
{
    QWidget* host = window.window();
    if (!host)
        return;
    auto* sheet = new TagValueSyncWindowController(host);
    sheet->setTagCopies(copies);
    QPointer<TagValueSyncWindowController> weakSheet(sheet);
    const bool shown = brisa::SheetPresenter::presentSheet(host, sheet, [weakSheet, completion](int returnCode) {
        if (!weakSheet)
            return;
        const QList<halvex::TagSyncPair> chosen = weakSheet->tagCopies();
        weakSheet->deleteLater();
        if (completion)
            completion(returnCode == 1 ? std::optional<QList<halvex::TagSyncPair>>(chosen) : std::nullopt);
    });
    if (!shown)
        delete sheet;
}

} // namespace corvelle
