#include "presets/FlatPresetEdition.h"

#include "widgets/TextLocalizer.h"

#include <QHashFunctions>

#include <array>

namespace corvelle {

namespace {

struct CaseText {
    const char* rawValue;
    const char* titleKey;
};

constexpr std::array<CaseText, 12> caseTexts{{
    {"keep_current_value", "PresetEditionKeepCurrentValue"},
    {"remove_current_value", "PresetEditionRemoveCurrentValue"},
    {"restore_original_value", "PresetEditionRestoreOriginalValue"},
    {"copy_other_value", "PresetEditionCopyOtherTagValue"},
    {"edit_current_value", "PresetEditionEditCustomValue"},
    {"search_and_replace", "PresetEditionFindAndReplace"},
    {"lowercase_text", "PresetEditionLowercaseText"},
    {"uppercase_text", "PresetEditionUppercaseText"},
    {"capitalize_text", "PresetEditionCapitalizeText"},
    {"trim_whitespaces_text", "PresetEditionTrimText"},
    {"sort_in_ascending_order", "PresetEditionAscendingSort"},
    {"sort_in_descending_order", "PresetEditionDescendingSort"},
}};

using Action = halvex::UseCustomActionSettings::Action;

// The custom action of each operation that is one, in action-code order.
constexpr std::array<std::pair<FlatPresetEdition::Case, Action>, 8> customActions{{
    {FlatPresetEdition::removeCurrentValue, Action::remove},
    {FlatPresetEdition::restoreOriginalValue, Action::restoreOriginal},
    {FlatPresetEdition::lowercaseText, Action::lowercase},
    {FlatPresetEdition::uppercaseText, Action::uppercase},
    {FlatPresetEdition::capitalizeText, Action::capitalize},
    {FlatPresetEdition::trimWhitespacesText, Action::trimWhiteSpace},
    {FlatPresetEdition::sortInAscendingOrder, Action::sortAscending},
    {FlatPresetEdition::sortInDescendingOrder, Action::sortDescending},
}};

} // namespace

std::optional<FlatPresetEdition> FlatPresetEdition::fromRawValue(const QString& rawValue)
{
    for (size_t index = 0; index < caseTexts.size(); ++index) {
        if (rawValue == QLatin1String(caseTexts[index].rawValue))
            return FlatPresetEdition(Case(index));
    }
    return std::nullopt;
}

FlatPresetEdition FlatPresetEdition::fromPresetEdition(const halvex::PresetEdition& edition)
{
    switch (edition.kind()) {
    case halvex::PresetEdition::Kind::keepCurrentValue:
        return keepCurrentValue;
    case halvex::PresetEdition::Kind::useCustomAction: {
        const Action action = edition.customActionSettings()->action;
        for (const auto& [flat, custom] : customActions) {
            if (custom == action)
                return flat;
        }
        return removeCurrentValue;
    }
    case halvex::PresetEdition::Kind::copyTagValue:
        return copyOtherTagValue;
    case halvex::PresetEdition::Kind::useCustomValue:
        return editCurrentValue;
    case halvex::PresetEdition::Kind::searchAndReplace:
        return searchAndReplace;
    }
    return keepCurrentValue;
}

QList<FlatPresetEdition> FlatPresetEdition::allCases()
{
    QList<FlatPresetEdition> cases;
    for (size_t index = 0; index < caseTexts.size(); ++index)
        cases.append(FlatPresetEdition(Case(index)));
    return cases;
}

QString FlatPresetEdition::rawValue() const
{
    return QLatin1String(caseTexts[size_t(value_)].rawValue);
}

QString FlatPresetEdition::titleKey() const
{
    return QLatin1String(caseTexts[size_t(value_)].titleKey);
}

QString FlatPresetEdition::title() const
{
    return localizedString(titleKey());
}

bool FlatPresetEdition::hasSettings() const
{
    return value_ == copyOtherTagValue || value_ == editCurrentValue || value_ == searchAndReplace;
}

std::optional<halvex::PresetEdition> FlatPresetEdition::presetEdition() const
{
    if (value_ == keepCurrentValue)
        return halvex::PresetEdition::keepCurrentValue();
    for (const auto& [flat, action] : customActions) {
        if (flat == value_)
            return halvex::PresetEdition::useCustomAction(halvex::UseCustomActionSettings{action});
    }
    return std::nullopt;
}

size_t qHash(FlatPresetEdition edition, size_t seed) noexcept
{
    return qHash(edition.rawValue(), seed);
}

} // namespace corvelle
