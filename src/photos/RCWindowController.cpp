#include "photos/RCWindowController.h"

#include "engine/halvex/libraries/LibraryError.h"
#include "engine/halvex/libraries/PhotosAppAuthorizer.h"
#include "engine/halvex/libraries/PhotosRemoteProfileFile.h"
#include "photos/RCEditPropertyWindowController.h"
#include "photos/RCProfilesViewController.h"
#include "photos/RCPropertiesViewController.h"
#include "platform/brisa/ui/DynamicToolbar.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/veilcast/ProgressOverlay.h"
#include "widgets/ApplicationCommands.h"
#include "widgets/FormTexts.h"
#include "widgets/LibraryErrorText.h"
#include "widgets/TextLocalizer.h"

#include "ui_RCWindow.h"

#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolBar>

namespace corvelle {

using halvex::PhotosRemoteProfile;
using halvex::PhotosRemoteProfilePtr;

namespace {

RCWindowController* sharedController = nullptr;

const QString createCommand = QStringLiteral("createProfile:");
const QString deleteCommand = QStringLiteral("deleteProfiles:");
const QString importCommand = QStringLiteral("importProfiles:");
const QString exportCommand = QStringLiteral("exportProfiles:");
const QString applyCommand = QStringLiteral("applyProfile:");
const QString editCommand = QStringLiteral("editProperty:");

QString profileFileFilter()
{
    return localizedString(QStringLiteral("RemoteProfilesFileTypeName")) + QStringLiteral(" (*.")
           + halvex::PhotosRemoteProfileFile::fileExtension + QLatin1Char(')');
}

} // namespace

RCWindowController& RCWindowController::shared()
{
    if (!sharedController)
        sharedController = new RCWindowController(halvex::PhotosRemoteManager::shared());
    return *sharedController;
}

RCWindowController* RCWindowController::existing()
{
    return sharedController;
}

RCWindowController::RCWindowController(halvex::PhotosRemoteManager& manager, QWidget* parent)
    : LibraryWindowController(parent)
    , ui_(std::make_unique<Ui::RCWindow>())
    , manager_(manager)
    , progressOverlay_(new veilcast::ProgressOverlay(this))
    , fileMenu_(new QMenu(this))
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    setUpPlaceholder(ui_->placeholderView);
    ui_->placeholderView->setAutoFillBackground(true);

    makeCommandActions({
        {createCommand, QStringLiteral("RemoteProfileCreateMenuItem")},
        {deleteCommand, QStringLiteral("RemoteProfileDeleteMenuItem")},
        {importCommand, QStringLiteral("RemoteProfileImportMenuItem")},
        {exportCommand, QStringLiteral("RemoteProfileExportMenuItem")},
        {applyCommand, QStringLiteral("RemoteProfileApplyMenuItem")},
        {editCommand, QStringLiteral("RemoteProfileEditMenuItem")},
    });
    fileMenu_->addAction(commandAction(importCommand));
    fileMenu_->addAction(commandAction(exportCommand));

    profiles_ = new RCProfilesViewController(*this, manager_, this);
    properties_ = new RCPropertiesViewController(*this, manager_, this);
    brisa::FilledSubview::setFilledSubview(ui_->mainLeftContainerView, profiles_);
    brisa::FilledSubview::setFilledSubview(ui_->mainRightContainerView, properties_);
    ui_->splitView->setSizes({300, 560});

    installToolbar();
    setUpToolbarItems();
    setUpTouchBar();
    managerSubscriber_.subscribe(halvex::PhotosRemoteManager::didChangeProfilesNotification, &manager_,
                                 [this](const brisa::Notification&) { updateInterface(); });
    updateInterface();
}

RCWindowController::~RCWindowController()
{
    managerSubscriber_.unsubscribe();
    if (sharedController == this)
        sharedController = nullptr;
}

QWidget* RCWindowController::placeholderView() const
{
    return ui_->placeholderView;
}

void RCWindowController::setUpToolbarItems()
{
    brisa::DynamicToolbarItemSet& set = dynamicToolbar().addItemSet({});
    addToolbarCommand(set, QStringLiteral("RemoteProfileWindowToolbarCreate"), QStringLiteral("plus"), createCommand);
    addToolbarCommand(set, QStringLiteral("RemoteProfileWindowToolbarDelete"), QStringLiteral("minus"), deleteCommand);
    set.addItem(brisa::DynamicToolbarItem::flexibleSpaceIdentifier);
    addToolbarCommand(set, QStringLiteral("RemoteProfileWindowToolbarEdit"), QStringLiteral("square.and.pencil"), editCommand);
    set.addItem(brisa::DynamicToolbarItemContainer::MenuButtonSettings{
        localizedString(QStringLiteral("RemoteProfileWindowToolbarFiles")), QStringLiteral("doc.badge.ellipsis"), fileMenu_});
    addToolbarHelpMenu(set, QStringLiteral("RemoteProfileWindowToolbarHelp"));
}

