#include "editing/EnumEditionViewController.h"

#include "widgets/FormTexts.h"

#include "ui_EnumEditionView.h"

namespace corvelle {

EnumEditionViewController::EnumEditionViewController(QWidget* parent)
    : ChoiceListEditionViewController(parent)
    , ui_(std::make_unique<Ui::EnumEditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

EnumEditionViewController::~EnumEditionViewController() = default;

ContentValue EnumEditionViewController::contentValue(const halvex::TagValueTableRowValue& row)
{
    ContentValue value = GenericEditionViewController::contentValue(row);
    if (row.valueState() == halvex::TagValueTableRowValue::ValueState::single)
        value.item = ContentValue::Item::text(
            row.tagItem().descriptionOfValue(storedValue(row.tagItem(), row.valueText())).value_or(row.valueText()));
    return value;
}

QList<FlatPresetEdition> EnumEditionViewController::supportedPresetEditions()
{
    return presetEditionsWithoutTextOperations();
}

ContentValue EnumEditionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    ContentValue value = GenericEditionViewController::presetEditionContentValue(row);
    if (const auto settings = customValue(row)) {
        value.item = ContentValue::Item::text(row.tagItem.descriptionOfValue(settings->value).value_or(settings->value));
        value.mode = 0;
    }
    return value;
}

void EnumEditionViewController::setupViews()
{
    setupChoiceViews(ui_->valuesTableView, ui_->searchField);
}

std::optional<QString> EnumEditionViewController::editedValue() const
{
    return selectedChoiceValue().value_or(QString());
}

void EnumEditionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row)
{
    resetValue();
    if (!row)
        return;
    const auto settings = customValue(*row);
    if (!settings)
        return;
    showChoices(row->tagItem.choices());
    selectValueQuietly(storedValue(row->tagItem, settings->value));
}

void EnumEditionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet)
{
    resetValue();
    if (!valueSet)
        return;
    setCanBeEdited(valueSet->isWritable());
    showChoices(valueSet->choices());
    const auto& common = valueSet->commonValue();
    if (common.kind() == halvex::MultiValuedString::Kind::single && !valueSet->tagItems().isEmpty())
        selectValueQuietly(storedValue(valueSet->tagItems().constFirst(), *common.value()));
}

QString EnumEditionViewController::storedValue(const ostrak::TagItem& tagItem, const QString& value)
{
    // Files' values come as ExifTool prints them: the description of the choice.
    if (tagItem.indexOfValue(value))
        return value;
    return tagItem.valueOfDescription(value).value_or(value);
}

void EnumEditionViewController::showChoices(const ostrak::TagItem::Choices& choices)
{
    QList<ChoiceListModel::Choice> rows;
    for (const auto& [value, description] : choices) {
        const QString text = QStringLiteral("%1: %2").arg(value, description);
        rows.append({value, text, {text}});
    }
    setChoices(rows);
}

} // namespace corvelle
