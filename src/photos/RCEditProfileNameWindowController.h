#pragma once

#include "photos/RCEditPropertyWindowController.h"

#include <memory>

namespace Ui {
class RCEditProfileNameWindow;
}

namespace corvelle {

// The sheet of a profile's name; a blank name is stored empty.
class RCEditProfileNameWindowController final : public RCEditPropertyWindowController {
    Q_OBJECT

public:
    explicit RCEditProfileNameWindowController(QWidget* parent = nullptr);
    ~RCEditProfileNameWindowController() override;

    QString nibName() const override { return QStringLiteral("RCEditProfileNameWindow"); }
    Ui::RCEditProfileNameWindow& ui() const { return *ui_; }

protected:
    void setupViews() override;
    void loadValue() override;
    void saveValue() override;

private:

    std::unique_ptr<Ui::RCEditProfileNameWindow> ui_;
};

} // namespace corvelle
