#pragma once

#include "engine/halvex/tags/TagItemSearchEngine.h"
#include "filemodel/MetadataFileListSort.h"
#include "tags/SingleTagPicker.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace Ui {
class FileSortOptionsWindow;
} // namespace Ui

namespace corvelle {

// The sheet that chooses how the open files are ordered: one tag, picked from the searchable list
// of the tags the tag-set pop-up offers, and an order. Clicking a row sorts by its tag (a double
// click also applies); a search that hides the tag keeps it. The tag-set choice is shared with
// the tag pickers and kept at once, applied or not. The caller sets the sort first and reads it
// back when the sheet ends with 1:
//
//     auto* sheet = new FileSortOptionsWindowController(window);
//     sheet->setFileSort(lastSort);
//     brisa::SheetPresenter::presentSheet(window, sheet, [sheet](int code) { ... sheet->fileSort() ... });
class FileSortOptionsWindowController : public SingleTagPicker<ostrak::TagItem, halvex::TagItemSearchEngine> {
    Q_OBJECT

public:
    explicit FileSortOptionsWindowController(QWidget* parent = nullptr);
    ~FileSortOptionsWindowController() override;

    MetadataFileListSort fileSort() const;
    // An equal sort (same tag name and order) changes nothing.
    void setFileSort(const MetadataFileListSort& sort);

    // Applying always returns a sort: the one shown when opened, if the user chose nothing.
    bool canApply() const override { return true; }
    void search() override;

    QWidget* containerView() const;
    QPushButton* cancelButton() const;
    QPushButton* applyButton() const;
    QTableView* tableView() const;
    QLineEdit* searchField() const;
    QProgressBar* progressIndicator() const;
    QComboBox* sortOrderPopUpButton() const;
    QComboBox* reducedTagSetPopUpButton() const;

public Q_SLOTS:
    // Takes the order pop-up's case; ascending when none is selected.
    void changeSortOrder();

protected:
    void updateControls() override;

private:
    std::unique_ptr<Ui::FileSortOptionsWindow> ui_;
    MetadataFileListSort::SortOrder order_ = MetadataFileListSort::SortOrder::ascending;
};

} // namespace corvelle
