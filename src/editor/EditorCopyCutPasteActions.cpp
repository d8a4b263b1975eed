#include "editor/EditorCopyCutPasteActions.h"

#include "editor/EditorViewController.h"
#include "editor/EditorWindowController.h"

namespace corvelle {

EditorCopyCutPasteActions::EditorCopyCutPasteActions(EditorWindowController& controller)
    : controller_(controller)
{
}

MenuValidation EditorCopyCutPasteActions::validateItem(const QString& action) const
{
    auto answer = [](bool enabled) { return enabled ? MenuValidation::enabled : MenuValidation::disabled; };
    if (action == QLatin1String("copy:"))
        return answer(canCopy());
    if (action == QLatin1String("cut:"))
        return answer(canCut());
    if (action == QLatin1String("paste:"))
        return answer(canPaste());
    return MenuValidation::notMine;
}

void EditorCopyCutPasteActions::perform(const QString& action)
{
    if (action == QLatin1String("copy:"))
        copy();
    else if (action == QLatin1String("cut:"))
        cut();
    else if (action == QLatin1String("paste:"))
        paste();
}

bool EditorCopyCutPasteActions::canCopy() const
{
    const EditorViewController* child = controller_.editorViewController();
    return child && child->canCopy();
}

bool EditorCopyCutPasteActions::canCut() const
{
    const EditorViewController* child = controller_.editorViewController();
    return child && child->canCut();
}

bool EditorCopyCutPasteActions::canPaste() const
{
    const EditorViewController* child = controller_.editorViewController();
    return child && child->canPaste();
}

void EditorCopyCutPasteActions::copy()
{
    if (canCopy())
        controller_.editorViewController()->copy();
}

void EditorCopyCutPasteActions::cut()
{
    if (canCut())
        controller_.editorViewController()->cut();
}

void EditorCopyCutPasteActions::paste()
{
    if (canPaste())
        controller_.editorViewController()->paste();
}

} // namespace corvelle
