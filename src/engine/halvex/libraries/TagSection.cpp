#include "engine/halvex/libraries/TagSection.h"

#include "platform/brisa/core/KeyedJson.h"

#include <QJsonObject>

namespace halvex {

namespace {

const QString titleKey = QStringLiteral("title");
const QString localizationKeyKey = QStringLiteral("localizationKey");

// The engine's own sections: localisation key and stored (menu) title.
const QList<std::pair<QString, QString>>& builtInSections()
{
    static const QList<std::pair<QString, QString>> sections{
        {QStringLiteral("TagSetSectionMovie"), QStringLiteral("Movie")},
        {QStringLiteral("TagSetSectionCredits"), QStringLiteral("Credits")},
        {QStringLiteral("TagSetSectionTVShow"), QStringLiteral("TV Show")},
        {QStringLiteral("TagSetSectionStore"), QStringLiteral("Store")},
        {QStringLiteral("TagSetSectionXMP"), QStringLiteral("XMP")},
        {QStringLiteral("TagSetSectionDescription"), QStringLiteral("Description")},
        {QStringLiteral("TagSetSectionDates"), QStringLiteral("Dates")},
        {QStringLiteral("TagSetSectionCamera"), QStringLiteral("Camera")},
        {QStringLiteral("TagSetSectionLocation"), QStringLiteral("Location")},
        {QStringLiteral("TagSetSectionRights"), QStringLiteral("Rights")},
    };
    return sections;
}

} // namespace

TagSection::TagSection(QString title) : title_(std::move(title))
{
}

TagSection::TagSection(QString title, std::optional<QString> localizationKey)
    : title_(std::move(title)), localizationKey_(std::move(localizationKey))
{
}

TagSection TagSection::builtIn(const QString& key)
{
    for (const auto& [known, title] : builtInSections()) {
        if (known == key)
            return TagSection(title, key);
    }
    Q_ASSERT_X(false, "TagSection::builtIn", "not one of the engine's sections");
    return TagSection(key);
}

const QStringList& TagSection::builtInKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        for (const auto& section : builtInSections())
            list.append(section.first);
        return list;
    }();
    return keys;
}

LocalizedText TagSection::localizedName() const
{
    if (localizationKey_)
        return {*localizationKey_, {}};
    return {QStringLiteral("TagSectionUserTitle"), {title_}};
}

} // namespace halvex

QJsonValue brisa::JsonCoding<halvex::TagSection>::encode(const halvex::TagSection& section)
{
    QJsonObject object;
    KeyedJson::encode(object, halvex::titleKey, section.title_);
    KeyedJson::encodeIfPresent(object, halvex::localizationKeyKey, section.localizationKey_);
    return object;
}

halvex::TagSection brisa::JsonCoding<halvex::TagSection>::decode(const QJsonValue& json,
                                                                 const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    const QString title = object.decode<QString>(halvex::titleKey);
    std::optional<QString> key = object.decodeIfPresent<QString>(halvex::localizationKeyKey);
    if (key && !halvex::TagSection::builtInKeys().contains(*key))
        key.reset();
    return halvex::TagSection(title, key);
}
