#pragma once

#include "platform/brisa/ui/DynamicToolbarItemContainer.h"
#include "platform/brisa/ui/DynamicToolbarItemSet.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class QToolBar;

namespace brisa {

// A QToolBar whose items come from item sets: its own sets, in the order they were added,
// followed by the set that the item-set provider answers (a window's current section, say).
// Only enabled sets are shown. Nothing changes on screen until reloadDisplayedItems(), which
// brings the shown items in line with the enabled sets and runs the update closure of every
// shown item.
class DynamicToolbar : public QObject, public DynamicToolbarItemContainer {
    Q_OBJECT
public:
    using ItemSetProvider = std::function<DynamicToolbarItemSet*()>;

    explicit DynamicToolbar(QObject* parent = nullptr);
    ~DynamicToolbar() override;

    // Created with the dynamic toolbar; a window that adds it takes it over, else it goes with us.
    QToolBar* toolbar() const;

    DynamicToolbarItemSet& addItemSet(std::function<bool()> isEnabled);
    // The provider's set is not owned; it may go away at any time.
    void setItemSetProvider(ItemSetProvider provider);

    void reloadDisplayedItems();
    // The items shown by the last reload that still exist.
    QList<DynamicToolbarItem*> displayedItems() const;

    // The shown item with this identifier is kept with its centre at the toolbar's centre while
    // the room allows, through the width of the nearest flexible space before it; without room
    // the flexible spaces share the space as usual.
    void setCenteredItemIdentifier(const QString& identifier);
    QString centeredItemIdentifier() const { return centeredItemIdentifier_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Items added to the toolbar itself go to its last item set (an always-enabled one if none).
    DynamicToolbarItem& appendItem(std::unique_ptr<DynamicToolbarItem> item) override;
    int itemCount() const override;

private:
    QList<DynamicToolbarItemSet*> enabledSets() const;
    void rebuild(const QList<DynamicToolbarItemSet*>& sets);
    void centreItem();

    QPointer<QToolBar> toolbar_;
    std::vector<std::unique_ptr<DynamicToolbarItemSet>> itemSets_;
    ItemSetProvider provider_;
    QList<QPointer<DynamicToolbarItemSet>> displayedSets_;
    bool reloading_ = false;
    bool reloadAgain_ = false;
    QString centeredItemIdentifier_;
    bool centring_ = false;
};

} // namespace brisa
