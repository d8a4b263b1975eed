#pragma once

#include "editor/EditorCommandFamily.h"

namespace corvelle {

class EditorWindowController;

// Copy, cut and paste of the editor window: the current section decides what they do.
class EditorCopyCutPasteActions : public EditorCommandFamily {
public:
    explicit EditorCopyCutPasteActions(EditorWindowController& controller);

    bool canCopy() const;
    bool canCut() const;
    bool canPaste() const;
    void copy();
    void cut();
    void paste();

private:
    EditorWindowController& controller_;
};

} // namespace corvelle
