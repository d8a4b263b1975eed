#include "presets/FlatActionEdition.h"

#include "widgets/TextLocalizer.h"

namespace corvelle {

FlatActionEdition FlatActionEdition::fromPresetEdition(FlatPresetEdition edition)
{
    FlatActionEdition action;
    action.presetEdition_ = edition;
    return action;
}

QList<FlatActionEdition> FlatActionEdition::allCases()
{
    QList<FlatActionEdition> cases;
    for (const FlatPresetEdition edition : FlatPresetEdition::allCases())
        cases.append(fromPresetEdition(edition));
    cases << dateDistribution() << dateParsing();
    return cases;
}

std::optional<FlatPresetEdition> FlatActionEdition::flatPresetEdition() const
{
    if (kind_ != Kind::presetEdition)
        return std::nullopt;
    return presetEdition_;
}

QString FlatActionEdition::title() const
{
    switch (kind_) {
    case Kind::presetEdition:
        return presetEdition_.title();
    case Kind::dateDistribution:
        return localizedString(QStringLiteral("FlatActionEditionDateDistribution"));
    case Kind::dateParsing:
        return localizedString(QStringLiteral("FlatActionEditionDateParsing"));
    }
    return QString();
}

bool FlatActionEdition::hasSettings() const
{
    return kind_ != Kind::presetEdition || presetEdition_.hasSettings();
}

} // namespace corvelle
