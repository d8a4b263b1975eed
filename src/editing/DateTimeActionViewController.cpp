#include "editing/DateTimeActionViewController.h"

#include "editing/DateTimeEditionViewController.h"
#include "engine/ostrak/ValueConverter.h"
#include "widgets/FormTexts.h"

#include "ui_DateTimeActionView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace corvelle {

namespace {

using ostrak::TagType;

bool isDateType(TagType type)
{
    return type == TagType::PartialDate || type == TagType::DigitsDate || type == TagType::Date
        || type == TagType::DateTime || type == TagType::DateTimeZ;
}

bool isTimeType(TagType type)
{
    return type == TagType::PartialTime || type == TagType::DigitsTime || type == TagType::Date
        || type == TagType::DateTime || type == TagType::DateTimeZ;
}

constexpr int shiftBound = 1000000;

} // namespace

DateTimeActionViewController::DateTimeActionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
    , ui_(std::make_unique<Ui::DateTimeActionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

DateTimeActionViewController::~DateTimeActionViewController() = default;

// The same display as the date and time editor's.
ContentValue DateTimeActionViewController::contentValue(const halvex::TagValueTableRowValue& row)
{
    return DateTimeEditionViewController::contentValue(row);
}

QList<FlatPresetEdition> DateTimeActionViewController::supportedPresetEditions()
{
    return DateTimeEditionViewController::supportedPresetEditions();
}

ContentValue DateTimeActionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    return DateTimeEditionViewController::presetEditionContentValue(row);
}

bool DateTimeActionViewController::hasDateComponents() const
{
    return tagItems_.isEmpty() || anyTagItem(&isDateType);
}

bool DateTimeActionViewController::hasTimeComponents() const
{
    return tagItems_.isEmpty() || anyTagItem(&isTimeType);
}

void DateTimeActionViewController::setupViews()
{
    auto* segments = new QButtonGroup(this);
    segments->addButton(ui_->selectSegmentButton, selectDate);
    segments->addButton(ui_->updateSegmentButton, updateDate);
    segments->addButton(ui_->shiftSegmentButton, shiftDate);
    connect(segments, &QButtonGroup::idClicked, this, [this] {
        if (!isReloading_)
            editionTypeDidChange();
    });
    connect(ui_->selectDatePicker, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (isReloading_)
            return;
        storeDisplayedEdition();
        updateInterface();
    });
    connect(ui_->selectDateNowButton, &QPushButton::clicked, this, [this] {
        ui_->selectDatePicker->setDateTime(QDateTime::currentDateTime());
    });
    const QList<QCheckBox*> buttons = componentButtons();
    const QList<QSpinBox*> fields = componentFields();
    for (qsizetype index = 0; index < fields.size(); ++index) {
        QCheckBox* button = buttons.at(index);
        connect(fields.at(index), &QSpinBox::valueChanged, this, [this, button] {
            if (isReloading_)
                return;
            button->setChecked(true);
            storeDisplayedEdition();
        });
        connect(button, &QCheckBox::toggled, this, [this] {
            if (!isReloading_)
                storeDisplayedEdition();
        });
    }
    selectSegment(selectDate);
    updateInterface();
}

void DateTimeActionViewController::updateInterface()
{
    isReloading_ = true;
    QStringList format;
    if (hasDateComponents())
        format << QStringLiteral("yyyy-MM-dd");
    if (hasTimeComponents())
        format << QStringLiteral("HH:mm:ss");
    ui_->selectDatePicker->setDisplayFormat(format.join(QLatin1Char(' ')));
    const auto values = defaultSelectEdition_.values();
    const auto date = values ? values->date() : std::nullopt;
    ui_->selectDatePicker->setDateTime(date.value_or(QDateTime::currentDateTime()));
    const QList<QCheckBox*> buttons = componentButtons();
    const QList<QSpinBox*> fields = componentFields();
    for (qsizetype index = 0; index < fields.size(); ++index) {
        const bool enabled = index < 3 ? hasDateComponents() : hasTimeComponents();
        buttons.at(index)->setEnabled(enabled);
        fields.at(index)->setEnabled(enabled);
    }
    const int segment = selectedSegment();
    ui_->selectDateContainerView->setVisible(segment == selectDate);
    ui_->modifyDateContainerView->setVisible(segment == updateDate || segment == shiftDate);
    isReloading_ = false;
}

