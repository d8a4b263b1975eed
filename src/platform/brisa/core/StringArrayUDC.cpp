#include "platform/brisa/core/StringArrayUDC.h"

#include "platform/brisa/core/JsonSettingsFormat.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QJsonArray>

namespace brisa {

std::optional<QStringList> StringArrayUDC::decode(const UserDefaults& defaults, const QString& key)
{
    const QVariant stored = defaults.object(key);
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList();
    // A list stored in another form (QVariantList, JSON array) before the file was read back.
    const QJsonValue json = JsonSettingsFormat::jsonValue(stored);
    if (!json.isArray())
        return std::nullopt;
    QStringList strings;
    for (const QJsonValue& element : json.toArray()) {
        if (!element.isString())
            return std::nullopt;
        strings.append(element.toString());
    }
    return strings;
}

} // namespace brisa
