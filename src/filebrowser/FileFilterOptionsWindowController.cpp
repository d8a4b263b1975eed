#include "filebrowser/FileFilterOptionsWindowController.h"

#include "platform/brisa/core/StringHelpers.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/SegmentedButtons.h"

#include "ui_FileFilterOptionsWindow.h"

#include <QButtonGroup>

namespace corvelle {

namespace {

using Filter = MetadataFileListFilter;
using StringConstraint = Filter::StringConstraint;

void showConstraint(const StringConstraint& constraint, QLineEdit* field, QComboBox* popUp)
{
    field->setText(constraint.text());
    popUp->setCurrentIndex(constraint.kind() == StringConstraint::Case::matches ? 1 : 0);
}

StringConstraint readConstraint(const QLineEdit* field, const QComboBox* popUp)
{
    const std::optional<QString> text = brisa::nonBlank(field->text());
    if (!text)
        return StringConstraint::none();
    switch (popUp->currentIndex()) {
    case 0: return StringConstraint::contains(*text);
    case 1: return StringConstraint::matches(*text);
    default: return StringConstraint::none();
    }
}

} // namespace

FileFilterOptionsWindowController::FileFilterOptionsWindowController(QWidget* parent)
    : QDialog(parent)
    , ui_(std::make_unique<Ui::FileFilterOptionsWindow>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    for (QComboBox* popUp : {ui_->filenameMatchPopUp, ui_->tagValueMatchPopUp}) {
        popUp->clear();
        popUp->addItem(localizedString(QStringLiteral("EditionFileFilterSearchValueTitle")));
        popUp->addItem(localizedString(QStringLiteral("EditionFileFilterUseRegexTitle")));
    }
    fileEdition_ = SegmentedButtons::make(ui_->fileEditionSegmentControl,
                                          {QStringLiteral("EditionFileFilterIgnoreFileEditionTitle"),
                                           QStringLiteral("EditionFileFilterEditedFileEditionTitle"),
                                           QStringLiteral("EditionFileFilterUneditedFileEditionTitle")});
    fileMedia_ = SegmentedButtons::make(ui_->fileMediaSegmentControl,
                                        {QStringLiteral("EditionFileFilterIgnoreFileMediaTitle"),
                                         QStringLiteral("EditionFileFilterFilesMediaTitle"),
                                         QStringLiteral("EditionFileFilterFoldersMediaTitle")});
    gpsEdition_ = SegmentedButtons::make(ui_->gpsEditionSegmentControl,
                                         {QStringLiteral("EditionFileFilterIgnoreGpsEditionTitle"),
                                          QStringLiteral("EditionFileFilterEditedGpsEditionTitle"),
                                          QStringLiteral("EditionFileFilterUneditedGpsEditionTitle")});
    gpsValue_ = SegmentedButtons::make(ui_->gpsValueSegmentControl,
                                       {QStringLiteral("EditionFileFilterIgnoreGpsValueTitle"),
                                        QStringLiteral("EditionFileFilterWithGpsValueTitle"),
                                        QStringLiteral("EditionFileFilterWithoutGpsValueTitle")});
    connect(ui_->resetButton, &QAbstractButton::clicked, this, &FileFilterOptionsWindowController::resetFilter);
    connect(ui_->cancelButton, &QAbstractButton::clicked, this, &FileFilterOptionsWindowController::cancelSheet);
    connect(ui_->validateButton, &QAbstractButton::clicked, this, &FileFilterOptionsWindowController::validateSheet);
    dynamicTouchBar_.addItemSet({}).addSheetButtons(
        this, localizedString(QStringLiteral("EditorPanelCancelTouchButton")), [this] { cancelSheet(); },
        localizedString(QStringLiteral("EditorPanelApplyTouchButton")), [this] { validateSheet(); });
    reloadControls();
}

FileFilterOptionsWindowController::~FileFilterOptionsWindowController() = default;

QLineEdit* FileFilterOptionsWindowController::filenameTextField() const
{
    return ui_->filenameTextField;
}

QComboBox* FileFilterOptionsWindowController::filenameMatchPopUp() const
{
    return ui_->filenameMatchPopUp;
}

QLineEdit* FileFilterOptionsWindowController::tagValueTextField() const
{
    return ui_->tagValueTextField;
}

QComboBox* FileFilterOptionsWindowController::tagValueMatchPopUp() const
{
    return ui_->tagValueMatchPopUp;
}

QAbstractButton* FileFilterOptionsWindowController::resetButton() const
{
    return ui_->resetButton;
}

QAbstractButton* FileFilterOptionsWindowController::cancelButton() const
{
    return ui_->cancelButton;
}

QAbstractButton* FileFilterOptionsWindowController::validateButton() const
{
    return ui_->validateButton;
}

void FileFilterOptionsWindowController::setFileFilter(const MetadataFileListFilter& filter)
{
    if (filter == fileFilter_)
        return;
    fileFilter_ = filter;
    reloadControls();
}

void FileFilterOptionsWindowController::reloadControls()
{
    dynamicTouchBar_.reloadDisplayedItems();
    showConstraint(fileFilter_.filenameConstraint, ui_->filenameTextField, ui_->filenameMatchPopUp);
    showConstraint(fileFilter_.tagValueConstraint, ui_->tagValueTextField, ui_->tagValueMatchPopUp);
    SegmentedButtons::selectCase(fileEdition_, fileFilter_.fileEditionConstraint);
    SegmentedButtons::selectCase(fileMedia_, fileFilter_.fileMediaConstraint);
    SegmentedButtons::selectCase(gpsEdition_, fileFilter_.gpsEditionConstraint);
    SegmentedButtons::selectCase(gpsValue_, fileFilter_.gpsValueConstraint);
}

void FileFilterOptionsWindowController::readControls()
{
    Filter filter;
    filter.filenameConstraint = readConstraint(ui_->filenameTextField, ui_->filenameMatchPopUp);
    filter.tagValueConstraint = readConstraint(ui_->tagValueTextField, ui_->tagValueMatchPopUp);
    filter.fileEditionConstraint = SegmentedButtons::selectedCase<Filter::FileEditionConstraint>(fileEdition_);
    filter.fileMediaConstraint = SegmentedButtons::selectedCase<Filter::FileMediaConstraint>(fileMedia_);
    filter.gpsEditionConstraint = SegmentedButtons::selectedCase<Filter::GpsEditionConstraint>(gpsEdition_);
    filter.gpsValueConstraint = SegmentedButtons::selectedCase<Filter::GpsValueConstraint>(gpsValue_);
    fileFilter_ = filter;
}

void FileFilterOptionsWindowController::resetFilter()
{
    setFileFilter(Filter());
}

void FileFilterOptionsWindowController::cancelSheet()
{
    if (isVisible())
        done(QDialog::Rejected);
}

void FileFilterOptionsWindowController::validateSheet()
{
    if (!isVisible())
        return;
    readControls();
    done(QDialog::Accepted);
}

} // namespace corvelle
