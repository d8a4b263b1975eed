#include "engine/halvex/libraries/LibraryListEdition.h"

namespace halvex {

namespace {

const QString editionKey = QStringLiteral("HalvexLibraryListEdition");

} // namespace

LibraryListEdition LibraryListEdition::insertion(const brisa::IndexSet& indexes)
{
    return {Kind::insertion, indexes, -1};
}

LibraryListEdition LibraryListEdition::removal(const brisa::IndexSet& indexes)
{
    return {Kind::removal, indexes, -1};
}

LibraryListEdition LibraryListEdition::move(const brisa::IndexSet& indexes, int destination)
{
    return {Kind::move, indexes, destination};
}

LibraryListEdition LibraryListEdition::reload()
{
    return {Kind::reload, {}, -1};
}

LibraryListEdition LibraryListEdition::selection()
{
    return {Kind::selection, {}, -1};
}

QVariantMap LibraryListEdition::userInfo() const
{
    return {{editionKey, QVariant::fromValue(*this)}};
}

std::optional<LibraryListEdition> LibraryListEdition::from(const brisa::Notification& note)
{
    const QVariant stored = note.userInfo.value(editionKey);
    if (stored.typeId() != qMetaTypeId<LibraryListEdition>())
        return std::nullopt;
    return stored.value<LibraryListEdition>();
}

} // namespace halvex
