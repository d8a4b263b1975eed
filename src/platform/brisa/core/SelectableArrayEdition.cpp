#include "platform/brisa/core/SelectableArrayEdition.h"

namespace brisa {

const QString SelectableArrayEdition::editionKey = QStringLiteral("BrisaSelectableArrayEdition");

SelectableArrayEdition::SelectableArrayEdition(Kind kind, int count, int index, const IndexSet& indexes)
    : kind_(kind), count_(count), index_(index), indexes_(indexes)
{
}

SelectableArrayEdition SelectableArrayEdition::insertion(int count, int index)
{
    return {Kind::Insertion, count, index, {}};
}

SelectableArrayEdition SelectableArrayEdition::replacement(int index)
{
    return {Kind::Replacement, 0, index, {}};
}

SelectableArrayEdition SelectableArrayEdition::removal(const IndexSet& indexes)
{
    return {Kind::Removal, 0, -1, indexes};
}

SelectableArrayEdition SelectableArrayEdition::move(const IndexSet& indexes, int destination)
{
    return {Kind::Move, 0, destination, indexes};
}

SelectableArrayEdition SelectableArrayEdition::selection(const IndexSet& selection)
{
    return {Kind::Selection, 0, -1, selection};
}

SelectableArrayEdition SelectableArrayEdition::reload(const IndexSet& selection)
{
    return {Kind::Reload, 0, -1, selection};
}

void SelectableArrayEdition::putInto(QVariantMap& userInfo) const
{
    userInfo.insert(editionKey, QVariant::fromValue(*this));
}

QVariantMap SelectableArrayEdition::userInfo() const
{
    QVariantMap info;
    putInto(info);
    return info;
}

std::optional<SelectableArrayEdition> SelectableArrayEdition::from(const QVariantMap& userInfo)
{
    const QVariant stored = userInfo.value(editionKey);
    if (stored.typeId() != qMetaTypeId<SelectableArrayEdition>())
        return std::nullopt;
    return stored.value<SelectableArrayEdition>();
}

std::optional<SelectableArrayEdition> SelectableArrayEdition::from(const Notification& note)
{
    return from(note.userInfo);
}

} // namespace brisa
