#include "tags/TagNamePickerWindowController.h"

#include "tags/ReducedTagSetTagItems.h"
#include "tags/TagNamePickerNameTableCellView.h"
#include "widgets/FormTexts.h"

#include "ui_TagNamePickerWindow.h"

namespace corvelle {

TagNamePickerWindowController::TagNamePickerWindowController(QWidget* parent)
    : SingleTagPicker(parent, [](const ostrak::TagItem& item) { return item.title(); })
    , ui_(std::make_unique<Ui::TagNamePickerWindow>())
{
    listModel()->setDetail([](const ostrak::TagItem& item) { return item.tagName().rawValue(); });
    ui_->setupUi(this);
    FormTexts::localize(this);
    ui_->tableView->setItemDelegate(new TagNamePickerNameTableCellView(ui_->tableView));
    setupSheet({ui_->cancelButton, ui_->applyButton, ui_->searchField, ui_->progressIndicator,
                ui_->instructionsTitleField, ui_->tableView, ui_->reducedTagSetPopUpButton});
    setupList(ui_->tableView);
    updateInterface();
    search();
}

TagNamePickerWindowController::~TagNamePickerWindowController() = default;

void TagNamePickerWindowController::setAdditionalFiltering(Filtering filtering)
{
    additionalFiltering_ = std::move(filtering);
    search();
    updateInterface();
}

void TagNamePickerWindowController::search()
{
    halvex::TagItemSearchRequest request = searchEngine().request();
    request.string = searchText();
    request.tagItems = reducedTagSetTagItems(reducedTagSetChoice());
    // A copy for this search alone: the worker never sees a later change of the restriction.
    request.filter = additionalFiltering_;
    searchEngine().search(std::move(request));
}

} // namespace corvelle
