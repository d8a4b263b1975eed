#include "engine/halvex/tags/TagValue.h"

#include "engine/ostrak/TagRecord.h"

namespace halvex {

TagValue::TagValue(const QString& text) : text_(text), numericText_(text) {}

TagValue::TagValue(const QStringList& items)
    : text_(items.join(QStringLiteral(", "))), numericText_(text_)
{
    setItems(items, items);
}

void TagValue::setItems(const QStringList& items, const QStringList& numericItems)
{
    if (!items.isEmpty())
        list_ = std::make_shared<const ListItems>(ListItems{items, numericItems});
}

const QStringList& TagValue::items() const
{
    static const QStringList none;
    return list_ ? list_->items : none;
}

const QStringList& TagValue::numericItems() const
{
    static const QStringList none;
    return list_ ? list_->numericItems : none;
}

bool operator==(const TagValue& a, const TagValue& b)
{
    return a.text_ == b.text_ && a.numericText_ == b.numericText_ && a.items() == b.items()
        && a.numericItems() == b.numericItems() && a.binarySize_ == b.binarySize_ && a.isBinary_ == b.isBinary_
        && a.isStructure_ == b.isStructure_;
}

TagValue TagValue::fromRecord(const ostrak::TagRecord& record)
{
    TagValue value;
    // Most values have no separate numeric form: share the text rather than hold it twice.
    value.text_ = record.value;
    value.numericText_ = record.numericValue == record.value ? value.text_ : record.numericValue;
    value.setItems(record.values, record.numericValues == record.values ? record.values : record.numericValues);
    value.isBinary_ = record.isBinary;
    value.binarySize_ = record.binarySize;
    value.isStructure_ = record.isStructure;
    return value;
}

QStringList TagValue::values() const
{
    return isList() ? list_->items : QStringList{text_};
}

} // namespace halvex
