#include "editing/CountryEditionViewController.h"

#include "editing/ValueDisplayTexts.h"
#include "engine/halvex/places/Country.h"
#include "widgets/FormTexts.h"

#include "ui_CountryEditionView.h"

#include <algorithm>

namespace corvelle {

namespace {

// Every country by its name in plain string order, made once.
const QList<ChoiceListModel::Choice>& countryChoices()
{
    static const QList<ChoiceListModel::Choice> choices = [] {
        QList<halvex::Country> countries = halvex::Country::allCases();
        std::stable_sort(countries.begin(), countries.end(), [](const halvex::Country& a, const halvex::Country& b) {
            return a.localizedName() < b.localizedName();
        });
        QList<ChoiceListModel::Choice> rows;
        for (const halvex::Country& country : countries) {
            rows.append({country.code(), QStringLiteral("%1: %2").arg(country.localizedName(), country.code()),
                         {country.localizedName(), country.alpha3(), country.alpha2(), country.numeric()}});
        }
        return rows;
    }();
    return choices;
}

// The code of the country one of whose codes is the value, in the list's own form.
std::optional<QString> countryCode(const QString& value)
{
    const QString code = value.toUpper();
    for (const halvex::Country& country : halvex::Country::allCases()) {
        if (country.codes().contains(code))
            return country.code();
    }
    return std::nullopt;
}

} // namespace

CountryEditionViewController::CountryEditionViewController(QWidget* parent)
    : ChoiceListEditionViewController(parent)
    , ui_(std::make_unique<Ui::CountryEditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

CountryEditionViewController::~CountryEditionViewController() = default;

ContentValue CountryEditionViewController::contentValue(const halvex::TagValueTableRowValue& row)
{
    ContentValue value = GenericEditionViewController::contentValue(row);
    if (row.valueState() == halvex::TagValueTableRowValue::ValueState::single)
        value.item = ContentValue::Item::text(countryDisplayText(row.tagItem(), row.valueText()).value_or(row.valueText()));
    return value;
}

QList<FlatPresetEdition> CountryEditionViewController::supportedPresetEditions()
{
    return presetEditionsWithoutTextOperations();
}

ContentValue CountryEditionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    ContentValue value = GenericEditionViewController::presetEditionContentValue(row);
    if (const auto settings = customValue(row)) {
        value.item = ContentValue::Item::text(countryDisplayText(row.tagItem, settings->value).value_or(settings->value));
        value.mode = 0;
    }
    return value;
}

void CountryEditionViewController::setupViews()
{
    setupChoiceViews(ui_->valuesTableView, ui_->searchField);
    setChoices(countryChoices());
}

void CountryEditionViewController::resetValue()
{
    searchField()->clear();
    ChoiceListEditionViewController::resetValue();
}

std::optional<QString> CountryEditionViewController::editedValue() const
{
    return selectedChoiceValue();
}

void CountryEditionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row)
{
    resetValue();
    if (!row)
        return;
    if (const auto settings = customValue(*row))
        selectValueQuietly(countryCode(settings->value));
}

void CountryEditionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet)
{
    resetValue();
    if (!valueSet)
        return;
    setCanBeEdited(valueSet->isWritable());
    const auto& common = valueSet->commonValue();
    if (common.kind() == halvex::MultiValuedString::Kind::single)
        selectValueQuietly(countryCode(*common.value()));
}

} // namespace corvelle
