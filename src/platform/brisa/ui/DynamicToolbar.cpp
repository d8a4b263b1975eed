#include "platform/brisa/ui/DynamicToolbar.h"

#include <QAction>
#include <QToolBar>

namespace brisa {

DynamicToolbar::DynamicToolbar(QObject* parent)
    : QObject(parent)
    , toolbar_(new QToolBar)
{
    toolbar_->setObjectName(QStringLiteral("DynamicToolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    // The items belong to the sections; the user neither moves nor hides them.
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar_->toggleViewAction()->setEnabled(false);
}

DynamicToolbar::~DynamicToolbar()
{
    if (toolbar_)
        toolbar_->clear();
    // Our sets die with us; the window keeps the toolbar it took over.
    if (toolbar_ && !toolbar_->parent())
        delete toolbar_.data();
}

QToolBar* DynamicToolbar::toolbar() const
{
    return toolbar_.data();
}

DynamicToolbarItemSet& DynamicToolbar::addItemSet(std::function<bool()> isEnabled)
{
    itemSets_.push_back(std::make_unique<DynamicToolbarItemSet>(std::move(isEnabled)));
    return *itemSets_.back();
}

void DynamicToolbar::setItemSetProvider(ItemSetProvider provider)
{
    provider_ = std::move(provider);
}

void DynamicToolbar::reloadDisplayedItems()
{
    // An update closure may ask for a reload; it runs once the current one is over.
    if (reloading_) {
        reloadAgain_ = true;
        return;
    }
    reloading_ = true;
    do {
        reloadAgain_ = false;
        const QList<DynamicToolbarItemSet*> sets = enabledSets();
        rebuild(sets);
        displayedSets_.clear();
        for (DynamicToolbarItemSet* set : sets)
            displayedSets_.append(set);
        for (const QPointer<DynamicToolbarItemSet>& set : std::as_const(displayedSets_)) {
            for (int index = 0; set && index < set->items().size(); ++index)
                set->items().at(index)->update();
        }
    } while (reloadAgain_);
    reloading_ = false;
}

QList<DynamicToolbarItem*> DynamicToolbar::displayedItems() const
{
    QList<DynamicToolbarItem*> items;
    for (const QPointer<DynamicToolbarItemSet>& set : displayedSets_) {
        if (set)
            items += set->items();
    }
    return items;
}

DynamicToolbarItem& DynamicToolbar::appendItem(std::unique_ptr<DynamicToolbarItem> item)
{
    if (itemSets_.empty())
        addItemSet({});
    return itemSets_.back()->addItem(std::move(item));
}

int DynamicToolbar::itemCount() const
{
    return itemSets_.empty() ? 0 : static_cast<int>(itemSets_.back()->items().size());
}

QList<DynamicToolbarItemSet*> DynamicToolbar::enabledSets() const
{
    QList<DynamicToolbarItemSet*> sets;
    for (const auto& set : itemSets_) {
        if (set->isEnabled())
            sets.append(set.get());
    }
    if (provider_) {
        DynamicToolbarItemSet* provided = provider_();
        if (provided && !sets.contains(provided) && provided->isEnabled())
            sets.append(provided);
    }
    return sets;
}

void DynamicToolbar::rebuild(const QList<DynamicToolbarItemSet*>& sets)
{
    if (!toolbar_)
        return;
    QList<QAction*> wanted;
    for (DynamicToolbarItemSet* set : sets) {
        for (DynamicToolbarItem* item : set->items())
            wanted.append(item->action());
    }
    if (toolbar_->actions() == wanted)
        return;
    toolbar_->clear();
    toolbar_->addActions(wanted);
}

} // namespace brisa