void RCWindowController::setUpTouchBar()
{
    brisa::DynamicTouchBarItemSet& set = dynamicTouchBar().addItemSet([] { return true; });
    addTouchBarCommand(set, QStringLiteral("plus"), createCommand);
    set.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    addTouchBarCommand(set, QStringLiteral("arrow.down"), applyCommand);
}

void RCWindowController::updateInterface()
{
    const int count = int(manager_.profiles().size());
    setTitles(localizedString(QStringLiteral("RemoteProfileWindowTitle")),
              localizedString(QStringLiteral("RemoteProfileWindowSubtitle"), {count}));
    ui_->placeholderView->setVisible(count == 0);
    if (properties_)
        properties_->updateInterface();
    refreshCommands();
}

// Commands

bool RCWindowController::validateCommand(const QString& command) const
{
    if (command == createCommand || command == importCommand)
        return isIdle();
    if (command == deleteCommand || command == exportCommand)
        return isIdle() && hasSelection();
    if (command == applyCommand)
        return isIdle() && hasSelection() && properties_ && properties_->canApplyChanges();
    if (command == editCommand)
        return properties_ && properties_->canEditProperty() && !editWindowController_;
    return false;
}

void RCWindowController::performCommand(const QString& command)
{
    if (!validateCommand(command))
        return;
    if (command == createCommand)
        createProfile();
    else if (command == deleteCommand)
        deleteProfiles();
    else if (command == importCommand)
        chooseImportFile();
    else if (command == exportCommand)
        chooseExportFile();
    else if (command == applyCommand)
        applyProfile();
    else if (command == editCommand)
        properties_->editSelectedProperty();
    updateInterface();
}

void RCWindowController::createProfile()
{
    if (!isIdle())
        return;
    auto profile = std::make_shared<PhotosRemoteProfile>();
    profile->setName(localizedString(QStringLiteral("RemoteProfileUntitledConfiguration")));
    manager_.insertProfiles({profile}, int(manager_.profiles().size()));
    manager_.setSelectedProfiles({profile});
    storeProfiles();
}

void RCWindowController::deleteProfiles()
{
    if (!isIdle() || !hasSelection())
        return;
    brisa::IndexSet indexes;
    for (const PhotosRemoteProfilePtr& profile : manager_.selectedProfiles())
        indexes.insert(int(manager_.profiles().indexOf(profile)));
    if (indexes.isEmpty())
        return;
    manager_.removeProfiles(indexes);
    manager_.setSelectedProfiles({});
    storeProfiles();
}

void RCWindowController::storeProfiles()
{
    try {
        manager_.save();
    } catch (const halvex::LibraryError& error) {
        showAlert(QStringLiteral("RemoteProfilesSaveDidFail"), {libraryErrorText(error)});
    }
}

// Import and export

void RCWindowController::chooseImportFile()
{
    auto* panel = new QFileDialog(this, localizedString(QStringLiteral("RemoteProfilesImportPanelTitle")), {},
                                  profileFileFilter());
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setAcceptMode(QFileDialog::AcceptOpen);
    connect(panel, &QFileDialog::fileSelected, this, &RCWindowController::importProfiles);
    panel->open();
}

void RCWindowController::chooseExportFile()
{
    auto* panel = new QFileDialog(this, localizedString(QStringLiteral("RemoteProfilesExportPanelTitle")), {},
                                  profileFileFilter());
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setDefaultSuffix(halvex::PhotosRemoteProfileFile::fileExtension);
    panel->selectFile(localizedString(QStringLiteral("RemoteProfileDefaultExportFilename")));
    connect(panel, &QFileDialog::fileSelected, this, &RCWindowController::exportProfiles);
    panel->open();
}

void RCWindowController::importProfiles(const QString& path)
{
    if (!isIdle())
        return;
    QList<PhotosRemoteProfilePtr> profiles;
    try {
        profiles = halvex::PhotosRemoteProfileFile::from(path).profiles();
    } catch (const halvex::LibraryError& error) {
        showAlert(QStringLiteral("RemoteProfilesImportDidFail"), {libraryErrorText(error)});
        return;
    }
    if (profiles.isEmpty())
        return;
    manager_.insertProfiles(profiles, int(manager_.profiles().size()));
    storeProfiles();
}

void RCWindowController::exportProfiles(const QString& path)
{
    if (!isIdle() || !hasSelection())
        return;
    try {
        // The file replaces an old one only once it is whole.
        halvex::PhotosRemoteProfileFile(manager_.selectedProfiles()).exportTo(path);
    } catch (const halvex::LibraryError& error) {
        showAlert(QStringLiteral("RemoteProfilesExportDidFail"), {libraryErrorText(error)});
    }
}

// Apply

