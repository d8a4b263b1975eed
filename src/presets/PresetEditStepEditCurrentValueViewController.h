#pragma once

#include "presets/PresetEditStepViewController.h"

namespace corvelle {

class GenericEditionViewController;

// The settings page that sets a custom value, in the tag's own value editor.
class PresetEditStepEditCurrentValueViewController : public PresetEditStepViewController {
    Q_OBJECT

public:
    explicit PresetEditStepEditCurrentValueViewController(QWidget* parent = nullptr);
    ~PresetEditStepEditCurrentValueViewController() override;

    bool canContinueInEditorHost() const override { return true; }

    // The value editor the page hosts (a date action editor for date tags); none until loaded.
    GenericEditionViewController* editionViewController() const { return editionViewController_; }

private:
    GenericEditionViewController* editionViewController_ = nullptr;
};

} // namespace corvelle
