#include "editing/DateTimeEditionViewController.h"

#include "editing/ValueDisplayTexts.h"
#include "engine/halvex/dates/DateEdition.h"
#include "engine/ostrak/DateTimeValueConverter.h"
#include "presets/FlatActionEdition.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/ClockFaceView.h"

#include "ui_DateTimeEditionView.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace corvelle {

namespace {

using ostrak::TagType;

bool isDateType(TagType type)
{
    switch (type.value()) {
    case TagType::PartialDate:
    case TagType::DigitsDate:
    case TagType::Date:
    case TagType::DateTime:
    case TagType::DateTimeZ:
        return true;
    default:
        return false;
    }
}

bool isTimeType(TagType type)
{
    switch (type.value()) {
    case TagType::PartialTime:
    case TagType::DigitsTime:
    case TagType::Date:
    case TagType::DateTime:
    case TagType::DateTimeZ:
        return true;
    default:
        return false;
    }
}

bool allOf(const QList<ostrak::TagItem>& items, std::initializer_list<TagType::Case> types)
{
    return std::all_of(items.begin(), items.end(), [&types](const ostrak::TagItem& item) {
        return std::find(types.begin(), types.end(), item.type().value()) != types.end();
    });
}

const ostrak::DateTimeValueConverter& editedValueConverter()
{
    static const ostrak::DateTimeValueConverter converter;
    return converter;
}

std::optional<QDateTime> dateOfValue(const QString& value)
{
    const QVariant date = editedValueConverter().typedValueFromStringValue(value);
    if (date.metaType().id() != QMetaType::QDateTime || !date.toDateTime().isValid())
        return std::nullopt;
    return date.toDateTime();
}

} // namespace

DateTimeEditionViewController::DateTimeEditionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
    , ui_(std::make_unique<Ui::DateTimeEditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

DateTimeEditionViewController::~DateTimeEditionViewController() = default;

ContentValue DateTimeEditionViewController::contentValue(const halvex::TagValueTableRowValue& row)
{
    ContentValue value = GenericEditionViewController::contentValue(row);
    if (row.valueState() == halvex::TagValueTableRowValue::ValueState::single)
        value.item = ContentValue::Item::text(dateDisplayText(row.tagItem(), row.valueText()).value_or(QString()));
    return value;
}

QList<FlatPresetEdition> DateTimeEditionViewController::supportedPresetEditions()
{
    return presetEditionsWithoutTextOperations();
}

ContentValue DateTimeEditionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    ContentValue value = GenericEditionViewController::presetEditionContentValue(row);
    const auto settings = customValue(row);
    if (!settings)
        return value;
    const auto edition = halvex::DateEdition::fromDescription(settings->value);
    if (!edition) {
        value.item = ContentValue::Item::text(settings->value);
        value.mode = ContentValue::Mode::placeholder;
    } else if (edition->kind() == halvex::DateEdition::Kind::select) {
        const auto date = edition->values() ? edition->values()->date() : std::nullopt;
        value.item = ContentValue::Item::text(dateDisplayText(row.tagItem, date).value_or(settings->value));
    } else {
        const halvex::LocalizedText description = edition->localizedDescription();
        value.item = ContentValue::Item::text(localizedString(description.key, description.arguments));
    }
    return value;
}

QList<FlatActionEdition> DateTimeEditionViewController::supportedActionEditions()
{
    QList<FlatActionEdition> actions;
    for (const FlatPresetEdition edition : supportedPresetEditions())
        actions.append(FlatActionEdition::fromPresetEdition(edition));
    actions << FlatActionEdition::dateParsing() << FlatActionEdition::dateDistribution();
    return actions;
}

QString DateTimeEditionViewController::resultFormat(const QList<ostrak::TagItem>& tagItems)
{
    if (allOf(tagItems, {TagType::Date, TagType::DateTime, TagType::DateTimeZ}))
        return QStringLiteral("yyyy:MM:dd HH:mm:ss");
    if (allOf(tagItems, {TagType::PartialDate, TagType::DigitsDate}))
        return QStringLiteral("yyyy:MM:dd");
    if (allOf(tagItems, {TagType::PartialTime}))
        return QStringLiteral("HH:mm:ss");
    if (allOf(tagItems, {TagType::DigitsTime}))
        return QStringLiteral("HH:mm:ssZZZZZ");
    return QStringLiteral("yyyy:MM:dd HH:mm:ss HH:mm:ssZZZZZ");
}

void DateTimeEditionViewController::setupViews()
{
    // The pickers follow each other; every change the user makes goes through showDate().
    connect(ui_->textDatePicker, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& date) {
        if (!updating_)
            showDate(date);
    });
    connect(ui_->graphicalDatePicker, &QCalendarWidget::clicked, this, [this](QDate date) {
        showDate(QDateTime(date, ui_->textDatePicker->time()));
    });
    connect(ui_->clockFaceView, &ClockFaceView::timeEdited, this, [this](QTime time) {
        showDate(QDateTime(ui_->textDatePicker->date(), time));
    });
    connect(ui_->setTodayButton, &QPushButton::clicked, this, &DateTimeEditionViewController::setToday);
    connect(ui_->shiftButton, &QPushButton::clicked, this, &DateTimeEditionViewController::shiftComponents);
    updateInterface();
}

