#include "engine/halvex/tags/TagValue.h"

#include "engine/ostrak/TagRecord.h"

namespace halvex {

TagValue::TagValue(const QString& text) : text_(text), numericText_(text) {}

TagValue::TagValue(const QStringList& items)
    : text_(items.join(QStringLiteral(", "))), numericText_(text_), items_(items), numericItems_(items)
{
}

TagValue TagValue::fromRecord(const ostrak::TagRecord& record)
{
    TagValue value;
    // Most values have no separate numeric form: share the text rather than hold it twice.
    value.text_ = record.value;
    value.numericText_ = record.numericValue == record.value ? value.text_ : record.numericValue;
    value.items_ = record.values;
    value.numericItems_ = record.numericValues == record.values ? value.items_ : record.numericValues;
    value.isBinary_ = record.isBinary;
    value.binarySize_ = record.binarySize;
    value.isStructure_ = record.isStructure;
    return value;
}

QStringList TagValue::values() const
{
    return isList() ? items_ : QStringList{text_};
}

} // namespace halvex
