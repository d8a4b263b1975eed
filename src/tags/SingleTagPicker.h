#pragma once

#include "tags/PickerListModel.h"
#include "tags/TagPickerSheet.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <optional>

namespace corvelle {

// A picker of exactly one element (a tag item or a tag stream) among the search results: the
// picked element carries the check mark and is the selected row; clicking a row picks it;
// double-clicking it applies. An element the current search hides stays picked (and Apply
// returns it), with no row selected.
template<class Element, class Engine>
class SingleTagPicker : public TagPickerSheet {
public:
    const std::optional<Element>& selectedElement() const { return selected_; }
    // Nothing happens when it is the element already picked (or both are none).
    void selectElement(const std::optional<Element>& element)
    {
        if (element == selected_)
            return;
        selected_ = element;
        reloadTableSelection();
        updateInterface();
    }

    bool canApply() const override { return selected_.has_value(); }
    bool isSearching() const override { return searchEngine_.isSearching(); }

    Engine& searchEngine() { return searchEngine_; }
    PickerListModel<Element>* listModel() const { return model_; }

protected:
    SingleTagPicker(QWidget* parent, typename PickerListModel<Element>::Title title)
        : TagPickerSheet(parent), model_(new PickerListModel<Element>(std::move(title), QString(), this))
    {
        model_->setCheckedElement(std::nullopt);
    }

    void setupList(QAbstractItemView* view)
    {
        view_ = view;
        model_->showIn(view_);
        view_->setSelectionMode(QAbstractItemView::SingleSelection);
        QObject::connect(view_, &QAbstractItemView::doubleClicked, this, [this] { applySheet(); });
        QObject::connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                         [this] { tableSelectionDidChange(); });
        // The engine and its callbacks live and die with the picker.
        searchEngine_.onStateChange([this] { updateInterface(); });
        searchEngine_.onResultChange([this] { resultsDidChange(); });
    }

    void reloadTableSelection()
    {
        model_->setCheckedElement(selected_);
        if (!view_)
            return;
        const bool wasUpdating = std::exchange(isUpdatingTable_, true);
        QItemSelection rows;
        for (int row = 0; selected_ && row < model_->elements().size(); ++row) {
            if (model_->elements().at(row) == *selected_)
                rows.select(model_->index(row), model_->index(row));
        }
        view_->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        if (!rows.isEmpty())
            view_->selectionModel()->setCurrentIndex(rows.indexes().first(), QItemSelectionModel::NoUpdate);
        isUpdatingTable_ = wasUpdating;
    }

private:
    void resultsDidChange()
    {
        isUpdatingTable_ = true;
        model_->setElements(searchEngine_.results());
        isUpdatingTable_ = false;
        reloadTableSelection();
        const QModelIndexList selected = view_->selectionModel()->selectedRows();
        if (!selected.isEmpty())
            view_->scrollTo(selected.first(), QAbstractItemView::PositionAtCenter);
        updateInterface();
    }

    void tableSelectionDidChange()
    {
        if (isUpdatingTable_)
            return;
        const QModelIndexList selected = view_->selectionModel()->selectedRows();
        if (selected.isEmpty())
            return;
        if (const std::optional<Element> element = model_->elementAt(selected.first().row()))
            selectElement(element);
    }

    Engine searchEngine_;
    PickerListModel<Element>* model_;
    QAbstractItemView* view_ = nullptr;
    std::optional<Element> selected_;
    bool isUpdatingTable_ = false;
};

} // namespace corvelle