void DateTimeEditionViewController::updateInterface()
{
    ui_->setTodayButton->setEnabled(!tagItems_.isEmpty());
    ui_->shiftButton->setEnabled(!tagItems_.isEmpty());
}

void DateTimeEditionViewController::resetValue()
{
    GenericEditionViewController::resetValue();
    tagItems_.clear();
    hasDate_ = true;
    hasTime_ = true;
    ui_->graphicalDatePicker->setVisible(false);
    ui_->clockFaceView->setVisible(false);
    ui_->textDatePicker->setEnabled(true);
    ui_->textDatePicker->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    setPickers(QDateTime::currentDateTime());
    updateInterface();
}

void DateTimeEditionViewController::focus()
{
    ui_->textDatePicker->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> DateTimeEditionViewController::editedValue() const
{
    return editedValueConverter()
        .stringValueFromTypedValue(editedValueConverter().typedValueFromSwiftValue(ui_->textDatePicker->dateTime()))
        .value_or(QString());
}

void DateTimeEditionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row)
{
    resetValue();
    if (!row)
        return;
    const auto settings = customValue(*row);
    if (!settings)
        return;
    tagItems_ = {row->tagItem};
    configurePickers(tagItems_);
    showLoadedValue(settings->value);
}

void DateTimeEditionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet)
{
    resetValue();
    if (!valueSet)
        return;
    tagItems_ = valueSet->tagItems();
    ui_->textDatePicker->setEnabled(valueSet->isWritable());
    ui_->graphicalDatePicker->setEnabled(valueSet->isWritable());
    ui_->clockFaceView->setEnabled(valueSet->isWritable());
    configurePickers(tagItems_);
    const auto& common = valueSet->commonValue();
    showLoadedValue(common.kind() == halvex::MultiValuedString::Kind::single ? common.value() : std::nullopt);
}

void DateTimeEditionViewController::setVerticalLayout(bool vertical)
{
    verticalLayout_ = vertical;
    ui_->shiftButton->setVisible(!vertical);
    configurePickers(tagItems_);
}

void DateTimeEditionViewController::setToday()
{
    if (!tagItems_.isEmpty())
        showDate(QDateTime::currentDateTime());
}

void DateTimeEditionViewController::shiftComponents()
{
    if (!tagItems_.isEmpty())
        Q_EMIT shiftDateComponentsRequested();
}

QCalendarWidget* DateTimeEditionViewController::graphicalDatePicker() const { return ui_->graphicalDatePicker; }
ClockFaceView* DateTimeEditionViewController::clockFaceView() const { return ui_->clockFaceView; }
QDateTimeEdit* DateTimeEditionViewController::textDatePicker() const { return ui_->textDatePicker; }
QLineEdit* DateTimeEditionViewController::resultTextField() const { return ui_->resultTextField; }
QPushButton* DateTimeEditionViewController::setTodayButton() const { return ui_->setTodayButton; }
QPushButton* DateTimeEditionViewController::shiftButton() const { return ui_->shiftButton; }

void DateTimeEditionViewController::configurePickers(const QList<ostrak::TagItem>& tagItems)
{
    hasDate_ = std::any_of(tagItems.begin(), tagItems.end(), [](const auto& item) { return isDateType(item.type()); });
    hasTime_ = std::any_of(tagItems.begin(), tagItems.end(), [](const auto& item) { return isTimeType(item.type()); });
    // The calendar when there is a date, the clock for times alone; none in the sidebar.
    ui_->graphicalDatePicker->setVisible(hasDate_ && !verticalLayout_);
    ui_->clockFaceView->setVisible(!hasDate_ && hasTime_ && !verticalLayout_);
    QStringList format;
    if (hasDate_)
        format << QStringLiteral("yyyy-MM-dd");
    if (hasTime_)
        format << QStringLiteral("HH:mm:ss");
    ui_->textDatePicker->setDisplayFormat(format.isEmpty() ? QStringLiteral("yyyy-MM-dd HH:mm:ss") : format.join(QLatin1Char(' ')));
    ui_->textDatePicker->setVisible(hasDate_ || hasTime_ || tagItems.isEmpty());
    updateInterface();
}

void DateTimeEditionViewController::showDate(const QDateTime& date)
{
    showDateQuietly(date);
    markValueChanged();
}

void DateTimeEditionViewController::showDateQuietly(const QDateTime& date)
{
    setPickers(date);
    ui_->resultTextField->setText(ostrak::DateTimeValueConverter::format(date, resultFormat(tagItems_)));
}

void DateTimeEditionViewController::showLoadedValue(const std::optional<QString>& value)
{
    // A load leaves the editor unchanged, and does not bother the host's handler.
    const auto date = value ? dateOfValue(*value) : std::nullopt;
    showDateQuietly(date.value_or(QDateTime::currentDateTime()));
}

void DateTimeEditionViewController::setPickers(const QDateTime& date)
{
    updating_ = true;
    ui_->textDatePicker->setDateTime(date);
    ui_->graphicalDatePicker->setSelectedDate(date.date());
    ui_->clockFaceView->setTime(date.time());
    updating_ = false;
}

} // namespace corvelle
