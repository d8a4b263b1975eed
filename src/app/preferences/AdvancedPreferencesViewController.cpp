#include "app/preferences/AdvancedPreferencesViewController.h"

#include "engine/halvex/kit/KitDebugger.h"
#include "engine/ostrak/ETSettings.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "platform/brisa/ui/UserKeychain.h"
#include "widgets/TextLocalizer.h"
#include "widgets/desktop/FileViewer.h"

#include "ui_AdvancedPreferencesView.h"

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPointer>

namespace corvelle {

const QString AdvancedPreferencesViewController::decodingPasswordKeychainName =
        QStringLiteral("Corvelle decoding password");

namespace {

constexpr int debuggingOffTag = 0;
constexpr int debuggingOnTag = 1;

brisa::UserKeychain& keychain()
{
    return brisa::UserKeychain::standard();
}

} // namespace

AdvancedPreferencesViewController::AdvancedPreferencesViewController()
    : PreferencesPane(QStringLiteral("Advanced"))
{
}

AdvancedPreferencesViewController::~AdvancedPreferencesViewController() = default;

QWidget* AdvancedPreferencesViewController::loadView()
{
    return makeView(ui_);
}

void AdvancedPreferencesViewController::viewDidLoad()
{
    // The setting takes the debugger's real state: it may have been started at launch, and a
    // setting left on from an earlier run does not mean it runs now.
    defaults().set(Settings::enableDebuggingMode(), halvex::KitDebugger::shared().isEnabled());
    ui_->passwordField->setText(QString());

    setTaggedItems(ui_->debuggingModePopButton, {{"AdvancedPreferencesDebuggingOff", debuggingOffTag},
                                                 {"AdvancedPreferencesDebuggingOn", debuggingOnTag}});
    ui_->backupFolderPathControl->addAction(brisa::SymbolIcons::icon(QStringLiteral("folder")),
                                            QLineEdit::LeadingPosition);
    showAsNote(ui_->passwordNote);
    showAsNote(ui_->debuggingNote);
    showAsNote(ui_->backupFolderNote);

    using Pane = AdvancedPreferencesViewController;
    // Return applies the field as it stands, an empty one too; leaving the field applies it only
    // when it was typed in, so that passing through the field never stores an empty password.
    connect(ui_->passwordField, &QLineEdit::returnPressed, this, &Pane::changePasswordValue);
    connect(ui_->passwordField, &QLineEdit::editingFinished, this, [this] {
        if (ui_->passwordField->isModified())
            changePasswordValue();
    });
    connect(ui_->restorePasswordValueButton, &QPushButton::clicked, this, &Pane::restorePasswordValue);
    connect(ui_->debuggingModePopButton, &QComboBox::activated, this, &Pane::changeDebuggingMode);
    connect(ui_->restoreDebuggingModeButton, &QPushButton::clicked, this, &Pane::restoreDebuggingMode);
    connect(ui_->openBackupFolderButton, &QPushButton::clicked, this, &Pane::openBackupFolder);
    // The debugger and the backup folder can change elsewhere while the pane is away.
    view()->installEventFilter(this);

    buildTouchBar();
    subscribeToSettings();

    reloadPassword();
    reloadDebuggingMode();
    reloadBackupFolder();
    showDebuggerState();
}

bool AdvancedPreferencesViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && isViewLoaded() && watched == view()) {
        showDebuggerState();
        reloadBackupFolder();
    }
    return PreferencesPane::eventFilter(watched, event);
}

void AdvancedPreferencesViewController::settingDidChange(const QString& keyName)
{
    if (keyName == Settings::enableDebuggingMode().name()) {
        reloadDebuggingMode();
        showDebuggerState();
    }
}

// Password

void AdvancedPreferencesViewController::reloadPassword()
{
    keychain().readAsync(decodingPasswordKeychainName, this,
                         [this](const brisa::KeychainResult& result) { showPassword(result); });
}

void AdvancedPreferencesViewController::showPassword(const brisa::KeychainResult& result)
{
    // A read made before a write still running is stale; the read after that write follows.
    if (pendingWrites_ > 0)
        return;
    lastSavedPassword_ = result.password;
    // A password being typed is the user's: it is kept until they apply or remove it.
    if (!ui_->passwordField->isModified())
        ui_->passwordField->setText(result.password.value_or(QString()));
    showKeychainOutcome(result);
}

void AdvancedPreferencesViewController::changePasswordValue()
{
    const QString password = ui_->passwordField->text();
    ui_->passwordField->setModified(false);
    if (lastSavedPassword_ == password)
        return;
    lastSavedPassword_ = password;
    // The keychain runs its calls one at a time in order, so the last password applied is the
    // one it keeps, and the read after it shows that one.
    ++pendingWrites_;
    keychain().saveAsync(password, decodingPasswordKeychainName, this, [this](const brisa::KeychainResult& result) {
        --pendingWrites_;
        lastWriteError_ = result.isError() ? result.errorText : QString();
        reloadPassword();
    });
}

