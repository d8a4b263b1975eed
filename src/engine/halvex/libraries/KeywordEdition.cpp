#include "engine/halvex/libraries/KeywordEdition.h"

namespace halvex {

namespace {

const QString editionKey = QStringLiteral("HalvexKeywordEdition");

} // namespace

KeywordEdition KeywordEdition::insertion(const brisa::IndexSet& indexes)
{
    return {Kind::insertion, indexes};
}

KeywordEdition KeywordEdition::removal(const brisa::IndexSet& indexes)
{
    return {Kind::removal, indexes};
}

KeywordEdition KeywordEdition::reload()
{
    return {Kind::reload, {}};
}

KeywordEdition KeywordEdition::selection()
{
    return {Kind::selection, {}};
}

QVariantMap KeywordEdition::userInfo() const
{
    return {{editionKey, QVariant::fromValue(*this)}};
}

std::optional<KeywordEdition> KeywordEdition::from(const brisa::Notification& note)
{
    const QVariant stored = note.userInfo.value(editionKey);
    if (stored.typeId() != qMetaTypeId<KeywordEdition>())
        return std::nullopt;
    return stored.value<KeywordEdition>();
}

} // namespace halvex
