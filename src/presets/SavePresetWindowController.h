#pragma once

#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <memory>

namespace Ui {
class SavePresetWindow;
}

namespace corvelle {

// The sheet that asks the name and the description of a new preset made of the selected tags.
// It ends with 1 on save and 0 on cancel; the caller keeps the entries meanwhile.
class SavePresetWindowController : public QDialog {
    Q_OBJECT

public:
    explicit SavePresetWindowController(QWidget* parent = nullptr);
    ~SavePresetWindowController() override;

    QString name() const;
    QString detail() const;

    brisa::DynamicTouchBar& dynamicTouchBar() { return touchBar_; }

public Q_SLOTS:
    void cancelSheet();
    void saveSheet();

private:
    std::unique_ptr<Ui::SavePresetWindow> ui_;
    brisa::DynamicTouchBar touchBar_;
};

} // namespace corvelle
