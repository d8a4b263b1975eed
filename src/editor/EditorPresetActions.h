#pragma once

#include "editor/EditorCommandFamily.h"

#include <memory>

namespace halvex {
class PresetItem;
} // namespace halvex

namespace corvelle {

class EditorWindowController;

// The preset commands of the editor window: applying the preset that a preset menu item stands
// for to the selected files, and saving the values of the selected tags as a new preset.
class EditorPresetActions : public EditorCommandFamily {
public:
    explicit EditorPresetActions(EditorWindowController& controller);

    using EditorCommandFamily::perform;
    using EditorCommandFamily::validateItem;
    MenuValidation validateItem(const QString& action, QAction* item) const override;
    void perform(const QString& action, QAction* sender) override;

    // A preset was chosen and a section other than raw shows a selection.
    bool canApplyPreset(const std::shared_ptr<halvex::PresetItem>& preset) const;
    // One edition task over the selected files' editors.
    void applyPreset(const std::shared_ptr<halvex::PresetItem>& preset);
    // The tags section shows tags of some files, and some of them are selected.
    bool canSavePreset() const;
    // Asks a name and a description in the save-preset sheet, then adds a preset holding one
    // custom-value entry per selected tag whose files agree on one value.
    void savePreset();

private:
    EditorWindowController& controller_;
};

} // namespace corvelle
