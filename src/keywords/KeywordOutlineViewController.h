#pragma once

#include "engine/halvex/libraries/KeywordItem.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QWidget>

#include <memory>

class QTreeView;

namespace Ui {
class KeywordOutlineView;
}

namespace corvelle {

class KeywordOutlineModel;

// The keyword library as an outline: a tree view over a KeywordOutlineModel, whose selection
// and the manager's current item are kept equal. Selecting rows makes the first of them (in
// the outline's order) current; a change of the current item, of the rows, or an expansion
// selects the current item's row again, and the current item is cleared when no row shows it
// (removed, or hidden in a collapsed parent). Rows move by drag and drop; a double click asks
// for the current item's edition.
class KeywordOutlineViewController : public QWidget {
    Q_OBJECT

public:
    // Takes `model` over. A read-only model gives an outline without drag and drop.
    explicit KeywordOutlineViewController(KeywordOutlineModel* model, QWidget* parent = nullptr);
    ~KeywordOutlineViewController() override;

    QTreeView* outlineView() const;
    KeywordOutlineModel* model() const { return model_; }

    // Selects the rows of the manager's current item, clearing the current item when no row
    // shows it.
    void selectCurrentItem();

Q_SIGNALS:
    void editRequested();
    // A right click or the row's action button, on the row of `item` (null: below the rows).
    void contextMenuRequested(const halvex::KeywordItemPtr& item, const QPoint& globalPosition);

private:
    void selectionDidChange();

    std::unique_ptr<Ui::KeywordOutlineView> ui_;
    KeywordOutlineModel* model_;
    brisa::NoteSubscriber managerSubscriber_;
    // Set while the outline changes the selection itself, so that it is not sent back.
    bool selecting_ = false;
};

} // namespace corvelle
