#pragma once

#include "photos/RCEditPropertyWindowController.h"

#include <memory>

namespace Ui {
class RCEditImageFilenameWindow;
}

namespace corvelle {

// The sheet of the name a profile gives each file (its title): none, the file's current
// name, or a custom name (an empty one erases the title).
class RCEditImageFilenameWindowController final : public RCEditPropertyWindowController {
    Q_OBJECT

public:
    explicit RCEditImageFilenameWindowController(QWidget* parent = nullptr);
    ~RCEditImageFilenameWindowController() override;

    QString nibName() const override { return QStringLiteral("RCEditImageFilenameWindow"); }
    Ui::RCEditImageFilenameWindow& ui() const { return *ui_; }

    // The user chose to keep the current name, or not.
    void changeOriginalName();
    // The user edited the custom name.
    void changeCustomName();
protected:
    void setupViews() override;
    void loadValue() override;
    void saveValue() override;

private:

    std::unique_ptr<Ui::RCEditImageFilenameWindow> ui_;
};

} // namespace corvelle
