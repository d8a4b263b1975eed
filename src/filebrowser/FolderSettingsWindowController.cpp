#include "filebrowser/FolderSettingsWindowController.h"

#include "widgets/FormTexts.h"
#include "widgets/controls/TokenField.h"

#include "ui_FolderSettingsWindow.h"

namespace corvelle {

FolderSettingsWindowController::FolderSettingsWindowController(QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::FolderSettingsWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    connect(ui_->cancelButton, &QAbstractButton::clicked, this, &FolderSettingsWindowController::cancelSheet);
    connect(ui_->applyButton, &QAbstractButton::clicked, this, &FolderSettingsWindowController::applySheet);
    reloadControls();
}

FolderSettingsWindowController::~FolderSettingsWindowController() = default;

QAbstractButton* FolderSettingsWindowController::recurseSearchButton() const
{
    return ui_->recurseSearchButton;
}

TokenField* FolderSettingsWindowController::filePathsField() const
{
    return ui_->filePathsField;
}

QAbstractButton* FolderSettingsWindowController::cancelButton() const
{
    return ui_->cancelButton;
}

QAbstractButton* FolderSettingsWindowController::applyButton() const
{
    return ui_->applyButton;
}

void FolderSettingsWindowController::setRecurseSubfolders(bool recurse)
{
    if (recurse == recurseSubfolders_)
        return;
    recurseSubfolders_ = recurse;
    reloadControls();
}

void FolderSettingsWindowController::setFilePathFilter(const std::optional<ostrak::ETPathFilter>& filter)
{
    if (filter == filePathFilter_)
        return;
    filePathFilter_ = filter;
    reloadControls();
}

void FolderSettingsWindowController::reloadControls()
{
    ui_->recurseSearchButton->setChecked(recurseSubfolders_);
    // One token per path text, as the list holds them: never joined and split again.
    ui_->filePathsField->setTokens(filePathFilter_ ? filePathFilter_->paths() : QStringList());
}

void FolderSettingsWindowController::readControls()
{
    recurseSubfolders_ = ui_->recurseSearchButton->isChecked();
    filePathFilter_ = ostrak::ETPathFilter(ui_->filePathsField->tokens());
    reloadControls();
}

void FolderSettingsWindowController::cancelSheet()
{
    done(QDialog::Rejected);
}

void FolderSettingsWindowController::applySheet()
{
    readControls();
    done(QDialog::Accepted);
}

} // namespace corvelle
