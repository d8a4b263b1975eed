#pragma once

#include "presets/PresetEditPropertyWindowController.h"

namespace Ui {
class PresetEditNameWindow;
}

class QLineEdit;

namespace corvelle {

// The sheet that renames a preset group or a preset; a blank name is stored empty, and the
// lists then show the untitled name.
class PresetEditNameWindowController : public PresetEditPropertyWindowController {
    Q_OBJECT

public:
    explicit PresetEditNameWindowController(QWidget* parent = nullptr);
    ~PresetEditNameWindowController() override;

    QLineEdit* valueTextField() const;

protected:
    void loadValues() override;
    void applyValues() override;

private:
    std::unique_ptr<Ui::PresetEditNameWindow> ui_;
};

} // namespace corvelle
