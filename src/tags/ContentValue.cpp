#include "tags/ContentValue.h"

namespace corvelle {

ContentValue::Item ContentValue::Item::text(const QString& text)
{
    Item item;
    item.text_ = text;
    return item;
}

ContentValue::Item ContentValue::Item::action(const std::optional<QString>& caption, const QString& value)
{
    Item item;
    item.kind_ = Kind::action;
    item.caption_ = caption;
    item.text_ = value;
    return item;
}

ContentValue::Item ContentValue::Item::words(const std::optional<QString>& caption, const QStringList& words)
{
    Item item;
    item.kind_ = Kind::words;
    item.caption_ = caption;
    item.words_ = words;
    return item;
}

std::optional<QString> ContentValue::Item::caption() const
{
    if (!caption_ || caption_->isEmpty())
        return std::nullopt;
    return caption_;
}

std::optional<ContentValue> ContentValue::fromVariant(const QVariant& value)
{
    if (!value.isValid() || value.metaType() != QMetaType::fromType<ContentValue>())
        return std::nullopt;
    return value.value<ContentValue>();
}

} // namespace corvelle
