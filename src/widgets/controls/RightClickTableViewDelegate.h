#pragma once

class QAbstractItemView;
class QMenu;
class QModelIndex;

namespace corvelle {

// Taken part in by the owner of a RightClickTableView or RightClickOutlineView: it may refuse
// right clicks on some rows and adjust the context menu before it shows.
class RightClickTableViewDelegate {
public:
    virtual ~RightClickTableViewDelegate() = default;

    // Whether a right click on the row is taken. `row` is the index of the row's first column.
    virtual bool shouldRightClickRow(QAbstractItemView* view, const QModelIndex& row) = 0;

    // Called with the view's menu just before it shows.
    virtual void willDisplayMenu(QAbstractItemView* view, QMenu* menu) = 0;

    // A right click made an unselected row the only selected one. Called once, directly, so an
    // owner that keeps its selection state here needs no selection-model connection for it.
    virtual void selectionDidChange(QAbstractItemView* view) { (void)view; }
};

} // namespace corvelle
