#include "platform/brisa/ui/DynamicToolbarItemSet.h"

namespace brisa {

DynamicToolbarItemSet::DynamicToolbarItemSet(std::function<bool()> isEnabled, QObject* parent)
    : QObject(parent)
    , isEnabled_(std::move(isEnabled))
{
}

DynamicToolbarItemSet::~DynamicToolbarItemSet() = default;

bool DynamicToolbarItemSet::isEnabled() const
{
    return !isEnabled_ || isEnabled_();
}

QList<DynamicToolbarItem*> DynamicToolbarItemSet::items() const
{
    QList<DynamicToolbarItem*> list;
    list.reserve(static_cast<qsizetype>(items_.size()));
    for (const auto& item : items_)
        list.append(item.get());
    return list;
}

DynamicToolbarItem& DynamicToolbarItemSet::appendItem(std::unique_ptr<DynamicToolbarItem> item)
{
    items_.push_back(std::move(item));
    return *items_.back();
}

int DynamicToolbarItemSet::itemCount() const
{
    return static_cast<int>(items_.size());
}

} // namespace brisa
