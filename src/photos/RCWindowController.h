#pragma once

#include "engine/halvex/libraries/PhotosAppRemote.h"
#include "engine/halvex/libraries/PhotosRemoteManager.h"
#include "photos/RCEditPropertyWindowController.h"
#include "photos/RCProfileEditableProperty.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "widgets/LibraryWindowController.h"

#include <QHash>
#include <QPointer>

#include <memory>
#include <optional>

class QMenu;
class QMessageBox;

namespace Ui {
class RCWindow;
}


namespace veilcast {
class ProgressOverlay;
}

namespace corvelle {

class RCProfilesViewController;
class RCPropertiesViewController;

// The one window where the user keeps remote profiles: the profiles on the left, the
// properties of the first selected one on the right, a sheet per property, the import and
// export of "rcprofiles" files, and the apply of a profile to the files selected in the editor
// window: one edition there, which Save writes, so the user reviews it first. While an apply
// runs the window is busy: creating, deleting, importing, exporting and applying wait.
//
// Its commands ("createProfile:", "deleteProfiles:", "importProfiles:", "exportProfiles:",
// "applyProfile:", "editProperty:") are QActions named after them, held by the toolbar and the
// Files menu. Every change is stored at once; a store that fails is reported with the file and
// the reason.
class RCWindowController : public LibraryWindowController {
    Q_OBJECT

public:
    // The application's one window, made on first use.
    static RCWindowController& shared();
    static RCWindowController* existing();

    explicit RCWindowController(halvex::PhotosRemoteManager& manager, QWidget* parent = nullptr);
    ~RCWindowController() override;

    halvex::PhotosRemoteManager& manager() const { return manager_; }
    RCProfilesViewController* profilesViewController() const { return profiles_; }
    RCPropertiesViewController* propertiesViewController() const { return properties_; }
    veilcast::ProgressOverlay& progressOverlay() const { return *progressOverlay_; }
    QMenu* toolbarItemFileMenu() const { return fileMenu_; }
    QWidget* placeholderView() const;
    // The property sheet open now, if any.
    RCEditPropertyWindowController* editWindowController() const { return editWindowController_; }

    bool validateCommand(const QString& command) const override;
    void performCommand(const QString& command) override;

    // No apply is running.
    bool isIdle() const { return !photosAppRemote_; }
    bool hasSelection() const { return !manager_.selectedProfiles().isEmpty(); }

    void createProfile();
    void deleteProfiles();
    // Appends the file's profiles; a file that cannot be read changes nothing and is reported.
    void importProfiles(const QString& path);
    // Writes the selected profiles, in selection order; an old file is replaced only once the
    // new one is whole.
    void exportProfiles(const QString& path);
    // Asks, then applies the first selected profile.
    void applyProfile();
    // Opens the property's sheet for the first selected profile, unless a sheet is open.
    void editProperty(RCProfileEditableProperty property);

    // Stores the library; a failure is reported.
    void storeProfiles();
    void updateInterface();

Q_SIGNALS:
    // The apply ended and its outcome is shown.
    void applyFinished();

private:
    void setUpToolbarItems();
    void setUpTouchBar();
    void startApply();
    void finishApply(const std::optional<QVariantMap>& result);
    void showAlert(const QString& stem, const QStringList& informativeArguments, const QString& details = {});
    void chooseImportFile();
    void chooseExportFile();

    std::unique_ptr<Ui::RCWindow> ui_;
    halvex::PhotosRemoteManager& manager_;
    RCProfilesViewController* profiles_;
    RCPropertiesViewController* properties_;
    veilcast::ProgressOverlay* progressOverlay_;
    QMenu* fileMenu_;
    QPointer<RCEditPropertyWindowController> editWindowController_;
    std::optional<halvex::PhotosAppRemote> photosAppRemote_;
    brisa::NoteSubscriber managerSubscriber_;
};

} // namespace corvelle
