#pragma once

#include "app/preferences/PreferencesPane.h"

#include <memory>

namespace Ui {
class EditionPreferencesView;
}

namespace corvelle {

// The Edition pane: how tags are written. Offset corrections, error alert and error behaviour,
// the file modification date, the IPTC digest and character set, the three QuickTime block
// levels and the XMP toolkit text, each with a restore action. The QuickTime levels and the XMP
// toolkit also go to the engine at once, so that the next task uses them.
class EditionPreferencesViewController : public PreferencesPane {
    Q_OBJECT

public:
    EditionPreferencesViewController();
    ~EditionPreferencesViewController() override;

public Q_SLOTS:
    void changeCorrections();
    void changeErrorAlert();
    void changeErrorSupport();
    void changeFileModifyDateUpdate();
    void changeIPTCCharSet();
    void changeIPTCDigest();
    void restoreCorrections();
    void restoreErrorAlert();
    void restoreErrorSupport();
    void restoreFileModifyDateUpdate();
    void restoreIPTCCharSet();
    void restoreIPTCDigest();

    void changeQuickTimeKeysLevels();
    void changeQuickTimeItemListLevels();
    void changeQuickTimeUserDataLevels();
    // Hands the stored levels to the engine; no setting changes.
    void syncQuickTimeSettings();
    // Restores all three levels.
    void restoreQuickTimeLocation();

    void changeXMPToolkitValue();
    void restoreXMPToolkitValue();

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;
    void settingDidChange(const QString& keyName) override;

private:
    void reloadCorrections();
    void reloadErrorAlert();
    void reloadErrorSupport();
    void reloadFileModifyDate();
    void reloadIPTCDigest();
    void reloadIPTCCharSet();
    void reloadQuickTimeLevels();
    void reloadXMPToolkit();

    std::unique_ptr<Ui::EditionPreferencesView> ui_;
};

} // namespace corvelle
