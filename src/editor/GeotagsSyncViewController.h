#pragma once

#include <QWidget>

class QLineEdit;

namespace corvelle {

// The fields of the geotag import panel: the time zone the camera clock was set to, as hours,
// minutes and seconds east of UTC, preset to this computer's zone now. The label says it is a
// zone, not a correction of a wrong clock.
class GeotagsSyncViewController : public QWidget {
    Q_OBJECT

public:
    explicit GeotagsSyncViewController(QWidget* parent = nullptr);

    QLineEdit* hhTextField() const { return hh_; }
    QLineEdit* mmTextField() const { return mm_; }
    QLineEdit* ssTextField() const { return ss_; }

    // Fills the fields from the zone's offset now: -3:30 gives -3, -30 and 0.
    void setUpOffsetFields(int offsetSeconds);
    // The offset with one sign: "-03:30:00", "07:00:00".
    QString timeOffsetText() const;

private:
    QLineEdit* hh_;
    QLineEdit* mm_;
    QLineEdit* ss_;
};

} // namespace corvelle
