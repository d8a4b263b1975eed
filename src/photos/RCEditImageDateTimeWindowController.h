#pragma once

#include "photos/RCEditPropertyWindowController.h"

#include <memory>

namespace Ui {
class RCEditImageDateTimeWindow;
}

namespace corvelle {

// The sheet of the date and time a profile gives each file; any change of the picker turns
// the switch on.
class RCEditImageDateTimeWindowController final : public RCEditPropertyWindowController {
    Q_OBJECT

public:
    explicit RCEditImageDateTimeWindowController(QWidget* parent = nullptr);
    ~RCEditImageDateTimeWindowController() override;

    QString nibName() const override { return QStringLiteral("RCEditImageDateTimeWindow"); }
    Ui::RCEditImageDateTimeWindow& ui() const { return *ui_; }

protected:
    void setupViews() override;
    void loadValue() override;
    void saveValue() override;

private:
    bool loading_ = false;
    std::unique_ptr<Ui::RCEditImageDateTimeWindow> ui_;
};

} // namespace corvelle
