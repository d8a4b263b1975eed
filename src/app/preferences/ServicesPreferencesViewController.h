#pragma once

#include "app/preferences/PreferencesPane.h"
#include "mediainfo/MetadataServiceKeys.h"

#include <array>
#include <memory>
#include <optional>

class QLineEdit;

namespace Ui {
class ServicesPreferencesView;
}

namespace brisa {
class KeychainResult;
}

namespace corvelle {

// The Services pane: the keys of the online movie and show databases, each kept in the
// keychain and handed to the services as soon as it is kept or removed. A key given in the
// environment wins over the kept one; the pane says which ones are.
class ServicesPreferencesViewController : public PreferencesPane {
    Q_OBJECT

public:
    ServicesPreferencesViewController();
    ~ServicesPreferencesViewController() override;

    // Keeps the field's key (trimmed) in the keychain, or removes the kept one when the field
    // is empty; nothing when the keychain holds that already.
    void changeKeyValue(MetadataServiceKeys::Key key);

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;
    void settingDidChange(const QString&) override {}

private:
    struct KeyField {
        MetadataServiceKeys::Key key;
        QLineEdit* field = nullptr;
        // What the keychain holds, as far as this pane knows.
        std::optional<QString> lastSavedValue;
        // Saves and removals asked of the keychain and not answered yet.
        int pendingWrites = 0;
        QString lastWriteError;
        QString readError;
    };

    KeyField& fieldOf(MetadataServiceKeys::Key key);
    void reloadKey(MetadataServiceKeys::Key key);
    void showKey(MetadataServiceKeys::Key key, const brisa::KeychainResult& result);
    // The usual note, or why the keychain could not be used.
    void showKeychainOutcome();
    void showEnvironmentNote();

    std::unique_ptr<Ui::ServicesPreferencesView> ui_;
    std::array<KeyField, 3> fields_;
};

} // namespace corvelle
