#include "map/LocationEditWindowController.h"

#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_LocationEditWindow.h"

#include <QLocale>
#include <QPointer>

#include <cmath>

namespace corvelle {

namespace {

// Enough digits to keep a position to the millimetre.
constexpr int coordinateDigits = 8;

QString numberText(const std::optional<double>& value)
{
    if (!value)
        return {};
    return QLocale().toString(*value, 'f', coordinateDigits);
}

std::optional<QString> text(const QLineEdit* field)
{
    if (field->text().isEmpty())
        return std::nullopt;
    return field->text();
}

} // namespace

LocationEditWindowController::LocationEditWindowController(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::LocationEditWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    setObjectName(QStringLiteral("locationEditSheet"));
    ui_->progressIndicator->hide();
    ui_->problemLabel->setForegroundRole(QPalette::PlaceholderText);

    for (QLineEdit* field : {latitudeField(), longitudeField(), altitudeField(), directionField()})
        connect(field, &QLineEdit::textChanged, this, &LocationEditWindowController::updateControls);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &LocationEditWindowController::cancel);
    connect(ui_->applyButton, &QPushButton::clicked, this, &LocationEditWindowController::apply);

    touchBar_.addItemSet({}).addSheetButtons(
        this, localizedString(QStringLiteral("EditorPanelCancelTouchButton")), [this] { cancel(); },
        localizedString(QStringLiteral("EditorPanelSortTouchButton")), [this] { apply(); }, [this] { return canApply(); });

    loadLocation();
}

LocationEditWindowController::~LocationEditWindowController() = default;

QLineEdit* LocationEditWindowController::latitudeField() const { return ui_->latitudeField; }
QLineEdit* LocationEditWindowController::longitudeField() const { return ui_->longitudeField; }
QLineEdit* LocationEditWindowController::altitudeField() const { return ui_->altitudeField; }
QLineEdit* LocationEditWindowController::directionField() const { return ui_->directionField; }
QPushButton* LocationEditWindowController::applyButton() const { return ui_->applyButton; }
QPushButton* LocationEditWindowController::cancelButton() const { return ui_->cancelButton; }

QList<QLineEdit*> LocationEditWindowController::addressFields() const
{
    return {ui_->placeNameField, ui_->streetNameField, ui_->streetNumberField, ui_->cityField,
            ui_->stateField,     ui_->zipCodeField,    ui_->countryNameField,  ui_->countryCodeField};
}

std::optional<double> LocationEditWindowController::number(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void LocationEditWindowController::setLocation(const std::optional<halvex::Location>& location)
{
    if (location == location_)
        return;
    location_ = location;
    loadLocation();
}

void LocationEditWindowController::loadLocation()
{
    touchBar_.reloadDisplayedItems();
    latitudeField()->setText(location_ ? numberText(location_->latitude()) : QString());
    longitudeField()->setText(location_ ? numberText(location_->longitude()) : QString());
    altitudeField()->setText(location_ ? numberText(location_->altitude()) : QString());
    directionField()->setText(location_ ? numberText(location_->direction()) : QString());
    const halvex::TextLocation address = location_ ? location_->textLocation() : halvex::TextLocation();
    const QList<std::optional<QString>> parts{address.placeName(), address.streetName(), address.streetNumber(),
                                              address.city(),      address.state(),      address.zipCode(),
                                              address.countryName(), address.countryCode()};
    const QList<QLineEdit*> fields = addressFields();
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->setText(parts[i].value_or(QString()));
    updateControls();
}

QString LocationEditWindowController::problem() const
{
    const auto inRange = [](const QString& text, double low, double high) {
        const auto value = number(text);
        return value && *value >= low && *value <= high;
    };
    if (!inRange(latitudeField()->text(), -90, 90))
        return localizedString(QStringLiteral("LocationEditLatitudeProblem"));
    if (!inRange(longitudeField()->text(), -180, 180))
        return localizedString(QStringLiteral("LocationEditLongitudeProblem"));
    if (!altitudeField()->text().trimmed().isEmpty() && !number(altitudeField()->text()))
        return localizedString(QStringLiteral("LocationEditAltitudeProblem"));
    if (!directionField()->text().trimmed().isEmpty() && !inRange(directionField()->text(), 0, 360))
        return localizedString(QStringLiteral("LocationEditDirectionProblem"));
    return {};
}

bool LocationEditWindowController::canApply() const
{
    return problem().isEmpty();
}

void LocationEditWindowController::updateControls()
{
    const QString reason = problem();
    ui_->applyButton->setEnabled(reason.isEmpty());
    ui_->problemLabel->setText(reason);
    touchBar_.reloadDisplayedItems();
}

void LocationEditWindowController::saveLocation()
{
    const std::optional<QDateTime> date = location_ ? location_->date() : std::nullopt;
    const QList<QLineEdit*> fields = addressFields();
    const halvex::TextLocation address(text(fields[0]), text(fields[1]), text(fields[2]), text(fields[3]),
                                       text(fields[4]), text(fields[5]), text(fields[6]), text(fields[7]));
    location_ = halvex::Location(*number(latitudeField()->text()), *number(longitudeField()->text()),
                                 number(altitudeField()->text()), date, number(directionField()->text()), address);
}

void LocationEditWindowController::cancel()
{
    done(0);
}

void LocationEditWindowController::apply()
{
    if (!canApply())
        return;
    saveLocation();
    done(1);
}

} // namespace corvelle
