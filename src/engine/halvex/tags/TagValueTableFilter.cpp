#include "engine/halvex/tags/TagValueTableFilter.h"

#include "platform/brisa/core/KeyedJson.h"

namespace halvex {

using StringConstraint = TagValueTableFilter::StringConstraint;

StringConstraint::StringConstraint(Kind kind, QString text) : kind_(kind), text_(std::move(text))
{
    if (kind_ == Kind::regularExpression) {
        expression_ = QRegularExpression(text_, QRegularExpression::CaseInsensitiveOption
                                                    | QRegularExpression::UseUnicodePropertiesOption);
        // Compiled once here rather than on the first match, which may come from any thread.
        expression_.optimize();
    }
}

StringConstraint StringConstraint::plainText(const QString& text)
{
    return StringConstraint(Kind::plainText, text);
}

StringConstraint StringConstraint::regularExpression(const QString& pattern)
{
    return StringConstraint(Kind::regularExpression, pattern);
}

bool StringConstraint::isEmpty() const
{
    return kind_ == Kind::none || (kind_ == Kind::plainText && text_.isEmpty());
}

bool StringConstraint::matches(std::initializer_list<QString> texts) const
{
    if (isEmpty())
        return true;
    if (kind_ == Kind::regularExpression && !expression_.isValid())
        return false;
    for (const QString& text : texts) {
        const bool found = kind_ == Kind::plainText ? text.contains(text_, Qt::CaseInsensitive)
                                                    : expression_.match(text).hasMatch();
        if (found)
            return true;
    }
    return false;
}

bool TagValueTableFilter::filter(const TagValueTableRowValue& rowValue) const
{
    switch (valueEdition) {
    case ValueEditionConstraint::ignore:
        break;
    case ValueEditionConstraint::edited:
        if (!rowValue.isEdited())
            return false;
        break;
    case ValueEditionConstraint::unedited:
        if (rowValue.isEdited())
            return false;
        break;
    }
    const bool hasValue = rowValue.valueState() == TagValueTableRowValue::ValueState::single
                       || rowValue.valueState() == TagValueTableRowValue::ValueState::multiple;
    switch (valueState) {
    case ValueStateConstraint::ignore:
        break;
    case ValueStateConstraint::withValue:
        if (!hasValue)
            return false;
        break;
    case ValueStateConstraint::withoutValue:
        if (hasValue)
            return false;
        break;
    }
    const ostrak::TagItem& item = rowValue.tagItem();
    return nameConstraint.matches({item.tagName().rawValue(), item.title()})
        && valueConstraint.matches({rowValue.valueText()});
}

bool TagValueTableFilter::constrainsNothing() const
{
    return nameConstraint.isEmpty() && valueConstraint.isEmpty() && valueEdition == ValueEditionConstraint::ignore
        && valueState == ValueStateConstraint::ignore;
}

} // namespace halvex

using halvex::TagValueTableFilter;
using brisa::DecodingError;
using brisa::KeyedJson;

const QList<std::pair<TagValueTableFilter::ValueEditionConstraint, QString>>&
brisa::EnumStrings<TagValueTableFilter::ValueEditionConstraint>::table()
{
    using C = TagValueTableFilter::ValueEditionConstraint;
    static const QList<std::pair<C, QString>> table{
        {C::ignore, QStringLiteral("ignore")},
        {C::edited, QStringLiteral("edited")},
        {C::unedited, QStringLiteral("unedited")},
    };
    return table;
}

const QList<std::pair<TagValueTableFilter::ValueStateConstraint, QString>>&
brisa::EnumStrings<TagValueTableFilter::ValueStateConstraint>::table()
{
    using C = TagValueTableFilter::ValueStateConstraint;
    static const QList<std::pair<C, QString>> table{
        {C::ignore, QStringLiteral("ignore")},
        {C::withValue, QStringLiteral("withValue")},
        {C::withoutValue, QStringLiteral("withoutValue")},
    };
    return table;
}

namespace {

const QString plainTextCase = QStringLiteral("plainText");
const QString regularExpressionCase = QStringLiteral("regularExpression");
const QString noneCase = QStringLiteral("none");
const QString nameConstraintKey = QStringLiteral("nameConstraint");
const QString valueConstraintKey = QStringLiteral("valueConstraint");
const QString valueEditionKey = QStringLiteral("valueEdition");
const QString valueStateKey = QStringLiteral("valueState");

template<class E>
E decodeCase(const KeyedJson& object, const QString& key, const QString& typeName)
{
    const QString raw = object.decode<QString>(key);
    if (const auto value = brisa::caseFromRawValue<E>(raw))
        return *value;
    throw DecodingError(DecodingError::Kind::DataCorrupted, object.codingPath(key),
                        QStringLiteral("Cannot initialize %1 from invalid String value %2").arg(typeName, raw));
}

} // namespace

QJsonValue brisa::JsonCoding<TagValueTableFilter::StringConstraint>::encode(
    const TagValueTableFilter::StringConstraint& constraint)
{
    using Kind = TagValueTableFilter::StringConstraint::Kind;
    switch (constraint.kind()) {
    case Kind::plainText:
        return KeyedJson::encodeCase(plainTextCase, constraint.text());
    case Kind::regularExpression:
        return KeyedJson::encodeCase(regularExpressionCase, constraint.text());
    case Kind::none:
        break;
    }
    return KeyedJson::encodeCase(noneCase);
}

TagValueTableFilter::StringConstraint brisa::JsonCoding<TagValueTableFilter::StringConstraint>::decode(
    const QJsonValue& json, const QStringList& codingPath)
{
    using Constraint = TagValueTableFilter::StringConstraint;
    const KeyedJson::Case found = KeyedJson::decodeCase(json, codingPath, {plainTextCase, regularExpressionCase, noneCase});
    if (found.name == plainTextCase)
        return Constraint::plainText(found.payload<QString>());
    if (found.name == regularExpressionCase)
        return Constraint::regularExpression(found.payload<QString>());
    return Constraint::none();
}

QJsonValue brisa::JsonCoding<TagValueTableFilter>::encode(const TagValueTableFilter& filter)
{
    QJsonObject object;
    KeyedJson::encode(object, nameConstraintKey, filter.nameConstraint);
    KeyedJson::encode(object, valueConstraintKey, filter.valueConstraint);
    object.insert(valueEditionKey, brisa::rawValue(filter.valueEdition));
    object.insert(valueStateKey, brisa::rawValue(filter.valueState));
    return object;
}

TagValueTableFilter brisa::JsonCoding<TagValueTableFilter>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson object(json, codingPath);
    TagValueTableFilter filter;
    filter.nameConstraint = object.decode<TagValueTableFilter::StringConstraint>(nameConstraintKey);
    filter.valueConstraint = object.decode<TagValueTableFilter::StringConstraint>(valueConstraintKey);
    filter.valueEdition = decodeCase<TagValueTableFilter::ValueEditionConstraint>(
        object, valueEditionKey, QStringLiteral("ValueEditionConstraint"));
    filter.valueState = decodeCase<TagValueTableFilter::ValueStateConstraint>(
        object, valueStateKey, QStringLiteral("ValueStateConstraint"));
    return filter;
}
