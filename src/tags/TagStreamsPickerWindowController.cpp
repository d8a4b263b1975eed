#include "tags/TagStreamsPickerWindowController.h"

#include "filemodel/FileRowDragData.h"
#include "tags/TagNamePickerNameTableCellView.h"
#include "widgets/FormTexts.h"

#include "ui_TagStreamsPickerWindow.h"

namespace corvelle {

TagStreamsPickerWindowController::TagStreamsPickerWindowController(QWidget* parent)
    : MultiTagPicker(parent, [](const ostrak::TagStream& stream) { return stream.name(); }, availableRowType(), chosenRowType())
    , ui_(std::make_unique<Ui::TagStreamsPickerWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    ui_->availableStreamsTableView->setItemDelegate(new TagNamePickerNameTableCellView(ui_->availableStreamsTableView));
    ui_->chosenStreamsTableView->setItemDelegate(new TagNamePickerNameTableCellView(ui_->chosenStreamsTableView));
    setupSheet({ui_->cancelButton, ui_->applyButton, ui_->searchField, ui_->progressIndicator,
                ui_->instructionsTitleField, ui_->availableStreamsTableView});
    setupLists(ui_->availableStreamsTableView, ui_->chosenStreamsTableView, ui_->addStreamsButton,
               ui_->removeStreamsButton);
    updateInterface();
    search();
}

TagStreamsPickerWindowController::~TagStreamsPickerWindowController() = default;

const QString& TagStreamsPickerWindowController::availableRowType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("availableStreamsTableViewRow"));
    return type;
}

const QString& TagStreamsPickerWindowController::chosenRowType()
{
    static const QString type = FileRowDragData::privateType(QStringLiteral("chosenStreamsTableViewRow"));
    return type;
}

void TagStreamsPickerWindowController::search()
{
    halvex::TagStreamSearchRequest request = searchEngine().request();
    request.string = searchText();
    searchEngine().search(std::move(request));
}

} // namespace corvelle
