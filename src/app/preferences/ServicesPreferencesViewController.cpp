#include "app/preferences/ServicesPreferencesViewController.h"

#include "platform/brisa/ui/UserKeychain.h"
#include "widgets/TextLocalizer.h"

#include "ui_ServicesPreferencesView.h"

#include <QLineEdit>

namespace corvelle {

using Key = MetadataServiceKeys::Key;

ServicesPreferencesViewController::ServicesPreferencesViewController()
    : PreferencesPane(QStringLiteral("Services"))
{
    for (std::size_t i = 0; i < fields_.size(); ++i)
        fields_.at(i).key = MetadataServiceKeys::allKeys.at(i);
}

ServicesPreferencesViewController::~ServicesPreferencesViewController() = default;

QWidget* ServicesPreferencesViewController::loadView()
{
    return makeView(ui_);
}

void ServicesPreferencesViewController::viewDidLoad()
{
    fieldOf(Key::theMovieDBKey).field = ui_->theMovieDBKeyField;
    fieldOf(Key::theTVDBKey).field = ui_->theTVDBKeyField;
    fieldOf(Key::theTVDBPin).field = ui_->theTVDBPinField;
    showAsNote(ui_->keysNote);
    showAsNote(ui_->environmentNote);
    showAsNote(ui_->whereNote);
    // Rich text, with links: set here rather than through the form's plain texts.
    ui_->whereNote->setText(localizedString(QStringLiteral("ServicesPreferencesWhereNote")));

    for (KeyField& entry : fields_) {
        const Key key = entry.key;
        QLineEdit* field = entry.field;
        field->setText(QString());
        // Return applies the field as it stands, an empty one too; leaving the field applies
        // it only when it was typed in, so that passing through never removes a key.
        connect(field, &QLineEdit::returnPressed, this, [this, key] { changeKeyValue(key); });
        connect(field, &QLineEdit::editingFinished, this, [this, key, field] {
            if (field->isModified())
                changeKeyValue(key);
        });
    }

    buildTouchBar();
    subscribeToSettings();
    showEnvironmentNote();
    showKeychainOutcome();
    for (const KeyField& entry : fields_)
        reloadKey(entry.key);
}

ServicesPreferencesViewController::KeyField& ServicesPreferencesViewController::fieldOf(Key key)
{
    return fields_.at(std::size_t(key));
}

void ServicesPreferencesViewController::reloadKey(Key key)
{
    brisa::UserKeychain::standard().readAsync(MetadataServiceKeys::keychainName(key), this,
                                              [this, key](const brisa::KeychainResult& result) { showKey(key, result); });
}

void ServicesPreferencesViewController::showKey(Key key, const brisa::KeychainResult& result)
{
    KeyField& entry = fieldOf(key);
    // A read made before a write still running is stale; the read after that write follows.
    if (entry.pendingWrites > 0)
        return;
    entry.readError = result.isError() ? result.errorText : QString();
    if (!result.isError()) {
        entry.lastSavedValue = result.password;
        // The services follow the keychain, also when it was changed behind the pane's back.
        MetadataServiceKeys::setStoredKey(key, result.password.value_or(QString()));
    }
    // A key being typed is the user's: it is kept until they apply it.
    if (!entry.field->isModified())
        entry.field->setText(result.password.value_or(QString()));
    showKeychainOutcome();
}

void ServicesPreferencesViewController::changeKeyValue(Key key)
{
    KeyField& entry = fieldOf(key);
    if (!entry.field)
        return;
    const QString value = entry.field->text().trimmed();
    entry.field->setModified(false);
    if (entry.lastSavedValue.value_or(QString()) == value)
        return;
    entry.lastSavedValue = value.isEmpty() ? std::nullopt : std::optional<QString>(value);
    // The keychain runs its calls one at a time in order, so the last key applied is the one
    // it keeps, and the read after it shows that one.
    ++entry.pendingWrites;
    const auto done = [this, key, value](const brisa::KeychainResult& result) {
        KeyField& entry = fieldOf(key);
        --entry.pendingWrites;
        entry.lastWriteError = result.isError() ? result.errorText : QString();
        if (!result.isError())
            MetadataServiceKeys::setStoredKey(key, value);
        reloadKey(key);
    };
    const QString name = MetadataServiceKeys::keychainName(key);
    if (value.isEmpty())
        brisa::UserKeychain::standard().removeAsync(name, this, done);
    else
        brisa::UserKeychain::standard().saveAsync(value, name, this, done);
}

void ServicesPreferencesViewController::showKeychainOutcome()
{
    QString problem;
    for (const KeyField& entry : fields_) {
        if (problem.isEmpty())
            problem = !entry.lastWriteError.isEmpty() ? entry.lastWriteError : entry.readError;
    }
    ui_->keysNote->setText(problem.isEmpty()
                                   ? localizedString(QStringLiteral("ServicesPreferencesKeysNote"))
                                   : localizedString(QStringLiteral("ServicesPreferencesKeychainErrorNote"), {problem}));
}

void ServicesPreferencesViewController::showEnvironmentNote()
{
    QStringList variables;
    for (Key key : MetadataServiceKeys::allKeys) {
        if (MetadataServiceKeys::isSetInEnvironment(key))
            variables << MetadataServiceKeys::environmentName(key);
    }
    ui_->environmentNote->setText(
            localizedString(QStringLiteral("ServicesPreferencesEnvironmentNote"), {variables.join(QStringLiteral(", "))}));
    ui_->environmentNote->setVisible(!variables.isEmpty());
}

} // namespace corvelle
