#include "engine/halvex/tags/TagValueTableValueSet.h"


#include <algorithm>

namespace halvex {

namespace {

// Each row's common value holds over all the editors, so the rows' values combine exactly as
// every (tag, file) value would: none when all are none, the one value when all rows share it.
MultiValuedString combined(const QList<TagValueTableRowValue>& rows)
{
    if (rows.isEmpty())
        return MultiValuedString::none();
    const MultiValuedString& first = rows.first().value();
    if (first.kind() == MultiValuedString::Kind::multiple)
        return first;
    const bool allEqual = std::all_of(rows.begin(), rows.end(),
                                      [&first](const TagValueTableRowValue& row) { return row.value() == first; });
    return allEqual ? first : MultiValuedString::multiple();
}

ostrak::TagItem::Choices commonChoices(const QList<ostrak::TagItem>& tagItems)
{
    if (tagItems.isEmpty())
        return {};
    ostrak::TagItem::Choices choices = tagItems.first().choices();
    for (qsizetype i = 1; i < tagItems.size() && !choices.isEmpty(); ++i) {
        const ostrak::TagItem& item = tagItems.at(i);
        choices.removeIf([&item](const auto& choice) { return !item.indexOfValue(choice.first).has_value(); });
    }
    return choices;
}

} // namespace

TagValueTableValueSet::TagValueTableValueSet(QList<std::shared_ptr<TagEditor>> editors,
                                             QList<ostrak::TagItem> tagItems)
    : TagValueTableValueSet(editors, TagValueTableRowValue::read(tagItems, editors))
{
}

TagValueTableValueSet::TagValueTableValueSet(QList<std::shared_ptr<TagEditor>> editors,
                                             const QList<TagValueTableRowValue>& rows)
    : editors_(std::move(editors)), commonValue_(combined(rows))
{
    tagItems_.reserve(rows.size());
    for (const TagValueTableRowValue& row : rows)
        tagItems_.append(row.tagItem());
    isEdited_ = std::any_of(rows.begin(), rows.end(), [](const auto& row) { return row.isEdited(); });
    isWritable_ = !rows.isEmpty()
               && std::all_of(rows.begin(), rows.end(), [](const auto& row) { return row.isWritable(); });
    choices_ = commonChoices(tagItems_);
}

} // namespace halvex
