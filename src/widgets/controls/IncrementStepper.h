#pragma once

#include <QPointer>
#include <QWidget>

class QToolButton;

namespace corvelle {

// Up and down arrows that step the number of another control, which holds the value itself:
// a QLineEdit (bounded by its QDoubleValidator or QIntValidator, when it has one) or a
// QDoubleSpinBox. A click rounds the control's value to `places` decimals, adds or subtracts
// `incrementValue`, clamps the result to the control's bounds, writes it back and makes the
// control emit editingFinished() as if the user had edited it. A disabled control is left alone.
class IncrementStepper : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QWidget* control READ control WRITE setControl)
    Q_PROPERTY(int places READ places WRITE setPlaces)
    Q_PROPERTY(double incrementValue READ incrementValue WRITE setIncrementValue)
public:
    explicit IncrementStepper(QWidget* parent = nullptr);

    QWidget* control() const;
    void setControl(QWidget* control);
    int places() const;
    void setPlaces(int places);
    double incrementValue() const;
    void setIncrementValue(double value);

public Q_SLOTS:
    void stepUp();
    void stepDown();

private:
    void performIncrement(double direction);

    QPointer<QWidget> control_;
    int places_ = 2;
    double incrementValue_ = 0.1;
};

} // namespace corvelle
