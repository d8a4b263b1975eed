#include "tags/TagNamesPickerWindowController.h"

#include "filemodel/FileRowDragData.h"
#include "tags/ReducedTagSetTagItems.h"
#include "tags/TagNamePickerNameTableCellView.h"
#include "widgets/FormTexts.h"

#include "ui_TagNamesPickerWindow.h"

namespace corvelle {

TagNamesPickerWindowController::TagNamesPickerWindowController(QWidget* parent)
    : MultiTagPicker(parent, [](const ostrak::TagItem& item) { return item.title(); }, availableRowType(), chosenRowType())
    , ui_(std::make_unique<Ui::TagNamesPickerWindow>())
{
    const auto fullName = [](const ostrak::TagItem& item) { return item.tagName().rawValue(); };
    availableModel()->setDetail(fullName);
    chosenModel()->setDetail(fullName);
    ui_->setupUi(this);
    FormTexts::localize(this);
    ui_->availableItemsTableView->setItemDelegate(new TagNamePickerNameTableCellView(ui_->availableItemsTableView));
    ui_->chosenItemsTableView->setItemDelegate(new TagNamePickerNameTableCellView(ui_->chosenItemsTableView));
    setupSheet({ui_->cancelButton, ui_->applyButton, ui_->searchField, ui_->progressIndicator,
                ui_->instructionsTitleField, ui_->availableItemsTableView, ui_->reducedTagSetPopUpButton});
    setupLists(ui_->availableItemsTableView, ui_->chosenItemsTableView, ui_->addItemsButton, ui_->removeItemsButton);
    updateInterface();
    search();
}

TagNamesPickerWindowController::~TagNamesPickerWindowController() = default;

const QString& TagNamesPickerWindowController::availableRowType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("availableItemsTableViewRow"));
    return type;
}

const QString& TagNamesPickerWindowController::chosenRowType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("chosenItemsTableViewRow"));
    return type;
}

void TagNamesPickerWindowController::search()
{
    halvex::TagItemSearchRequest request = searchEngine().request();
    request.string = searchText();
    request.tagItems = reducedTagSetTagItems(reducedTagSetChoice());
    request.filter = nullptr;
    searchEngine().search(std::move(request));
}

} // namespace corvelle
