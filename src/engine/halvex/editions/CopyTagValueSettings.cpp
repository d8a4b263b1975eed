#include "engine/halvex/editions/CopyTagValueSettings.h"

#include "platform/brisa/core/KeyedJson.h"

namespace halvex {

QList<CopyTagValueSettings::Formatter> CopyTagValueSettings::allFormatterCases()
{
    return brisa::allCases<Formatter>();
}

QList<CopyTagValueSettings::Insertion> CopyTagValueSettings::allInsertionCases()
{
    return brisa::allCases<Insertion>();
}

} // namespace halvex

using halvex::CopyTagValueSettings;
using Formatter = CopyTagValueSettings::Formatter;

namespace {

const QString tagNameKey = QStringLiteral("tagName");
const QString formatterKey = QStringLiteral("formatter");
const QString insertionKey = QStringLiteral("insertion");

} // namespace

const QList<std::pair<Formatter, QString>>& brisa::EnumStrings<Formatter>::table()
{
    static const QList<std::pair<Formatter, QString>> table{
        {Formatter::raw, QStringLiteral("raw")},
        {Formatter::pretty, QStringLiteral("pretty")},
    };
    return table;
}

QJsonValue brisa::JsonCoding<CopyTagValueSettings>::encode(const CopyTagValueSettings& settings)
{
    QJsonObject object;
    KeyedJson::encode(object, tagNameKey, settings.tagName);
    KeyedJson::encode(object, formatterKey, settings.formatter);
    KeyedJson::encode(object, insertionKey, settings.insertion);
    return object;
}

CopyTagValueSettings brisa::JsonCoding<CopyTagValueSettings>::decode(const QJsonValue& json,
                                                                     const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    CopyTagValueSettings settings;
    settings.tagName = object.decode<ostrak::TagName>(tagNameKey);
    settings.formatter = object.decodeIfPresent<Formatter>(formatterKey).value_or(Formatter::raw);
    settings.insertion =
        object.decodeIfPresent<CopyTagValueSettings::Insertion>(insertionKey).value_or(CopyTagValueSettings::Insertion::replace);
    return settings;
}
