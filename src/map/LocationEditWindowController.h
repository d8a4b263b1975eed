#pragma once

#include "engine/halvex/places/Location.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class LocationEditWindow;
}

class QLineEdit;
class QPushButton;

namespace corvelle {

// The sheet that edits one place by hand: latitude, longitude, altitude and direction as
// numbers, and the eight address parts. Save is enabled only while the latitude (−90 to 90)
// and the longitude (−180 to 180) are numbers in range, and the altitude and direction are
// empty or numbers (a direction from 0 to 360). Save rebuilds `location()` from the fields,
// keeping the starting location's date, and ends the sheet with 1; Cancel ends it with 0 and
// leaves `location()` as it was. An empty altitude, direction or address field removes that
// part.
class LocationEditWindowController : public QDialog {
    Q_OBJECT

public:
    explicit LocationEditWindowController(QWidget* parent = nullptr);
    ~LocationEditWindowController() override;

    const std::optional<halvex::Location>& location() const { return location_; }
    // A location equal to the current one changes nothing (typed text stays); another one is
    // loaded into the fields.
    void setLocation(const std::optional<halvex::Location>& location);

    // Whether the fields make a location; the reason when they do not.
    bool canApply() const;
    QString problem() const;

    void cancel();
    void apply();

    QLineEdit* latitudeField() const;
    QLineEdit* longitudeField() const;
    QLineEdit* altitudeField() const;
    QLineEdit* directionField() const;
    // The eight address fields, in the order of the location's parts.
    QList<QLineEdit*> addressFields() const;
    QPushButton* applyButton() const;
    QPushButton* cancelButton() const;
    brisa::DynamicTouchBar& touchBar() { return touchBar_; }

    // A number typed in the user's notation or with a point; none for anything else.
    static std::optional<double> number(const QString& text);

private:
    void loadLocation();
    void saveLocation();
    void updateControls();

    std::unique_ptr<Ui::LocationEditWindow> ui_;
    brisa::DynamicTouchBar touchBar_;
    std::optional<halvex::Location> location_;
};

} // namespace corvelle
