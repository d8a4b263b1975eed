#pragma once

#include "engine/halvex/dates/DateEdition.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <memory>
#include <optional>

class QPushButton;

namespace Ui {
class UpdateDatesWindow;
}

namespace corvelle {

class DateTimeActionViewController;

// The sheet of the update-all-dates command: one date action editor (select a date, update or
// shift components). It writes nothing: once it ended with 1 its opener reads
// selectedDateEdition() and applies it to the date tags of the selected files. The sheet fits
// its height to the editor's fields as the user switches between the three kinds.
class UpdateDatesWindowController : public QDialog {
    Q_OBJECT

public:
    explicit UpdateDatesWindowController(QWidget* parent = nullptr);
    ~UpdateDatesWindowController() override;

    // The edition of the editor's selected kind; none without one.
    std::optional<halvex::DateEdition> selectedDateEdition() const;

    DateTimeActionViewController* actionViewController() const { return actionViewController_; }
    QPushButton* cancelButton() const;
    QPushButton* applyButton() const;
    brisa::DynamicTouchBar& dynamicTouchBar() { return dynamicTouchBar_; }

public Q_SLOTS:
    void cancelSheet();
    // Ends the typing in a field first, so that the number typed is part of the edition.
    void applySheet();

private:
    void setupTouchBar();

    std::unique_ptr<Ui::UpdateDatesWindow> ui_;
    DateTimeActionViewController* actionViewController_ = nullptr;
    brisa::DynamicTouchBar dynamicTouchBar_;
};

} // namespace corvelle