void RCWindowController::applyProfile()
{
    if (!isIdle() || !hasSelection())
        return;
    if (!halvex::PhotosAppAuthorizer::perform()) {
        showAlert(QStringLiteral("RemoteApplyChangesDidFail"), {});
        return;
    }
    auto* alert = new QMessageBox;
    alert->setObjectName(QStringLiteral("RemoteProfileFirstUseAlert"));
    alert->setIcon(QMessageBox::Question);
    alert->setText(localizedString(QStringLiteral("RemoteProfileFirstUseAlertMessageText")));
    alert->setInformativeText(localizedString(QStringLiteral("RemoteProfileFirstUseAlertInformativeText"),
                                              {int(halvex::PhotosAppAuthorizer::selectedEditors().size())}));
    QPushButton* proceed =
        alert->addButton(localizedString(QStringLiteral("RemoteProfileFirstUseAlertContinueButton")), QMessageBox::AcceptRole);
    alert->addButton(localizedString(QStringLiteral("RemoteProfileFirstUseAlertCancelButton")), QMessageBox::RejectRole);
    alert->setDefaultButton(proceed);
    const QPointer<RCWindowController> self(this);
    brisa::SheetPresenter::safeBeginSheetModal(alert, this, [self, proceed](QAbstractButton* clicked) {
        if (self && clicked == proceed)
            self->startApply();
    });
}

void RCWindowController::startApply()
{
    if (!isIdle() || !hasSelection())
        return;
    const PhotosRemoteProfilePtr profile = manager_.selectedProfiles().first();
    photosAppRemote_.emplace(1, profile->editionsDescription());
    progressOverlay_->setTitle(localizedString(QStringLiteral("RemoteApplyOverlayTitle")));
    progressOverlay_->setSubtitle(localizedString(QStringLiteral("RemoteApplyOverlaySubtitle")));
    progressOverlay_->show(this);
    const QPointer<RCWindowController> self(this);
    photosAppRemote_->performInBackground([self](const std::optional<QVariantMap>& result) {
        if (self)
            self->finishApply(result);
    });
    updateInterface();
}

void RCWindowController::finishApply(const std::optional<QVariantMap>& result)
{
    photosAppRemote_.reset();
    progressOverlay_->hide();
    updateInterface();
    const QVariantMap outcome = result.value_or(QVariantMap());
    if (outcome.contains(QStringLiteral("errorKey"))) {
        showAlert(QStringLiteral("RemoteApplyChangesDidFail"), {});
    } else {
        const QVariantList failures = outcome.value(QStringLiteral("failures")).toList();
        const int fileCount = outcome.value(QStringLiteral("fileCount")).toInt();
        if (!failures.isEmpty()) {
            // Each file that kept its tags, with the reason.
            QStringList lines;
            for (const QVariant& failure : failures) {
                const QVariantMap entry = failure.toMap();
                lines << localizedString(QStringLiteral("RemoteApplyFailureLine"),
                                         {QDir::toNativeSeparators(entry.value(QStringLiteral("path")).toString()),
                                          localizedString(entry.value(QStringLiteral("reasonKey")).toString(),
                                                          entry.value(QStringLiteral("arguments")).toList())});
            }
            showAlert(QStringLiteral("RemoteApplyChangesDidFinishWithFailures"),
                      {QString::number(failures.size()), QString::number(fileCount)}, lines.join(QLatin1Char('\n')));
        } else if (outcome.value(QStringLiteral("cancelled")).toBool()) {
            showAlert(QStringLiteral("RemoteApplyChangesWasCancelled"), {});
        } else {
            showAlert(QStringLiteral("RemoteApplyChangesDidFinish"), {QString::number(fileCount)});
        }
    }
    Q_EMIT applyFinished();
}

void RCWindowController::showAlert(const QString& stem, const QStringList& informativeArguments, const QString& details)
{
    auto* alert = new QMessageBox;
    alert->setIcon(stem.endsWith(QLatin1String("DidFinish")) ? QMessageBox::Information : QMessageBox::Warning);
    alert->setObjectName(stem);
    alert->setText(localizedString(stem + QStringLiteral("MessageText")));
    QVariantList arguments;
    for (const QString& argument : informativeArguments)
        arguments << argument;
    alert->setInformativeText(localizedString(stem + QStringLiteral("InformativeText"), arguments));
    if (!details.isEmpty())
        alert->setDetailedText(details);
    alert->addButton(localizedString(stem + QStringLiteral("OKButton")), QMessageBox::AcceptRole);
    if (brisa::SheetPresenter::canHostSheet(this)) {
        brisa::SheetPresenter::safeBeginSheetModal(alert, this, {});
        return;
    }
    // A window not shown carries no sheet: the alert stands on its own.
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::ApplicationModal);
    alert->setParent(this, Qt::Dialog);
    alert->show();
}

// Property sheets

void RCWindowController::editProperty(RCProfileEditableProperty property)
{
    if (editWindowController_ || !hasSelection())
        return;
    RCEditPropertyWindowController* sheet = RCProfileEditableProperties::makeSheet(property, this);
    if (!sheet)
        return;
    sheet->setProfile(manager_.selectedProfiles().first());
    editWindowController_ = sheet;
    const bool presented = brisa::SheetPresenter::presentSheet(this, sheet, [this, sheet](int returnCode) {
        if (returnCode == QDialog::Accepted)
            storeProfiles();
        sheet->deleteLater();
        editWindowController_ = nullptr;
        updateInterface();
    });
    if (!presented) {
        delete sheet;
        editWindowController_ = nullptr;
    }
    updateInterface();
}

} // namespace corvelle
