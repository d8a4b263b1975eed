#pragma once

#include "tags/PickerListModel.h"
#include "tags/TagPickerSheet.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QPushButton>

namespace corvelle {

// A picker of an ordered list of elements (tag items or tag streams): the search results on one
// side, the chosen elements on the other. Elements go from the results to the chosen list by the
// add button, a double click or a drag; the chosen list is reordered by dragging and shrunk by
// the remove button. An element is never chosen twice. Apply needs at least one chosen element.
//
// Dragged rows travel as row numbers under a type private to this launch; rows that no longer
// exist when they are dropped (the results changed during the drag) are skipped.
template<class Element, class Engine>
class MultiTagPicker : public TagPickerSheet {
public:
    const QList<Element>& selectedElements() const { return chosen_->elements(); }
    // Replaces the chosen list when it differs.
    void selectElements(const QList<Element>& elements)
    {
        if (elements == chosen_->elements())
            return;
        chosen_->setElements(elements);
        updateInterface();
    }

    bool canApply() const override { return !chosen_->elements().isEmpty(); }
    bool isSearching() const override { return searchEngine_.isSearching(); }
    bool canAdd() const { return availableView_ && availableView_->selectionModel()->hasSelection(); }
    bool canRemove() const { return chosenView_ && chosenView_->selectionModel()->hasSelection(); }

    // Appends the selected results, in row order, less those already chosen.
    void addSelectedElements()
    {
        if (!canAdd())
            return;
        insertAvailable(selectedRows(availableView_), int(chosen_->elements().size()));
    }

    void removeSelectedElements()
    {
        if (!canRemove())
            return;
        chosen_->removeElements(selectedRows(chosenView_));
        updateInterface();
    }

    Engine& searchEngine() { return searchEngine_; }
    PickerListModel<Element>* availableModel() const { return available_; }
    PickerListModel<Element>* chosenModel() const { return chosen_; }

protected:
    MultiTagPicker(QWidget* parent, const typename PickerListModel<Element>::Title& title, const QString& availableRowType,
                   const QString& chosenRowType)
        : TagPickerSheet(parent)
        , available_(new PickerListModel<Element>(title, QStringLiteral("- "), this))
        , chosen_(new PickerListModel<Element>(title, QStringLiteral("- "), this))
        , availableRowType_(availableRowType)
        , chosenRowType_(chosenRowType)
    {
        available_->setDragType(availableRowType);
        chosen_->setDragType(chosenRowType);
        chosen_->setDropHandler({availableRowType, chosenRowType},
                                [this](const QString& type, const brisa::IndexSet& rows, int row) {
                                    if (type == availableRowType_)
                                        insertAvailable(rows, row);
                                    else
                                        moveChosen(rows, row);
                                    return true;
                                });
    }

    void setupLists(QAbstractItemView* availableView, QAbstractItemView* chosenView, QPushButton* addButton,
                    QPushButton* removeButton)
    {
        availableView_ = availableView;
        chosenView_ = chosenView;
        addButton_ = addButton;
        removeButton_ = removeButton;
        const auto setup = [this](QAbstractItemView* view, PickerListModel<Element>* model, bool acceptsDrops) {
            model->showIn(view);
            view->setSelectionMode(QAbstractItemView::ExtendedSelection);
            view->setDragEnabled(true);
            view->setAcceptDrops(acceptsDrops);
            view->setDropIndicatorShown(acceptsDrops);
            view->setDragDropMode(acceptsDrops ? QAbstractItemView::DragDrop : QAbstractItemView::DragOnly);
            view->setDefaultDropAction(Qt::MoveAction);
            QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                             [this] { updateInterface(); });
        };
        setup(availableView_, available_, false);
        setup(chosenView_, chosen_, true);
        QObject::connect(availableView_, &QAbstractItemView::doubleClicked, this, [this] { addSelectedElements(); });
        QObject::connect(addButton_, &QPushButton::clicked, this, [this] { addSelectedElements(); });
        QObject::connect(removeButton_, &QPushButton::clicked, this, [this] { removeSelectedElements(); });
        searchEngine_.onStateChange([this] { updateInterface(); });
        searchEngine_.onResultChange([this] {
            available_->setElements(searchEngine_.results());
            updateInterface();
        });
    }

    void updateControls() override
    {
        if (addButton_)
            addButton_->setEnabled(canAdd());
        if (removeButton_)
            removeButton_->setEnabled(canRemove());
    }

private:
    static brisa::IndexSet selectedRows(QAbstractItemView* view)
    {
        brisa::IndexSet rows;
        for (const QModelIndex& index : view->selectionModel()->selectedRows())
            rows.insert(index.row());
        return rows;
    }

    // The results at `rows` (rows past the end skipped) that are not chosen yet, inserted at `row`.
    void insertAvailable(const brisa::IndexSet& rows, int row)
    {
        QList<Element> added;
        for (const Element& element : brisa::at(available_->elements(), rows)) {
            if (!chosen_->elements().contains(element) && !added.contains(element))
                added << element;
        }
        chosen_->insertElements(row, added);
        updateInterface();
    }

    void moveChosen(const brisa::IndexSet& rows, int row)
    {
        chosen_->moveElements(rows, row);
        updateInterface();
    }

    Engine searchEngine_;
    PickerListModel<Element>* available_;
    PickerListModel<Element>* chosen_;
    QString availableRowType_;
    QString chosenRowType_;
    QAbstractItemView* availableView_ = nullptr;
    QAbstractItemView* chosenView_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
};

} // namespace corvelle
