#pragma once

#include "editor/EditorCommandFamily.h"

namespace corvelle {

class EditorWindowController;

// Copy, cut and paste of the editor window: the current section decides what they do.
class EditorCopyCutPasteActions : public EditorCommandFamily {
public:
    explicit EditorCopyCutPasteActions(EditorWindowController& controller);

    MenuValidation validateItem(const QString& action) const override;
    void perform(const QString& action) override;

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
