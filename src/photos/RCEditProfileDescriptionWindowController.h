#pragma once

#include "photos/RCEditPropertyWindowController.h"

#include <memory>

namespace Ui {
class RCEditProfileDescriptionWindow;
}

namespace corvelle {

// The sheet of a profile's own description, stored as typed.
class RCEditProfileDescriptionWindowController final : public RCEditPropertyWindowController {
    Q_OBJECT

public:
    explicit RCEditProfileDescriptionWindowController(QWidget* parent = nullptr);
    ~RCEditProfileDescriptionWindowController() override;

    QString nibName() const override { return QStringLiteral("RCEditProfileDescriptionWindow"); }
    Ui::RCEditProfileDescriptionWindow& ui() const { return *ui_; }

protected:
    void setupViews() override;
    void loadValue() override;
    void saveValue() override;

private:

    std::unique_ptr<Ui::RCEditProfileDescriptionWindow> ui_;
};

} // namespace corvelle
