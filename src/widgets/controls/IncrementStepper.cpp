#include "widgets/controls/IncrementStepper.h"

#include <QDoubleSpinBox>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvelle {

namespace {

struct Bounds {
    double minimum = -std::numeric_limits<double>::infinity();
    double maximum = std::numeric_limits<double>::infinity();
};

Bounds validatorBounds(const QValidator* validator)
{
    if (const auto* real = qobject_cast<const QDoubleValidator*>(validator))
        return {real->bottom(), real->top()};
    if (const auto* whole = qobject_cast<const QIntValidator*>(validator))
        return {double(whole->bottom()), double(whole->top())};
    return {};
}

// The fraction digits the field's validator allows, and no more than a double holds
// meaningfully, so that 0.1 + 0.2 shows as 0.3.
int fractionDigits(const QValidator* validator, double value)
{
    int allowed = 15;
    if (const auto* real = qobject_cast<const QDoubleValidator*>(validator); real && real->decimals() >= 0)
        allowed = real->decimals();   // below 0: no limit
    else if (qobject_cast<const QIntValidator*>(validator))
        allowed = 0;
    const int integerDigits = value == 0.0 ? 1 : std::max(1, int(std::floor(std::log10(std::fabs(value)))) + 1);
    return std::clamp(std::min(allowed, 15 - integerDigits), 0, 15);
}

QString numberText(double value, const QValidator* validator, QLocale locale)
{
    const int digits = fractionDigits(validator, value);
    const double scale = std::pow(10.0, digits);
    double shown = std::round(value * scale) / scale;
    if (shown == 0.0)
        shown = 0.0;   // no "-0"
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QString text = locale.toString(shown, 'f', digits);
    if (digits > 0) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(locale.decimalPoint()))
            text.chop(locale.decimalPoint().size());
    }
    return text;
}

QToolButton* arrowButton(Qt::ArrowType arrow, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return button;
}

} // namespace

IncrementStepper::IncrementStepper(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton* up = arrowButton(Qt::UpArrow, QStringLiteral("up"), this);
    QToolButton* down = arrowButton(Qt::DownArrow, QStringLiteral("down"), this);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, &IncrementStepper::stepUp);
    connect(down, &QToolButton::clicked, this, &IncrementStepper::stepDown);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QWidget* IncrementStepper::control() const
{
    return control_;
}

void IncrementStepper::setControl(QWidget* control)
{
    control_ = control;
}

int IncrementStepper::places() const
{
    return places_;
}

void IncrementStepper::setPlaces(int places)
{
    places_ = places;
}

double IncrementStepper::incrementValue() const
{
    return incrementValue_;
}

void IncrementStepper::setIncrementValue(double value)
{
    incrementValue_ = value;
}

void IncrementStepper::stepUp()
{
    performIncrement(1.0);
}

void IncrementStepper::stepDown()
{
    performIncrement(-1.0);
}

void IncrementStepper::performIncrement(double direction)
{
    if (!control_ || !control_->isEnabled())
        return;
    auto* field = qobject_cast<QLineEdit*>(control_);
    auto* spinBox = qobject_cast<QDoubleSpinBox*>(control_);
    if (!field && !spinBox)
        return;

    const QValidator* validator = field ? field->validator() : nullptr;
    const QLocale locale = validator ? validator->locale() : control_->locale();
    // Text that is no number counts as 0, so stepping starts from there.
    const double value = field ? locale.toDouble(field->text()) : spinBox->value();
    const double scale = std::pow(10.0, places_);
    const double rounded = std::round(value * scale) / scale;
    double next = rounded + direction * incrementValue_;

    const Bounds bounds = field ? validatorBounds(validator) : Bounds{spinBox->minimum(), spinBox->maximum()};
    if (std::isfinite(bounds.maximum) && bounds.maximum < next)
        next = bounds.maximum;
    if (std::isfinite(bounds.minimum) && next <= bounds.minimum)
        next = bounds.minimum;

    if (field) {
        field->setText(numberText(next, validator, locale));
        Q_EMIT field->editingFinished();
    } else {
        spinBox->setValue(next);
        Q_EMIT spinBox->editingFinished();
    }
}

} // namespace corvelle

