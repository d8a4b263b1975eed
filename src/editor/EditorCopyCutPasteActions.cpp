#include "editor/EditorCopyCutPasteActions.h"

#include "editor/EditorViewController.h"
#include "editor/EditorWindowController.h"

namespace corvelle {

EditorCopyCutPasteActions::EditorCopyCutPasteActions(EditorWindowController& controller)
    : controller_(controller)
{
    setCommands({
        {QStringLiteral("cut:"), QStringLiteral("MainMenuCut"), QKeySequence::Cut, {}, [this] { return canCut(); }, {},
         [this] { cut(); }},
        {QStringLiteral("copy:"), QStringLiteral("MainMenuCopy"), QKeySequence::Copy, {}, [this] { return canCopy(); },
         {}, [this] { copy(); }},
        {QStringLiteral("paste:"), QStringLiteral("MainMenuPaste"), QKeySequence::Paste, {},
         [this] { return canPaste(); }, {}, [this] { paste(); }},
    });
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
