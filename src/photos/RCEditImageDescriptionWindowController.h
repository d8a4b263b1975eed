#pragma once

#include "photos/RCEditPropertyWindowController.h"

#include <memory>

namespace Ui {
class RCEditImageDescriptionWindow;
}

namespace corvelle {

// The sheet of the description a profile gives each file; an empty text erases it. Any edit
// of the text turns the switch on.
class RCEditImageDescriptionWindowController final : public RCEditPropertyWindowController {
    Q_OBJECT

public:
    explicit RCEditImageDescriptionWindowController(QWidget* parent = nullptr);
    ~RCEditImageDescriptionWindowController() override;

    QString nibName() const override { return QStringLiteral("RCEditImageDescriptionWindow"); }
    Ui::RCEditImageDescriptionWindow& ui() const { return *ui_; }

protected:
    void setupViews() override;
    void loadValue() override;
    void saveValue() override;

private:
    bool loading_ = false;
    std::unique_ptr<Ui::RCEditImageDescriptionWindow> ui_;
};

} // namespace corvelle
