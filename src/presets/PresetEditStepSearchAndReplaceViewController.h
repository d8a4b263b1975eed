#pragma once

#include "presets/PresetEditStepViewController.h"

namespace corvelle {

// The settings page that searches a text in the value and replaces it.
class PresetEditStepSearchAndReplaceViewController : public PresetEditStepViewController {
    Q_OBJECT

public:
    explicit PresetEditStepSearchAndReplaceViewController(QWidget* parent = nullptr);
    ~PresetEditStepSearchAndReplaceViewController() override;

    bool canContinueInEditorHost() const override { return true; }
};

} // namespace corvelle
