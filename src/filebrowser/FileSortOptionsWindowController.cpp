#include "filebrowser/FileSortOptionsWindowController.h"

#include "filebrowser/FileSortOptionsTableCellView.h"
#include "platform/brisa/ui/ComboBoxCaseList.h"
#include "tags/ReducedTagSetTagItems.h"
#include "widgets/FormTexts.h"

#include "ui_FileSortOptionsWindow.h"

namespace corvelle {

namespace {

using SortOrder = MetadataFileListSort::SortOrder;

} // namespace

FileSortOptionsWindowController::FileSortOptionsWindowController(QWidget* parent)
    : SingleTagPicker(parent, [](const ostrak::TagItem& item) { return item.title(); })
    , ui_(std::make_unique<Ui::FileSortOptionsWindow>())
{
    listModel()->setDetail([](const ostrak::TagItem& item) { return item.tagName().rawValue(); });
    ui_->setupUi(this);
    FormTexts::localize(this);
    ui_->tableView->setItemDelegate(new FileSortOptionsTableCellView(ui_->tableView));
    ui_->tableView->horizontalHeader()->setSectionsMovable(false);
    Controls controls;
    controls.cancelButton = ui_->cancelButton;
    controls.applyButton = ui_->applyButton;
    controls.searchField = ui_->searchField;
    controls.progressIndicator = ui_->progressIndicator;
    controls.resultsView = ui_->tableView;
    controls.reducedTagSetPopUpButton = ui_->reducedTagSetPopUpButton;
    controls.applyTouchButtonKey = QStringLiteral("EditorPanelSortTouchButton");
    setupSheet(controls);
    setupList(ui_->tableView);
    brisa::ComboBoxCaseList::setCaseList(ui_->sortOrderPopUpButton, QList<SortOrder>{SortOrder::ascending, SortOrder::descending},
                                         [](SortOrder order) { return MetadataFileListSort::title(order); });
    connect(ui_->sortOrderPopUpButton, &QComboBox::activated, this, &FileSortOptionsWindowController::changeSortOrder);
    selectElement(ostrak::TagItem::itemFileFileName());
    updateInterface();
    search();
}

FileSortOptionsWindowController::~FileSortOptionsWindowController() = default;

MetadataFileListSort FileSortOptionsWindowController::fileSort() const
{
    const std::optional<ostrak::TagItem>& item = selectedElement();
    return {item ? item->tagName() : ostrak::TagItem::itemFileFileName().tagName(), order_};
}

void FileSortOptionsWindowController::setFileSort(const MetadataFileListSort& sort)
{
    if (sort == fileSort())
        return;
    order_ = sort.order;
    // Items are one when their names are; the list's own item takes the check mark.
    selectElement(ostrak::TagItem::fallback(sort.tagName));
    updateInterface();
}

void FileSortOptionsWindowController::search()
{
    halvex::TagItemSearchRequest request = searchEngine().request();
    request.string = searchText();
    request.tagItems = reducedTagSetTagItems(reducedTagSetChoice());
    request.filter = {};
    searchEngine().search(std::move(request));
}

void FileSortOptionsWindowController::changeSortOrder()
{
    order_ = brisa::ComboBoxCaseList::selectedCase<SortOrder>(ui_->sortOrderPopUpButton).value_or(SortOrder::ascending);
}

void FileSortOptionsWindowController::updateControls()
{
    brisa::ComboBoxCaseList::selectCase(ui_->sortOrderPopUpButton, order_);
}

QWidget* FileSortOptionsWindowController::containerView() const
{
    return ui_->containerView;
}

QPushButton* FileSortOptionsWindowController::cancelButton() const
{
    return ui_->cancelButton;
}

QPushButton* FileSortOptionsWindowController::applyButton() const
{
    return ui_->applyButton;
}

QTableView* FileSortOptionsWindowController::tableView() const
{
    return ui_->tableView;
}

QLineEdit* FileSortOptionsWindowController::searchField() const
{
    return ui_->searchField;
}

QProgressBar* FileSortOptionsWindowController::progressIndicator() const
{
    return ui_->progressIndicator;
}

QComboBox* FileSortOptionsWindowController::sortOrderPopUpButton() const
{
    return ui_->sortOrderPopUpButton;
}

QComboBox* FileSortOptionsWindowController::reducedTagSetPopUpButton() const
{
    return ui_->reducedTagSetPopUpButton;
}

} // namespace corvelle