void AdvancedPreferencesViewController::restorePasswordValue()
{
    if (!lastSavedPassword_)
        return;
    ui_->passwordField->setModified(false);
    ++pendingWrites_;
    keychain().removeAsync(decodingPasswordKeychainName, this, [this](const brisa::KeychainResult& result) {
        --pendingWrites_;
        lastWriteError_ = result.isError() ? result.errorText : QString();
        reloadPassword();
    });
}

void AdvancedPreferencesViewController::showKeychainOutcome(const brisa::KeychainResult& read)
{
    const QString problem = !lastWriteError_.isEmpty() ? lastWriteError_ : read.isError() ? read.errorText : QString();
    if (problem.isEmpty())
        ui_->passwordNote->setText(localizedString(QStringLiteral("AdvancedPreferencesPasswordNote")));
    else
        ui_->passwordNote->setText(localizedString(QStringLiteral("AdvancedPreferencesKeychainErrorNote"), {problem}));
}

// Debugging

void AdvancedPreferencesViewController::reloadDebuggingMode()
{
    const bool enabled = defaults().value(Settings::enableDebuggingMode());
    selectItemWithTag(ui_->debuggingModePopButton, enabled ? debuggingOnTag : debuggingOffTag);
}

void AdvancedPreferencesViewController::changeDebuggingMode()
{
    // Read before anything else happens: the modifiers of the choice that sent this.
    const bool withLogFile = QGuiApplication::keyboardModifiers().testFlag(Qt::AltModifier);
    defaults().set(Settings::enableDebuggingMode(), selectedTag(ui_->debuggingModePopButton) == debuggingOnTag);
    if (!defaults().value(Settings::enableDebuggingMode())) {
        halvex::KitDebugger::shared().stop();
        showDebuggerState();
    } else if (withLogFile) {
        askForLogFileAndStart();
    } else {
        startDebugger(std::nullopt);
    }
}

void AdvancedPreferencesViewController::restoreDebuggingMode()
{
    defaults().set(Settings::enableDebuggingMode(), false);
    halvex::KitDebugger::shared().stop();
    showDebuggerState();
}

void AdvancedPreferencesViewController::askForLogFileAndStart()
{
    auto* panel = new QFileDialog(view(), localizedString(QStringLiteral("AdvancedPreferencesDebuggingLogPanelTitle")),
                                  QDir::homePath());
    panel->setObjectName(QStringLiteral("debuggingLogPanel"));
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setFileMode(QFileDialog::AnyFile);
    panel->setNameFilter(localizedString(QStringLiteral("AdvancedPreferencesDebuggingLogFileType")));
    panel->setDefaultSuffix(QStringLiteral("txt"));
    panel->selectFile(QStringLiteral("log"));
    QPointer<AdvancedPreferencesViewController> pane = this;
    const bool presented = brisa::SheetPresenter::presentSheet(view(), panel, [pane, panel](int returnCode) {
        const QStringList chosen = returnCode == QDialog::Accepted ? panel->selectedFiles() : QStringList();
        panel->deleteLater();
        if (pane)
            pane->startDebugger(chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen.first()));
    });
    if (!presented) {
        delete panel;
        startDebugger(std::nullopt);
    }
}

void AdvancedPreferencesViewController::startDebugger(const std::optional<QString>& logFile)
{
    requestedLogFile_ = logFile.value_or(QString());
    halvex::KitDebugger::shared().start(logFile);
    showDebuggerState();
}

void AdvancedPreferencesViewController::showDebuggerState()
{
    const halvex::KitDebugger& debugger = halvex::KitDebugger::shared();
    QString note;
    if (!debugger.isEnabled())
        note = localizedString(QStringLiteral("AdvancedPreferencesDebuggingOffNote"));
    else if (!debugger.logFilePath().isEmpty())
        note = localizedString(QStringLiteral("AdvancedPreferencesDebuggingLogFileNote"),
                               {QDir::toNativeSeparators(debugger.logFilePath())});
    else if (!debugger.errorString().isEmpty())
        note = localizedString(QStringLiteral("AdvancedPreferencesDebuggingLogFileErrorNote"),
                               {QDir::toNativeSeparators(requestedLogFile_), debugger.errorString()});
    else
        note = localizedString(QStringLiteral("AdvancedPreferencesDebuggingStandardErrorNote"));
    ui_->debuggingNote->setText(note);
}

// Backup folder

void AdvancedPreferencesViewController::reloadBackupFolder()
{
    const QString folder = ostrak::ETSettings::shared().backupFolder();
    ui_->backupFolderPathControl->setText(QDir::toNativeSeparators(folder));
    ui_->backupFolderPathControl->setCursorPosition(0);
    ui_->backupFolderPathControl->setToolTip(QDir::toNativeSeparators(folder));
    ui_->openBackupFolderButton->setEnabled(!folder.isEmpty());
}

void AdvancedPreferencesViewController::openBackupFolder()
{
    const QString folder = ostrak::ETSettings::shared().backupFolder();
    if (folder.isEmpty())
        return;
    // Revealed even when it cannot be made: the file manager then shows what it can.
    QDir().mkpath(folder);
    FileViewer::activateSelecting({QUrl::fromLocalFile(folder)});
}

} // namespace corvelle
