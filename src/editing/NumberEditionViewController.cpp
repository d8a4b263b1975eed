#include "editing/NumberEditionViewController.h"

#include "editing/TagNumberFormatter.h"
#include "editing/ValueDisplayTexts.h"
#include "engine/ostrak/ValueConverter.h"
#include "widgets/FormTexts.h"
#include "widgets/controls/IncrementStepper.h"

#include "ui_NumberEditionView.h"

#include <QDoubleValidator>
#include <QLineEdit>

#include <limits>

namespace corvelle {

NumberEditionViewController::NumberEditionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
    , ui_(std::make_unique<Ui::NumberEditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

NumberEditionViewController::~NumberEditionViewController() = default;

ContentValue NumberEditionViewController::contentValue(const halvex::TagValueTableRowValue& row)
{
    ContentValue value = GenericEditionViewController::contentValue(row);
    if (row.valueState() == halvex::TagValueTableRowValue::ValueState::single)
        value.item = ContentValue::Item::text(numberDisplayText(row.tagItem(), row.valueText()).value_or(row.valueText()));
    return value;
}

QList<FlatPresetEdition> NumberEditionViewController::supportedPresetEditions()
{
    return presetEditionsWithoutTextOperations();
}

ContentValue NumberEditionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    ContentValue value = GenericEditionViewController::presetEditionContentValue(row);
    if (const auto settings = customValue(row)) {
        value.item = ContentValue::Item::text(numberDisplayText(row.tagItem, settings->value).value_or(settings->value));
        value.mode = 0;
    }
    return value;
}

void NumberEditionViewController::setupViews()
{
    ui_->valueStepper->setControl(ui_->valueTextField);
    connect(ui_->valueTextField, &QLineEdit::textChanged, this, [this] {
        if (!loading_)
            markValueChanged();
    });
}

void NumberEditionViewController::resetValue()
{
    GenericEditionViewController::resetValue();
    loading_ = true;
    ui_->valueTextField->clear();
    loading_ = false;
    ui_->valueStepper->setPlaces(8);
    ui_->valueStepper->setIncrementValue(1.0);
}

void NumberEditionViewController::focus()
{
    ui_->valueTextField->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> NumberEditionViewController::editedValue() const
{
    if (!tagItem_)
        return QString();
    const auto number = TagNumberFormatter(tagItem_->type()).number(ui_->valueTextField->text());
    if (!number)
        return QString();
    const QVariant typed = tagItem_->type().isInteger() ? QVariant(qlonglong(*number)) : QVariant(*number);
    return tagItem_->converter().stringValueFromTypedValue(typed).value_or(QString());
}

void NumberEditionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row)
{
    resetValue();
    if (!row)
        return;
    const auto settings = customValue(*row);
    if (!settings)
        return;
    useTagItem(row->tagItem);
    showValue(settings->value);
}

void NumberEditionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet)
{
    resetValue();
    if (!valueSet || valueSet->tagItems().isEmpty())
        return;
    useTagItem(valueSet->tagItems().constFirst());
    ui_->valueTextField->setEnabled(valueSet->isWritable());
    const auto& common = valueSet->commonValue();
    if (common.kind() == halvex::MultiValuedString::Kind::single)
        showValue(*common.value());
}

QLineEdit* NumberEditionViewController::valueTextField() const
{
    return ui_->valueTextField;
}

IncrementStepper* NumberEditionViewController::valueStepper() const
{
    return ui_->valueStepper;
}

void NumberEditionViewController::useTagItem(const ostrak::TagItem& tagItem)
{
    tagItem_ = tagItem;
    const TagNumberFormatter formatter(tagItem.type());
    auto* validator = new QDoubleValidator(formatter.minimum().value_or(std::numeric_limits<double>::lowest()),
                                           formatter.maximum().value_or(std::numeric_limits<double>::max()),
                                           formatter.maximumFractionDigits(), ui_->valueTextField);
    validator->setNotation(QDoubleValidator::StandardNotation);
    delete ui_->valueTextField->validator();
    ui_->valueTextField->setValidator(validator);
}

void NumberEditionViewController::showValue(const QString& value)
{
    const QVariant object = tagItem_->converter().objectValueFromStringValue(value);
    bool isNumber = false;
    const double number = object.toDouble(&isNumber);
    loading_ = true;
    ui_->valueTextField->setText(isNumber && object.metaType().id() != QMetaType::QString
                                     ? TagNumberFormatter(tagItem_->type()).string(number)
                                     : QString());
    loading_ = false;
}

} // namespace corvelle
