#include "app/preferences/EditionPreferencesViewController.h"

#include "engine/halvex/kit/KitSettings.h"
#include "engine/ostrak/ETSettings.h"

#include "ui_EditionPreferencesView.h"

namespace corvelle {

EditionPreferencesViewController::EditionPreferencesViewController()
    : PreferencesPane(QStringLiteral("Edition"))
{
}

EditionPreferencesViewController::~EditionPreferencesViewController() = default;

QWidget* EditionPreferencesViewController::loadView()
{
    return makeView(ui_);
}

void EditionPreferencesViewController::viewDidLoad()
{
    setCaseList<CorrectionsEditionUserChoice>(ui_->correctionPopUpButton);
    setCaseList<ErrorAlertEditionUserChoice>(ui_->errorAlertPopUpButton);
    setCaseList<ErrorsBehaviorEditionUserChoice>(ui_->errorSupportPopUpButton);
    setCaseList<FileModifyDateUpdateUserChoice>(ui_->fileModifyDatePopUpButton);
    setCaseList<halvex::IPTCDigestUpdate>(ui_->iptcDigestPopUpButton);
    setCaseList<IPTCCharSetEditionUserChoice>(ui_->iptcCharSetPopUpButton);
    // One item per engine level. Blocks above 0 are all written, the higher first; a block at 0
    // only when no block above 0 can hold the tag.
    for (QComboBox* box : {ui_->quickTimeKeysPopUpButton, ui_->quickTimeItemListPopUpButton,
                           ui_->quickTimeUserDataPopUpButton}) {
        setTaggedItems(box, {{"EditionPreferencesQuickTimeLevelPreferred", 2},
                             {"EditionPreferencesQuickTimeLevelAlso", 1},
                             {"EditionPreferencesQuickTimeLevelIfNeeded", 0}});
    }
    ui_->xmpToolkitTextField->setText(QString());
    showAsNote(ui_->quickTimeNote);

    using Pane = EditionPreferencesViewController;
    connect(ui_->correctionPopUpButton, &QComboBox::activated, this, &Pane::changeCorrections);
    connect(ui_->errorAlertPopUpButton, &QComboBox::activated, this, &Pane::changeErrorAlert);
    connect(ui_->errorSupportPopUpButton, &QComboBox::activated, this, &Pane::changeErrorSupport);
    connect(ui_->fileModifyDatePopUpButton, &QComboBox::activated, this, &Pane::changeFileModifyDateUpdate);
    connect(ui_->iptcDigestPopUpButton, &QComboBox::activated, this, &Pane::changeIPTCDigest);
    connect(ui_->iptcCharSetPopUpButton, &QComboBox::activated, this, &Pane::changeIPTCCharSet);
    connect(ui_->quickTimeKeysPopUpButton, &QComboBox::activated, this, &Pane::changeQuickTimeKeysLevels);
    connect(ui_->quickTimeItemListPopUpButton, &QComboBox::activated, this, &Pane::changeQuickTimeItemListLevels);
    connect(ui_->quickTimeUserDataPopUpButton, &QComboBox::activated, this, &Pane::changeQuickTimeUserDataLevels);
    connect(ui_->xmpToolkitTextField, &QLineEdit::editingFinished, this, &Pane::changeXMPToolkitValue);
    connect(ui_->restoreCorrectionsButton, &QPushButton::clicked, this, &Pane::restoreCorrections);
    connect(ui_->restoreErrorAlertButton, &QPushButton::clicked, this, &Pane::restoreErrorAlert);
    connect(ui_->restoreErrorSupportButton, &QPushButton::clicked, this, &Pane::restoreErrorSupport);
    connect(ui_->restoreFileModifyDateUpdateButton, &QPushButton::clicked, this, &Pane::restoreFileModifyDateUpdate);
    connect(ui_->restoreIPTCDigestButton, &QPushButton::clicked, this, &Pane::restoreIPTCDigest);
    connect(ui_->restoreIPTCCharSetButton, &QPushButton::clicked, this, &Pane::restoreIPTCCharSet);
    connect(ui_->restoreQuickTimeLocationButton, &QPushButton::clicked, this, &Pane::restoreQuickTimeLocation);
    connect(ui_->restoreXMPToolkitValueButton, &QPushButton::clicked, this, &Pane::restoreXMPToolkitValue);

    buildTouchBar();
    subscribeToSettings();

    reloadCorrections();
    reloadErrorAlert();
    reloadErrorSupport();
    reloadFileModifyDate();
    reloadIPTCDigest();
    reloadIPTCCharSet();
    reloadQuickTimeLevels();
    reloadXMPToolkit();
}

void EditionPreferencesViewController::changeCorrections()
{
    storeSelection(ui_->correctionPopUpButton, Settings::editionUserChoiceCorrections(),
                   CorrectionsEditionUserChoice::fixInvalidOffsets);
}

void EditionPreferencesViewController::changeErrorAlert()
{
    storeSelection(ui_->errorAlertPopUpButton, Settings::editionUserChoiceErrorAlert(), ErrorAlertEditionUserChoice::ignore);
}

void EditionPreferencesViewController::changeErrorSupport()
{
    storeSelection(ui_->errorSupportPopUpButton, Settings::editionUserChoiceErrorsBehavior(),
                   ErrorsBehaviorEditionUserChoice::ignore);
}

void EditionPreferencesViewController::changeFileModifyDateUpdate()
{
    storeSelection(ui_->fileModifyDatePopUpButton, Settings::editionFileModifyDateUpdate(),
                   FileModifyDateUpdateUserChoice::updateManually);
}

void EditionPreferencesViewController::changeIPTCCharSet()
{
    storeSelection(ui_->iptcCharSetPopUpButton, Settings::editionUserChoiceIPTCCharSet(), IPTCCharSetEditionUserChoice::utf8);
}

void EditionPreferencesViewController::changeIPTCDigest()
{
    storeSelection(ui_->iptcDigestPopUpButton, Settings::editionUserChoiceIPTCDigest(),
                   halvex::IPTCDigestUpdate::updateIfExists);
}

void EditionPreferencesViewController::restoreCorrections()
{
    defaults().set(Settings::editionUserChoiceCorrections(), CorrectionsEditionUserChoice::fixInvalidOffsets);
}

void EditionPreferencesViewController::restoreErrorAlert()
{
    defaults().set(Settings::editionUserChoiceErrorAlert(), ErrorAlertEditionUserChoice::ignore);
}

void EditionPreferencesViewController::restoreErrorSupport()
{
    defaults().set(Settings::editionUserChoiceErrorsBehavior(), ErrorsBehaviorEditionUserChoice::ignore);
}

void EditionPreferencesViewController::restoreFileModifyDateUpdate()
{
    defaults().set(Settings::editionFileModifyDateUpdate(), FileModifyDateUpdateUserChoice::updateManually);
}

void EditionPreferencesViewController::restoreIPTCCharSet()
{
    defaults().set(Settings::editionUserChoiceIPTCCharSet(), IPTCCharSetEditionUserChoice::utf8);
}

void EditionPreferencesViewController::restoreIPTCDigest()
{
    defaults().set(Settings::editionUserChoiceIPTCDigest(), halvex::IPTCDigestUpdate::updateIfExists);
}

void EditionPreferencesViewController::changeQuickTimeKeysLevels()
{
    defaults().set(Settings::userQuickTimeKeysLevel(), selectedTag(ui_->quickTimeKeysPopUpButton));
    syncQuickTimeSettings();
}

void EditionPreferencesViewController::changeQuickTimeItemListLevels()
{
    defaults().set(Settings::userQuickTimeItemListLevel(), selectedTag(ui_->quickTimeItemListPopUpButton));
    syncQuickTimeSettings();
}

void EditionPreferencesViewController::changeQuickTimeUserDataLevels()
{
    defaults().set(Settings::userQuickTimeUserDataLevel(), selectedTag(ui_->quickTimeUserDataPopUpButton));
    syncQuickTimeSettings();
}

void EditionPreferencesViewController::syncQuickTimeSettings()
{
    ostrak::ETSettings& engine = ostrak::ETSettings::shared();
    engine.setQuickTimeKeysLevel(defaults().value(Settings::userQuickTimeKeysLevel()));
    engine.setQuickTimeItemListLevel(defaults().value(Settings::userQuickTimeItemListLevel()));
    engine.setQuickTimeUserDataLevel(defaults().value(Settings::userQuickTimeUserDataLevel()));
}

void EditionPreferencesViewController::restoreQuickTimeLocation()
{
    for (const Settings::IntKey* key : {&Settings::userQuickTimeUserDataLevel(), &Settings::userQuickTimeKeysLevel(),
                                        &Settings::userQuickTimeItemListLevel()})
        defaults().set(*key, key->defaultValue());
    syncQuickTimeSettings();
}

void EditionPreferencesViewController::changeXMPToolkitValue()
{
    const QString toolkit = ui_->xmpToolkitTextField->text();
    defaults().set(Settings::editionUserChoiceXMPToolkit(), toolkit);
    halvex::KitSettings::shared().setXmpToolkit(toolkit);
}

void EditionPreferencesViewController::restoreXMPToolkitValue()
{
    defaults().set(Settings::editionUserChoiceXMPToolkit(), QString());
    halvex::KitSettings::shared().setXmpToolkit(QString());
}

void EditionPreferencesViewController::settingDidChange(const QString& keyName)
{
    if (keyName == Settings::editionUserChoiceCorrections().name())
        reloadCorrections();
    else if (keyName == Settings::editionUserChoiceErrorAlert().name())
        reloadErrorAlert();
    else if (keyName == Settings::editionFileModifyDateUpdate().name())
        reloadFileModifyDate();
    else if (keyName == Settings::editionUserChoiceErrorsBehavior().name())
        reloadErrorSupport();
    else if (keyName == Settings::editionUserChoiceIPTCCharSet().name())
        reloadIPTCCharSet();
    else if (keyName == Settings::editionUserChoiceIPTCDigest().name())
        reloadIPTCDigest();
    else if (keyName == Settings::userQuickTimeKeysLevel().name() || keyName == Settings::userQuickTimeItemListLevel().name()
             || keyName == Settings::userQuickTimeUserDataLevel().name())
        reloadQuickTimeLevels();
    else if (keyName == Settings::editionUserChoiceXMPToolkit().name())
        reloadXMPToolkit();
}

void EditionPreferencesViewController::reloadCorrections()
{
    showSetting(ui_->correctionPopUpButton, Settings::editionUserChoiceCorrections());
}

void EditionPreferencesViewController::reloadErrorAlert()
{
    showSetting(ui_->errorAlertPopUpButton, Settings::editionUserChoiceErrorAlert());
}

void EditionPreferencesViewController::reloadErrorSupport()
{
    showSetting(ui_->errorSupportPopUpButton, Settings::editionUserChoiceErrorsBehavior());
}

void EditionPreferencesViewController::reloadFileModifyDate()
{
    showSetting(ui_->fileModifyDatePopUpButton, Settings::editionFileModifyDateUpdate());
}

void EditionPreferencesViewController::reloadIPTCDigest()
{
    showSetting(ui_->iptcDigestPopUpButton, Settings::editionUserChoiceIPTCDigest());
}

void EditionPreferencesViewController::reloadIPTCCharSet()
{
    showSetting(ui_->iptcCharSetPopUpButton, Settings::editionUserChoiceIPTCCharSet());
}

void EditionPreferencesViewController::reloadQuickTimeLevels()
{
    selectItemWithTag(ui_->quickTimeKeysPopUpButton, defaults().value(Settings::userQuickTimeKeysLevel()));
    selectItemWithTag(ui_->quickTimeItemListPopUpButton, defaults().value(Settings::userQuickTimeItemListLevel()));
    selectItemWithTag(ui_->quickTimeUserDataPopUpButton, defaults().value(Settings::userQuickTimeUserDataLevel()));
}

void EditionPreferencesViewController::reloadXMPToolkit()
{
    ui_->xmpToolkitTextField->setText(defaults().value(Settings::editionUserChoiceXMPToolkit()));
}

} // namespace corvelle
