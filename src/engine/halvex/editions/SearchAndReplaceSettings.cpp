#include "engine/halvex/editions/SearchAndReplaceSettings.h"

#include "platform/brisa/core/KeyedJson.h"

using halvex::SearchAndReplaceSettings;

namespace {

const QString searchKey = QStringLiteral("searchString");
const QString replaceKey = QStringLiteral("replaceString");
const QString ignoreCaseKey = QStringLiteral("ignoreCase");
const QString ignoreDiacriticKey = QStringLiteral("ignoreDiacritic");
const QString ignoreWidthKey = QStringLiteral("ignoreWidth");
const QString useRegexKey = QStringLiteral("useRegex");

} // namespace

QJsonValue brisa::JsonCoding<SearchAndReplaceSettings>::encode(const SearchAndReplaceSettings& settings)
{
    QJsonObject object;
    KeyedJson::encode(object, searchKey, settings.searchString);
    KeyedJson::encode(object, replaceKey, settings.replaceString);
    KeyedJson::encode(object, ignoreCaseKey, settings.ignoreCase);
    KeyedJson::encode(object, ignoreDiacriticKey, settings.ignoreDiacritic);
    KeyedJson::encode(object, ignoreWidthKey, settings.ignoreWidth);
    KeyedJson::encode(object, useRegexKey, settings.useRegex);
    return object;
}

SearchAndReplaceSettings brisa::JsonCoding<SearchAndReplaceSettings>::decode(const QJsonValue& json,
                                                                             const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    SearchAndReplaceSettings settings;
    settings.searchString = object.decode<QString>(searchKey);
    settings.replaceString = object.decodeIfPresent<QString>(replaceKey).value_or(QString());
    settings.ignoreCase = object.decodeIfPresent<bool>(ignoreCaseKey).value_or(false);
    settings.ignoreDiacritic = object.decodeIfPresent<bool>(ignoreDiacriticKey).value_or(false);
    settings.ignoreWidth = object.decodeIfPresent<bool>(ignoreWidthKey).value_or(false);
    settings.useRegex = object.decodeIfPresent<bool>(useRegexKey).value_or(false);
    return settings;
}
