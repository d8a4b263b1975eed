#include "filebrowser/FileImportOptionsViewController.h"

#include "filemodel/settings/FileModelSettings.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/WindowControl.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/TokenField.h"

#include "ui_FileImportOptionsView.h"

#include <QDialog>

namespace corvelle {

namespace {

brisa::UserDefaults& defaults()
{
    return brisa::UserDefaults::standard();
}

} // namespace

FileImportOptionsViewController::FileImportOptionsViewController(QObject* parent)
    : QObject(parent)
{
}

FileImportOptionsViewController::~FileImportOptionsViewController()
{
    // No note may reach the controls while they go.
    userSettingsDidSyncKeySubscriber_.unsubscribe();
    delete view_;
}

QWidget* FileImportOptionsViewController::view()
{
    if (!view_) {
        view_ = new QWidget;
        ui_ = std::make_unique<Ui::FileImportOptionsView>();
        ui_->setupUi(view_);
        FormTexts::localize(view_);
        viewDidLoad();
    }
    return view_;
}

QAbstractButton* FileImportOptionsViewController::unfoldFoldersRadioButton() const
{
    return ui_ ? ui_->unfoldFoldersRadioButton : nullptr;
}

QAbstractButton* FileImportOptionsViewController::useRecursiveRadioButton() const
{
    return ui_ ? ui_->useRecursiveRadioButton : nullptr;
}

TokenField* FileImportOptionsViewController::unfoldAllowedTypesField() const
{
    return ui_ ? ui_->unfoldAllowedTypesField : nullptr;
}

QPushButton* FileImportOptionsViewController::continueButton() const
{
    return ui_ ? ui_->continueButton : nullptr;
}

void FileImportOptionsViewController::viewDidLoad()
{
    QFont titleFont = ui_->titleLabel->font();
    titleFont.setBold(true);
    ui_->titleLabel->setFont(titleFont);
    QPalette notePalette = ui_->allowedTypesNote->palette();
    notePalette.setColor(QPalette::WindowText, notePalette.color(QPalette::PlaceholderText));
    ui_->allowedTypesNote->setPalette(notePalette);
    ui_->unfoldAllowedTypesField->setPlaceholderText(localizedString(QStringLiteral("FileImportOptionsAllowedTypesPlaceholder")));

    using Controller = FileImportOptionsViewController;
    connect(ui_->unfoldFoldersRadioButton, &QAbstractButton::clicked, this, &Controller::changeUnfoldFolders);
    connect(ui_->useRecursiveRadioButton, &QAbstractButton::clicked, this, &Controller::changeRecursiveUnfold);
    connect(ui_->unfoldAllowedTypesField, &TokenField::textEdited, this, &Controller::controlTextDidChange);
    connect(ui_->unfoldAllowedTypesField, &TokenField::editingFinished, this, &Controller::changeUnfoldAllowedTypes);
    connect(ui_->continueButton, &QPushButton::clicked, this, &Controller::continueSheetView);

    userSettingsDidSyncKeySubscriber_.subscribe(brisa::UserDefaults::didSetKeyNotification, &defaults(),
                                                [this](const brisa::Notification& note) { userDefaultsDidSetKey(note); });
    reloadControls();
}

void FileImportOptionsViewController::reloadControls()
{
    if (!ui_)
        return;
    const bool unfold = defaults().value(Settings::useUnfoldFoldersImport());
    const bool recursive = defaults().value(Settings::useRecursiveUnfoldImport());
    const QStringList allowedTypes = defaults().value(Settings::unfoldImportAllowedTypes());
    lastAllowedTypesCount_ = int(allowedTypes.size());
    ui_->unfoldFoldersRadioButton->setChecked(unfold);
    ui_->useRecursiveRadioButton->setEnabled(unfold);
    ui_->useRecursiveRadioButton->setChecked(recursive);
    ui_->allowedTypesLabel->setEnabled(unfold);
    ui_->unfoldAllowedTypesField->setEnabled(unfold);
    ui_->unfoldAllowedTypesField->setText(allowedTypes.join(QLatin1Char(',')));
}

void FileImportOptionsViewController::userDefaultsDidSetKey(const brisa::Notification& note)
{
    const QString key = brisa::UserDefaults::editedKeyName(note);
    if (key == Settings::useUnfoldFoldersImport().name() || key == Settings::useRecursiveUnfoldImport().name()
        || key == Settings::unfoldImportAllowedTypes().name())
        reloadControls();
}

void FileImportOptionsViewController::changeUnfoldFolders()
{
    defaults().set(Settings::useUnfoldFoldersImport(), ui_->unfoldFoldersRadioButton->isChecked());
}

void FileImportOptionsViewController::changeRecursiveUnfold()
{
    defaults().set(Settings::useRecursiveUnfoldImport(), ui_->useRecursiveRadioButton->isChecked());
}

void FileImportOptionsViewController::changeUnfoldAllowedTypes()
{
    defaults().set(Settings::unfoldImportAllowedTypes(), ui_->unfoldAllowedTypesField->tokens());
}

void FileImportOptionsViewController::controlTextDidChange()
{
    const std::optional<int> count = ui_->unfoldAllowedTypesField->countTokensInEditing();
    if (count && *count == lastAllowedTypesCount_)
        return;
    changeUnfoldAllowedTypes();
}

void FileImportOptionsViewController::continueSheetView()
{
    if (!view_)
        return;
    if (!brisa::WindowControl::endEditing(view_))
        return;
    const auto* sheet = qobject_cast<QDialog*>(view_->window());
    if (sheet && sheet->parentWidget() && sheet->windowModality() != Qt::NonModal)
        brisa::SheetPresenter::endSheet(view_, 1);
}

} // namespace corvelle