void DateTimeActionViewController::focus()
{
    ui_->selectDatePicker->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> DateTimeActionViewController::editedValue() const
{
    const auto edition = selectedEdition();
    return edition ? std::optional<QString>(edition->description()) : std::nullopt;
}

void DateTimeActionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row)
{
    setHasValueChanges(false);
    if (!row)
        return;
    if (const auto settings = customValue(*row)) {
        tagItems_ = {row->tagItem};
        loadEdition(editionFromValue(settings->value));
        updateInterface();
    }
}

void DateTimeActionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet)
{
    setHasValueChanges(false);
    if (!valueSet)
        return;
    tagItems_ = valueSet->tagItems();
    const auto& common = valueSet->commonValue();
    if (common.kind() == halvex::MultiValuedString::Kind::single) {
        loadEdition(editionFromValue(*common.value()));
    } else {
        defaultSelectEdition_ = halvex::DateEdition::select(halvex::DateValues(std::optional<QDateTime>(QDateTime::currentDateTime())));
        selectSegment(selectDate);
    }
    updateInterface();
}

void DateTimeActionViewController::setVerticalLayout(bool vertical)
{
    ui_->componentsStackView->setDirection(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    ui_->componentsStackView->setSpacing(vertical ? 8 : 2);
}

std::optional<halvex::DateEdition> DateTimeActionViewController::selectedEdition() const
{
    switch (selectedSegment()) {
    case selectDate:
        return defaultSelectEdition_;
    case updateDate:
        return defaultUpdateEdition_;
    case shiftDate:
        return defaultShiftEdition_;
    default:
        return std::nullopt;
    }
}

void DateTimeActionViewController::selectEmptyShiftEdition()
{
    defaultShiftEdition_ = halvex::DateEdition::shift({});
    selectSegment(shiftDate);
    loadModifyDateValues({});
    updateInterface();
}

void DateTimeActionViewController::loadModifyDateValues(const halvex::DateValues& values)
{
    const bool wasReloading = isReloading_;
    isReloading_ = true;
    const bool dateTags = anyTagItem(&isDateType);
    const bool timeTags = anyTagItem(&isTimeType);
    const bool shifting = selectedSegment() == shiftDate;
    const QList<std::optional<int>> components{values.day(), values.month(), values.year(),
                                               values.hour(), values.minute(), values.second()};
    const QList<std::pair<int, int>> ranges{{1, 31}, {1, 12}, {-shiftBound, shiftBound}, {0, 23}, {0, 59}, {0, 59}};
    const QList<QCheckBox*> buttons = componentButtons();
    const QList<QSpinBox*> fields = componentFields();
    for (qsizetype index = 0; index < fields.size(); ++index) {
        const auto [minimum, maximum] = shifting ? std::pair(-shiftBound, shiftBound) : ranges.at(index);
        fields.at(index)->setRange(minimum, maximum);
        fields.at(index)->setValue(components.at(index).value_or(0));
        buttons.at(index)->setChecked((index < 3 ? dateTags : timeTags) && components.at(index).has_value());
    }
    isReloading_ = wasReloading;
}

halvex::DateValues DateTimeActionViewController::modifyDateValues() const
{
    const QList<QCheckBox*> buttons = componentButtons();
    const QList<QSpinBox*> fields = componentFields();
    const auto component = [&](int index) {
        return buttons.at(index)->isChecked() ? std::optional<int>(fields.at(index)->value()) : std::nullopt;
    };
    return halvex::DateValues(component(0), component(1), component(2), component(3), component(4), component(5));
}

halvex::DateEdition DateTimeActionViewController::editionFromValue(const QString& value) const
{
    if (const auto edition = halvex::DateEdition::fromDescription(value))
        return *edition;
    const bool dateTags = anyTagItem(&isDateType);
    const bool timeTags = anyTagItem(&isTimeType);
    const TagType type = dateTags == timeTags ? TagType::dateAndTimeType()
        : dateTags                            ? TagType::dateOnlyType()
                                              : TagType::timeOnlyType();
    const QVariant date = type.converter().typedValueFromStringValue(value);
    const QDateTime moment = date.metaType().id() == QMetaType::QDateTime && date.toDateTime().isValid()
        ? date.toDateTime()
        : QDateTime::currentDateTime();
    return halvex::DateEdition::select(halvex::DateValues(std::optional<QDateTime>(moment)));
}

int DateTimeActionViewController::selectedSegment() const
{
    if (ui_->selectSegmentButton->isChecked())
        return selectDate;
    if (ui_->updateSegmentButton->isChecked())
        return updateDate;
    if (ui_->shiftSegmentButton->isChecked())
        return shiftDate;
    return -1;
}

void DateTimeActionViewController::selectSegment(int segment)
{
    ui_->selectSegmentButton->setChecked(segment == selectDate);
    ui_->updateSegmentButton->setChecked(segment == updateDate);
    ui_->shiftSegmentButton->setChecked(segment == shiftDate);
}

QDateTimeEdit* DateTimeActionViewController::selectDatePicker() const
{
    return ui_->selectDatePicker;
}

QList<QCheckBox*> DateTimeActionViewController::componentButtons() const
{
    return {ui_->modifyDateDayButton, ui_->modifyDateMonthButton, ui_->modifyDateYearButton,
            ui_->modifyDateHourButton, ui_->modifyDateMinButton, ui_->modifyDateSecButton};
}

QList<QSpinBox*> DateTimeActionViewController::componentFields() const
{
    return {ui_->modifyDateDayField, ui_->modifyDateMonthField, ui_->modifyDateYearField,
            ui_->modifyDateHourField, ui_->modifyDateMinField, ui_->modifyDateSecField};
}

void DateTimeActionViewController::loadEdition(const halvex::DateEdition& edition)
{
    switch (edition.kind()) {
    case halvex::DateEdition::Kind::select:
        defaultSelectEdition_ = edition;
        selectSegment(selectDate);
        break;
    case halvex::DateEdition::Kind::update:
        defaultUpdateEdition_ = edition;
        selectSegment(updateDate);
        loadModifyDateValues(*edition.values());
        break;
    case halvex::DateEdition::Kind::shift:
        defaultShiftEdition_ = edition;
        selectSegment(shiftDate);
        loadModifyDateValues(*edition.values());
        break;
    case halvex::DateEdition::Kind::restore:
    case halvex::DateEdition::Kind::remove:
        break;
    }
}

void DateTimeActionViewController::storeDisplayedEdition()
{
    switch (selectedSegment()) {
    case selectDate:
        defaultSelectEdition_ = defaultSelectEdition_.withValues(
            halvex::DateValues(std::optional<QDateTime>(ui_->selectDatePicker->dateTime())));
        break;
    case updateDate:
        defaultUpdateEdition_ = defaultUpdateEdition_.withValues(modifyDateValues());
        break;
    case shiftDate:
        defaultShiftEdition_ = defaultShiftEdition_.withValues(modifyDateValues());
        break;
    default:
        break;
    }
}

void DateTimeActionViewController::reloadModifyDateFields()
{
    const auto edition = selectedEdition();
    const auto values = edition ? edition->values() : std::nullopt;
    loadModifyDateValues(values.value_or(halvex::DateValues()));
}

void DateTimeActionViewController::editionTypeDidChange()
{
    reloadModifyDateFields();
    updateInterface();
    if (editionTypeChangeHandler_)
        editionTypeChangeHandler_();
}

bool DateTimeActionViewController::anyTagItem(bool (*test)(ostrak::TagType)) const
{
    return std::any_of(tagItems_.begin(), tagItems_.end(), [test](const ostrak::TagItem& item) { return test(item.type()); });
}

} // namespace corvelle
