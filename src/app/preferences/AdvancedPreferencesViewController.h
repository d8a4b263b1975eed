#pragma once

#include "app/preferences/PreferencesPane.h"

#include <memory>
#include <optional>

namespace Ui {
class AdvancedPreferencesView;
}

namespace brisa {
class KeychainResult;
}

namespace corvelle {

// The Advanced pane: the password for opening protected files, kept in the keychain; the
// engine's debugging mode, optionally with a log file (Alt held when switching it on); the
// backup folder, shown and revealed in the file manager.
class AdvancedPreferencesViewController : public PreferencesPane {
    Q_OBJECT

public:
    // The keychain item that holds the password attached to every file the editor opens.
    static const QString decodingPasswordKeychainName; // "Corvelle decoding password"

    AdvancedPreferencesViewController();
    ~AdvancedPreferencesViewController() override;

public Q_SLOTS:
    // Keeps the typed password in the keychain unless it is the one kept already.
    void changePasswordValue();
    // Removes the kept password.
    void restorePasswordValue();
    void changeDebuggingMode();
    void restoreDebuggingMode();
    void openBackupFolder();

protected:
    QWidget* loadView() override;
    void viewDidLoad() override;
    void settingDidChange(const QString& keyName) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void reloadPassword();
    void showPassword(const brisa::KeychainResult& result);
    // Under the field: why the last save or removal failed, else why the read failed, else the
    // usual note.
    void showKeychainOutcome(const brisa::KeychainResult& read);
    void reloadDebuggingMode();
    void reloadBackupFolder();

    void askForLogFileAndStart();
    void startDebugger(const std::optional<QString>& logFile);
    // Says where the debugger writes, or why its log file could not be opened.
    void showDebuggerState();

    std::unique_ptr<Ui::AdvancedPreferencesView> ui_;
    // What the keychain holds, as far as this pane knows: the last password read or kept.
    std::optional<QString> lastSavedPassword_;
    // Saves and removals asked of the keychain and not answered yet.
    int pendingWrites_ = 0;
    // Why the last save or removal failed; empty when it succeeded.
    QString lastWriteError_;
    // The log file asked for by the last start from this pane.
    QString requestedLogFile_;
};

} // namespace corvelle
