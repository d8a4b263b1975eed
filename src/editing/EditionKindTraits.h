#pragma once

#include "editing/EditionKind.h"
#include "editing/GenericEditionViewController.h"
#include "presets/FlatActionEdition.h"

#include <memory>

namespace corvelle {

// What a kind of value editor answers without an editor on screen, and how one is made: the
// table that the tag rows, the edition cache, the edit steps and the preset pages ask on the
// kind chosen for a tag.
struct EditionKindTraits {
    EditionKind kind;
    // The form of the editor.
    QString formName;
    ContentValue (*contentValue)(const halvex::TagValueTableRowValue& row);
    QList<FlatPresetEdition> (*supportedPresetEditions)();
    bool (*supportsInsertion)();
    ContentValue (*presetEditionContentValue)(const PresetEditionRowValue& row);
    // The supported preset editions as actions, then the date actions the kind adds.
    QList<FlatActionEdition> (*supportedActionEditions)();
    // A new editor with its view loaded.
    std::unique_ptr<GenericEditionViewController> (*make)(QWidget* parent);

    static const EditionKindTraits& of(EditionKind kind);

    // The editor chooser: the kind of editor that sets a value of this tag.
    static EditionKind editionViewControllerKind(const ostrak::TagItem& tagItem);
    // The kind of editor that changes a value of this tag by a preset action: the date action
    // editor for dates and times, else the chooser's.
    static EditionKind actionEditionViewControllerKind(const ostrak::TagItem& tagItem);
};

} // namespace corvelle
