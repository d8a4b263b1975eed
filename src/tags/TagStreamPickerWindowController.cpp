#include "tags/TagStreamPickerWindowController.h"

#include "tags/TagNamePickerNameTableCellView.h"
#include "widgets/FormTexts.h"

#include "ui_TagStreamPickerWindow.h"

namespace corvelle {

TagStreamPickerWindowController::TagStreamPickerWindowController(QWidget* parent)
    : SingleTagPicker(parent, [](const ostrak::TagStream& stream) { return stream.name(); })
    , ui_(std::make_unique<Ui::TagStreamPickerWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    ui_->tableView->setItemDelegate(new TagNamePickerNameTableCellView(ui_->tableView));
    setupSheet({ui_->cancelButton, ui_->applyButton, ui_->searchField, ui_->progressIndicator,
                ui_->instructionsTitleField, ui_->tableView});
    setupList(ui_->tableView);
    updateInterface();
    search();
}

TagStreamPickerWindowController::~TagStreamPickerWindowController() = default;

void TagStreamPickerWindowController::search()
{
    halvex::TagStreamSearchRequest request = searchEngine().request();
    request.string = searchText();
    searchEngine().search(std::move(request));
}

} // namespace corvelle
