#pragma once

#include "presets/PresetEditPropertyWindowController.h"

namespace Ui {
class PresetEditDescriptionWindow;
}

class QPlainTextEdit;

namespace corvelle {

// The sheet that edits the description of a preset group or a preset. Its text view keeps an undo
// history of its own, which never reaches the window behind the sheet.
class PresetEditDescriptionWindowController : public PresetEditPropertyWindowController {
    Q_OBJECT

public:
    explicit PresetEditDescriptionWindowController(QWidget* parent = nullptr);
    ~PresetEditDescriptionWindowController() override;

    QPlainTextEdit* valueTextView() const;

protected:
    void loadValues() override;
    void applyValues() override;

private:
    std::unique_ptr<Ui::PresetEditDescriptionWindow> ui_;
};

} // namespace corvelle
