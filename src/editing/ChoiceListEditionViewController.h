#pragma once

#include "editing/ChoiceListModel.h"
#include "editing/GenericEditionViewController.h"

class QListView;

namespace corvelle {

class SearchField;

// An editor that picks one choice of a list that a search field narrows. The choice the user
// picked is kept by value: a new search that hides or moves its row does not change it.
class ChoiceListEditionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    void resetValue() override;
    void focus() override;

    QListView* valuesTableView() const { return listView_; }
    SearchField* searchField() const { return searchField_; }
    const ChoiceListModel& choiceModel() const { return model_; }
    // The value of the picked choice, or none.
    const std::optional<QString>& selectedChoiceValue() const { return selectedValue_; }

protected:
    explicit ChoiceListEditionViewController(QWidget* parent = nullptr);

    // The form's list and search field; called from the subclass's setupViews().
    void setupChoiceViews(QListView* listView, SearchField* searchField);
    void setCanBeEdited(bool canBeEdited);
    void setChoices(const QList<ChoiceListModel::Choice>& choices);
    // Picks the choice of that value, as a load does: the value is not marked changed.
    void selectValueQuietly(const std::optional<QString>& value);

private:
    void applySearch();
    void showSelectedValue();
    void userSelectionChanged();

    ChoiceListModel model_;
    QListView* listView_ = nullptr;
    SearchField* searchField_ = nullptr;
    std::optional<QString> selectedValue_;
    bool canBeEdited_ = true;
    bool selecting_ = false;
};

} // namespace corvelle
