#include "app/preferences/GeneralPreferencesViewController.h"

#include "photos/PhotosSettings.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "widgets/TextLocalizer.h"

#include "ui_GeneralPreferencesView.h"

#include <QDir>
#include <QFileDialog>
#include <QPointer>

namespace corvelle {

GeneralPreferencesViewController::GeneralPreferencesViewController()
    : PreferencesPane(QStringLiteral("General"))
{
}

GeneralPreferencesViewController::~GeneralPreferencesViewController() = default;

QWidget* GeneralPreferencesViewController::loadView()
{
    return makeView(ui_);
}

void GeneralPreferencesViewController::viewDidLoad()
{
    setCaseList<NotificationGeneralUserChoice>(ui_->notificationPopUpButton);
    setCaseList<DateStyleGeneralUserChoice>(ui_->dateStylePopUpButton);
    setCaseList<TimeStyleGeneralUserChoice>(ui_->timeStylePopUpButton);
    setCaseList<GPSFormatGeneralUserChoice>(ui_->gpsFormatPopUpButton);
    setCaseList<PresetGroupsGeneralUserChoice>(ui_->presetGroupsPopUpButton);

    connect(ui_->notificationPopUpButton, &QComboBox::activated, this, &GeneralPreferencesViewController::changeNotification);
    connect(ui_->dateStylePopUpButton, &QComboBox::activated, this, &GeneralPreferencesViewController::changeDateStyle);
    connect(ui_->timeStylePopUpButton, &QComboBox::activated, this, &GeneralPreferencesViewController::changeTimeStyle);
    connect(ui_->gpsFormatPopUpButton, &QComboBox::activated, this, &GeneralPreferencesViewController::changeGPSFormat);
    connect(ui_->presetGroupsPopUpButton, &QComboBox::activated, this, &GeneralPreferencesViewController::changePresetGroup);
    connect(ui_->restoreNotificationButton, &QPushButton::clicked, this, &GeneralPreferencesViewController::restoreNotification);
    connect(ui_->restoreDateTimeStyleButton, &QPushButton::clicked, this, &GeneralPreferencesViewController::restoreDateTimeStyle);
    connect(ui_->restoreGPSFormatButton, &QPushButton::clicked, this, &GeneralPreferencesViewController::restoreGPSFormat);
    connect(ui_->restorePresetGroupButton, &QPushButton::clicked, this, &GeneralPreferencesViewController::restorePresetGroup);
    connect(ui_->restoreMapDisplayFilenameButton, &QPushButton::clicked, this,
            &GeneralPreferencesViewController::restoreMapDisplayFilename);
    connect(ui_->restoreMapDisplayOtherItemsButton, &QPushButton::clicked, this,
            &GeneralPreferencesViewController::restoreMapDisplayOtherItems);
    connect(ui_->choosePhotoLibraryButton, &QPushButton::clicked, this, &GeneralPreferencesViewController::choosePhotoLibrary);

    buildTouchBar();
    subscribeToSettings();

    reloadNotification();
    reloadDateStyle();
    reloadTimeStyle();
    reloadGPSFormat();
    reloadPresetGroups();
    reloadPhotoLibrary();
}

void GeneralPreferencesViewController::changeNotification()
{
    storeSelection(ui_->notificationPopUpButton, Settings::generalUserChoiceNotification(),
                   NotificationGeneralUserChoice::allNotifications);
}

void GeneralPreferencesViewController::changeDateStyle()
{
    storeSelection(ui_->dateStylePopUpButton, Settings::generalUserChoiceDateStyle(), DateStyleGeneralUserChoice::medium);
}

void GeneralPreferencesViewController::changeTimeStyle()
{
    storeSelection(ui_->timeStylePopUpButton, Settings::generalUserChoiceTimeStyle(), TimeStyleGeneralUserChoice::medium);
}

void GeneralPreferencesViewController::changeGPSFormat()
{
    storeSelection(ui_->gpsFormatPopUpButton, Settings::generalUserChoiceGPSFormat(), defaultGPSFormat());
}

void GeneralPreferencesViewController::changePresetGroup()
{
    storeSelection(ui_->presetGroupsPopUpButton, Settings::generalUserChoicePresetGroups(),
                   PresetGroupsGeneralUserChoice::showGroups);
}

void GeneralPreferencesViewController::restoreNotification()
{
    defaults().set(Settings::generalUserChoiceNotification(), NotificationGeneralUserChoice::allNotifications);
}

void GeneralPreferencesViewController::restoreDateTimeStyle()
{
    defaults().set(Settings::generalUserChoiceDateStyle(), DateStyleGeneralUserChoice::medium);
    defaults().set(Settings::generalUserChoiceTimeStyle(), TimeStyleGeneralUserChoice::medium);
}

void GeneralPreferencesViewController::restoreGPSFormat()
{
    defaults().set(Settings::generalUserChoiceGPSFormat(), defaultGPSFormat());
}

void GeneralPreferencesViewController::restorePresetGroup()
{
    defaults().set(Settings::generalUserChoicePresetGroups(), PresetGroupsGeneralUserChoice::showGroups);
}

void GeneralPreferencesViewController::restoreMapDisplayFilename()
{
    defaults().set(Settings::mapDisplayFilenameUserChoice(), MapDisplayFilenameUserChoice::hide);
}

void GeneralPreferencesViewController::restoreMapDisplayOtherItems()
{
    defaults().set(Settings::mapDisplayOtherItemsUserChoice(), MapDisplayOtherItemsUserChoice::hide);
}

void GeneralPreferencesViewController::settingDidChange(const QString& keyName)
{
    if (keyName == Settings::generalUserChoiceNotification().name())
        reloadNotification();
    else if (keyName == Settings::generalUserChoiceDateStyle().name())
        reloadDateStyle();
    else if (keyName == Settings::generalUserChoiceTimeStyle().name())
        reloadTimeStyle();
    else if (keyName == Settings::generalUserChoiceGPSFormat().name())
        reloadGPSFormat();
    else if (keyName == Settings::generalUserChoicePresetGroups().name())
        reloadPresetGroups();
    else if (keyName == Settings::photoLibraryFolder().name())
        reloadPhotoLibrary();
}

void GeneralPreferencesViewController::reloadNotification()
{
    showSetting(ui_->notificationPopUpButton, Settings::generalUserChoiceNotification());
}

void GeneralPreferencesViewController::reloadDateStyle()
{
    showSetting(ui_->dateStylePopUpButton, Settings::generalUserChoiceDateStyle());
}

void GeneralPreferencesViewController::reloadTimeStyle()
{
    showSetting(ui_->timeStylePopUpButton, Settings::generalUserChoiceTimeStyle());
}

void GeneralPreferencesViewController::reloadGPSFormat()
{
    showSetting(ui_->gpsFormatPopUpButton, Settings::generalUserChoiceGPSFormat());
}

void GeneralPreferencesViewController::reloadPresetGroups()
{
    showSetting(ui_->presetGroupsPopUpButton, Settings::generalUserChoicePresetGroups());
}

void GeneralPreferencesViewController::reloadPhotoLibrary()
{
    const QString folder = defaults().value(Settings::photoLibraryFolder());
    ui_->photoLibraryField->setText(QDir::toNativeSeparators(folder));
    ui_->photoLibraryField->setToolTip(ui_->photoLibraryField->text());
}

void GeneralPreferencesViewController::choosePhotoLibrary()
{
    auto* panel = new QFileDialog(view(), localizedString(QStringLiteral("GeneralPreferencesPhotoLibraryPanelTitle")),
                                  defaults().value(Settings::photoLibraryFolder()));
    panel->setObjectName(QStringLiteral("photoLibraryPanel"));
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    QPointer<GeneralPreferencesViewController> pane = this;
    const bool presented = brisa::SheetPresenter::presentSheet(view(), panel, [pane, panel](int returnCode) {
        const QStringList chosen = returnCode == QDialog::Accepted ? panel->selectedFiles() : QStringList();
        panel->deleteLater();
        if (pane && !chosen.isEmpty())
            pane->defaults().set(Settings::photoLibraryFolder(), chosen.first());
    });
    if (!presented)
        delete panel;
}

} // namespace corvelle
