#include "engine/halvex/editions/UseCustomActionSettings.h"

#include "platform/brisa/core/KeyedJson.h"

namespace halvex {

std::optional<UseCustomActionSettings::Action> UseCustomActionSettings::actionOfCode(int code)
{
    for (Action action : brisa::allCases<Action>()) {
        if (int(action) == code)
            return action;
    }
    return std::nullopt;
}

} // namespace halvex

using halvex::UseCustomActionSettings;
using Action = UseCustomActionSettings::Action;

namespace {

const QString actionKey = QStringLiteral("action");

} // namespace

const QList<std::pair<Action, QString>>& brisa::EnumStrings<Action>::table()
{
    static const QList<std::pair<Action, QString>> table{
        {Action::remove, QStringLiteral("remove")},
        {Action::restoreOriginal, QStringLiteral("restoreOriginal")},
        {Action::lowercase, QStringLiteral("lowercase")},
        {Action::uppercase, QStringLiteral("uppercase")},
        {Action::capitalize, QStringLiteral("capitalize")},
        {Action::trimWhiteSpace, QStringLiteral("trimWhiteSpace")},
        {Action::sortAscending, QStringLiteral("sortAscending")},
        {Action::sortDescending, QStringLiteral("sortDescending")},
    };
    return table;
}

QJsonValue brisa::JsonCoding<UseCustomActionSettings>::encode(const UseCustomActionSettings& settings)
{
    QJsonObject object;
    KeyedJson::encode(object, actionKey, settings.action);
    return object;
}

UseCustomActionSettings brisa::JsonCoding<UseCustomActionSettings>::decode(const QJsonValue& json,
                                                                           const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    return UseCustomActionSettings{object.decode<Action>(actionKey)};
}
