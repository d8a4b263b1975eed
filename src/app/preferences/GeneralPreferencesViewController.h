#pragma once

#include "app/preferences/PreferencesPane.h"

#include <memory>

namespace Ui {
class GeneralPreferencesView;
}

namespace corvelle {

// The General pane: task notifications, date and time styles, the coordinate format and the
// grouping of presets, each with a restore action, and restores for the two map display choices.
class GeneralPreferencesViewController : public PreferencesPane {
    Q_OBJECT

public:
    GeneralPreferencesViewController();
    ~GeneralPreferencesViewController() override;

public Q_SLOTS:
    void changeNotification();
    void changeDateStyle();
    void changeTimeStyle();
    void changeGPSFormat();
    void changePresetGroup();

    void restoreNotification();
    // Restores the date and the time style together.
    void restoreDateTimeStyle();
    void restoreGPSFormat();
    void restorePresetGroup();
    void restoreMapDisplayFilename();
    void restoreMapDisplayOtherItems();
    // Asks for the photo library's folder in a sheet of the pane.
    void choosePhotoLibrary();

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;
    void settingDidChange(const QString& keyName) override;

private:
    void reloadNotification();
    void reloadDateStyle();
    void reloadTimeStyle();
    void reloadGPSFormat();
    void reloadPresetGroups();
    void reloadPhotoLibrary();

    std::unique_ptr<Ui::GeneralPreferencesView> ui_;
};

} // namespace corvelle
