#include "platform/brisa/ui/DynamicToolbar.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
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
    toolbar_->installEventFilter(this);
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
    centreItem();
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

void DynamicToolbar::setCenteredItemIdentifier(const QString& identifier)
{
    centeredItemIdentifier_ = identifier;
    centreItem();
}

bool DynamicToolbar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == toolbar_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        centreItem();
    return QObject::eventFilter(watched, event);
}

void DynamicToolbar::centreItem()
{
    if (centring_ || centeredItemIdentifier_.isEmpty() || !toolbar_ || !toolbar_->isVisible() || !toolbar_->layout())
        return;
    QList<DynamicToolbarItem*> shown;
    for (DynamicToolbarItem* item : displayedItems()) {
        if (!item->isHidden())
            shown << item;
    }
    const auto centred = std::find_if(shown.cbegin(), shown.cend(), [this](const DynamicToolbarItem* item) {
        return item->identifier() == centeredItemIdentifier_;
    });
    if (centred == shown.cend() || !(*centred)->view())
        return;
    const auto before = std::find_if(std::make_reverse_iterator(centred), shown.crend(),
                                     [](const DynamicToolbarItem* item) { return item->isFlexibleSpace(); });
    if (before == shown.crend())
        return;
    QWidget* space = (*before)->view();
    QWidget* view = (*centred)->view();
    centring_ = true;
    // The natural layout first: it tells how much room each side has.
    space->setMinimumWidth(0);
    space->setMaximumWidth(QWIDGETSIZE_MAX);
    toolbar_->layout()->activate();
    // An item that grows with the room moves again: a few passes settle it.
    for (int pass = 0; pass < 3; ++pass) {
        // Moving the item right takes the room from the flexible spaces after it.
        int roomAfter = 0;
        for (auto item = centred + 1; item != shown.cend(); ++item) {
            if ((*item)->isFlexibleSpace())
                roomAfter += (*item)->view()->width();
        }
        const int shift = toolbar_->rect().center().x() - view->geometry().center().x();
        const int width = space->width() + shift;
        if (shift == 0 || width < 0 || shift > roomAfter)
            break;
        space->setFixedWidth(width);
        toolbar_->layout()->activate();
    }
    centring_ = false;
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
