#include "editing/ChoiceListEditionViewController.h"

#include "widgets/controls/SearchField.h"

#include <QItemSelectionModel>
#include <QListView>

namespace corvelle {

ChoiceListEditionViewController::ChoiceListEditionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
{
}

void ChoiceListEditionViewController::setupChoiceViews(QListView* listView, SearchField* searchField)
{
    listView_ = listView;
    searchField_ = searchField;
    listView_->setModel(&model_);
    connect(listView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChoiceListEditionViewController::userSelectionChanged);
    connect(listView_, &QListView::doubleClicked, this, &ChoiceListEditionViewController::validateHostEdition);
    connect(searchField_, &QLineEdit::textChanged, this, &ChoiceListEditionViewController::applySearch);
}

void ChoiceListEditionViewController::resetValue()
{
    GenericEditionViewController::resetValue();
    setCanBeEdited(true);
    selectedValue_.reset();
    applySearch();
}

void ChoiceListEditionViewController::focus()
{
    listView_->setFocus(Qt::OtherFocusReason);
}

void ChoiceListEditionViewController::setCanBeEdited(bool canBeEdited)
{
    canBeEdited_ = canBeEdited;
    listView_->setSelectionMode(canBeEdited ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
}

void ChoiceListEditionViewController::setChoices(const QList<ChoiceListModel::Choice>& choices)
{
    selecting_ = true;
    model_.setChoices(choices);
    selecting_ = false;
    showSelectedValue();
}

void ChoiceListEditionViewController::selectValueQuietly(const std::optional<QString>& value)
{
    selectedValue_ = value;
    showSelectedValue();
}

void ChoiceListEditionViewController::applySearch()
{
    selecting_ = true;
    model_.setSearchText(searchField_->text());
    selecting_ = false;
    showSelectedValue();
}

void ChoiceListEditionViewController::showSelectedValue()
{
    selecting_ = true;
    listView_->selectionModel()->clearSelection();
    const auto row = selectedValue_ ? model_.rowOfValue(*selectedValue_) : std::nullopt;
    if (row) {
        const QModelIndex index = model_.index(*row);
        listView_->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
        listView_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        listView_->scrollTo(index);
    }
    selecting_ = false;
}

void ChoiceListEditionViewController::userSelectionChanged()
{
    if (selecting_ || !canBeEdited_)
        return;
    const QModelIndexList rows = listView_->selectionModel()->selectedRows();
    // A row that goes out of view leaves the pick as it was; only a new pick replaces it.
    if (rows.isEmpty())
        return;
    selectedValue_ = model_.valueAtRow(rows.constFirst().row());
    markValueChanged();
}

} // namespace corvelle
