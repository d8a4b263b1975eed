#pragma once

#include "widgets/controls/RightClickTableViewDelegate.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

#include <optional>
#include <utility>

namespace corvelle {

// The right-click behaviour shared by RightClickTableView and RightClickOutlineView: a right
// click on a row that is not selected selects that row alone, a selected row keeps the whole
// selection, and the delegate may refuse the click or adjust the menu before it shows.
// Positions are in viewport coordinates.
//
// The view takes the focus on mouse presses itself, so its focus policy leaves out ClickFocus:
// a refused right click must leave the focus where it was.
template<class View>
class RightClickView : public View {
public:
    explicit RightClickView(QWidget* parent = nullptr)
        : View(parent)
    {
        this->setFocusPolicy(Qt::TabFocus);
    }

    RightClickTableViewDelegate* rightClickDelegate() const { return delegate_; }
    // Not owned; the owner clears it before it goes away.
    void setRightClickDelegate(RightClickTableViewDelegate* delegate) { delegate_ = delegate; }

    // The context menu; not owned, so one menu may serve several views.
    QMenu* menu() const { return menu_; }
    void setMenu(QMenu* menu) { menu_ = menu; }

    // Whether a right click at `pos` is taken: the delegate decides for a row, every other
    // click is taken.
    virtual bool shouldRightClick(const QPoint& pos)
    {
        const QModelIndex row = rowIndexAt(pos);
        if (delegate_ && row.isValid())
            return delegate_->shouldRightClickRow(this, row);
        return true;
    }

    // Selects the row under `pos` alone unless it is already selected, and gives the menu to
    // show, after the delegate has seen it; nullptr when there is no menu or it is empty.
    QMenu* menuForPosition(const QPoint& pos)
    {
        const QModelIndex row = rowIndexAt(pos);
        QItemSelectionModel* selection = this->selectionModel();
        if (row.isValid() && selection && this->selectionMode() != QAbstractItemView::NoSelection
            && !selection->rowIntersectsSelection(row.row(), row.parent())) {
            selection->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            if (delegate_)
                delegate_->selectionDidChange(this);
        }
        if (!menu_ || menu_->isEmpty())
            return nullptr;
        if (delegate_)
            delegate_->willDisplayMenu(this, menu_);
        return menu_;
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::RightButton) {
            takeClickFocus();
            View::mousePressEvent(event);
            return;
        }
        // The base class would apply its own selection rules; the menu request that follows
        // the press does the selecting here.
        rightPressTaken_ = shouldRightClick(event->position().toPoint());
        if (*rightPressTaken_)
            takeClickFocus();
        event->accept();
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::RightButton) {
            mousePressEvent(event);
            return;
        }
        takeClickFocus();
        View::mouseDoubleClickEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (event->buttons() == Qt::RightButton)
            event->accept();
        else
            View::mouseMoveEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::RightButton)
            event->accept();
        else
            View::mouseReleaseEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        // Accepted in every case so that a refused click does not reach the parent's menu.
        event->accept();
        const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
        // The press before the request has already asked the gate.
        const std::optional<bool> pressTaken = std::exchange(rightPressTaken_, std::nullopt);
        if (byMouse && !(pressTaken ? *pressTaken : shouldRightClick(event->pos())))
            return;
        // From the keyboard the menu acts on the selection as it stands.
        if (QMenu* menu = menuForPosition(byMouse ? event->pos() : QPoint(-1, -1)))
            menu->popup(event->globalPos());
    }

private:
    void takeClickFocus()
    {
        if (this->isEnabled())
            this->setFocus(Qt::MouseFocusReason);
    }

    // The first column of the row at the height of `pos`, wherever `pos` is across the row.
    QModelIndex rowIndexAt(const QPoint& pos) const
    {
        const QModelIndex index = this->indexAt(QPoint(0, pos.y()));
        return index.isValid() ? index.siblingAtColumn(0) : QModelIndex();
    }

    RightClickTableViewDelegate* delegate_ = nullptr;
    QPointer<QMenu> menu_;
    std::optional<bool> rightPressTaken_;   // the gate's answer to the last right press
};

} // namespace corvelle
