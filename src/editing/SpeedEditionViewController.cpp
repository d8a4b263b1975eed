#include "editing/SpeedEditionViewController.h"

#include "editing/ValueDisplayTexts.h"
#include "engine/ostrak/ValueConverter.h"
#include "widgets/FormTexts.h"

#include "ui_SpeedEditionView.h"

#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace corvelle {

namespace {

std::optional<double> numberOf(const ostrak::TagItem& tagItem, const QString& value)
{
    const QVariant object = tagItem.converter().objectValueFromStringValue(value);
    if (object.metaType().id() != QMetaType::Double && object.metaType().id() != QMetaType::LongLong
        && object.metaType().id() != QMetaType::ULongLong)
        return std::nullopt;
    return object.toDouble();
}

} // namespace

SpeedEditionViewController::SpeedEditionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
    , ui_(std::make_unique<Ui::SpeedEditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

SpeedEditionViewController::~SpeedEditionViewController() = default;

ContentValue SpeedEditionViewController::contentValue(const halvex::TagValueTableRowValue& row)
{
    ContentValue value = GenericEditionViewController::contentValue(row);
    if (row.valueState() == halvex::TagValueTableRowValue::ValueState::single)
        value.item = ContentValue::Item::text(fractionDisplayText(row.tagItem(), row.valueText()).value_or(row.valueText()));
    return value;
}

QList<FlatPresetEdition> SpeedEditionViewController::supportedPresetEditions()
{
    return presetEditionsWithoutTextOperations();
}

ContentValue SpeedEditionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    ContentValue value = GenericEditionViewController::presetEditionContentValue(row);
    if (const auto settings = customValue(row)) {
        value.item = ContentValue::Item::text(fractionDisplayText(row.tagItem, settings->value).value_or(settings->value));
        value.mode = 0;
    }
    return value;
}

void SpeedEditionViewController::setupViews()
{
    static const QList<QList<int>> denominators{
        {1, 2, 4, 8, 10},
        {15, 25, 30, 50, 60, 100},
        {125, 200, 250, 500, 1000},
        {2000, 4000, 5000, 8000, 10000},
    };
    const QList<QToolButton*> buttons = speedPopUpButtons();
    for (qsizetype group = 0; group < buttons.size(); ++group) {
        auto* menu = new QMenu(buttons.at(group));
        for (const int denominator : denominators.at(group)) {
            menu->addAction(QStringLiteral("1 / %1").arg(denominator), this,
                            [this, denominator] { changeValue(denominator); });
        }
        buttons.at(group)->setMenu(menu);
    }
    connect(ui_->speedValueField, &QLineEdit::textChanged, this, [this] {
        if (!loading_)
            markValueChanged();
    });
}

void SpeedEditionViewController::resetValue()
{
    GenericEditionViewController::resetValue();
    loading_ = true;
    ui_->speedValueField->clear();
    loading_ = false;
}

void SpeedEditionViewController::focus()
{
    ui_->speedValueField->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> SpeedEditionViewController::editedValue() const
{
    if (!tagItem_)
        return std::nullopt;
    bool ok = false;
    const double number = QLocale().toDouble(ui_->speedValueField->text().trimmed(), &ok);
    return tagItem_->converter().stringValueFromTypedValue(ok ? QVariant(number) : QVariant());
}

void SpeedEditionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row)
{
    resetValue();
    if (!row)
        return;
    if (const auto settings = customValue(*row)) {
        tagItem_ = row->tagItem;
        showValue(settings->value);
    }
}

void SpeedEditionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet)
{
    resetValue();
    if (!valueSet || valueSet->tagItems().isEmpty())
        return;
    tagItem_ = valueSet->tagItems().constFirst();
    const auto& common = valueSet->commonValue();
    if (common.kind() == halvex::MultiValuedString::Kind::single)
        showValue(*common.value());
}

void SpeedEditionViewController::setVerticalLayout(bool vertical)
{
    ui_->speedLayoutStackView->setDirection(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

void SpeedEditionViewController::changeValue(int denominator)
{
    if (denominator < 1)
        return;
    loading_ = true;
    ui_->speedValueField->setText(QLocale().toString(1.0 / denominator, 'g', 12));
    loading_ = false;
    markValueChanged();
}

QLineEdit* SpeedEditionViewController::speedValueField() const
{
    return ui_->speedValueField;
}

QList<QToolButton*> SpeedEditionViewController::speedPopUpButtons() const
{
    return {ui_->speed10PopUpButton, ui_->speed100PopUpButton, ui_->speed1000PopUpButton, ui_->speed10000PopUpButton};
}

void SpeedEditionViewController::showValue(const QString& value)
{
    const auto number = numberOf(*tagItem_, value);
    loading_ = true;
    ui_->speedValueField->setText(number ? QLocale().toString(*number, 'g', 12) : QString());
    loading_ = false;
}

} // namespace corvelle
