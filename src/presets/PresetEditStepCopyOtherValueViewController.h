#pragma once

#include "presets/PresetEditStepViewController.h"

namespace corvelle {

// The settings page that copies another tag's value into the edited tag.
class PresetEditStepCopyOtherValueViewController : public PresetEditStepViewController {
    Q_OBJECT

public:
    explicit PresetEditStepCopyOtherValueViewController(QWidget* parent = nullptr);
    ~PresetEditStepCopyOtherValueViewController() override;

    bool canContinueInEditorHost() const override { return true; }
};

} // namespace corvelle
