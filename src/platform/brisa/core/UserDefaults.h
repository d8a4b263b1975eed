#pragma once

#include "platform/brisa/core/EvaluedUserDefaultsKey.h"
#include "platform/brisa/core/Notification.h"

#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

namespace brisa {

// A settings domain: one typed store file (QSettings in a JSON format of ours, so that
// numbers, booleans, lists and JSON values keep their types), read and written through
// typed keys. Every write posts `didSetKeyNotification` with this object as sender and
// the key's name in the user info.
//
// Reads and writes may come from any thread. Each write reaches the file at once, atomically
// (written aside, then renamed over the old file). A corrupt file reads as empty and is kept
// aside before the first write replaces it (see JsonSettingsFormat).
class UserDefaults {
public:
    // The application's own domain ($XDG_CONFIG_HOME/Corvelle/Corvelle.json), and the domain it
    // shares with the tag engine ($XDG_CONFIG_HOME/Corvelle/Engine.json).
    static UserDefaults& standard();
    static UserDefaults& suite();

    explicit UserDefaults(const QString& filePath);
    ~UserDefaults();
    UserDefaults(const UserDefaults&) = delete;
    UserDefaults& operator=(const UserDefaults&) = delete;

    QString filePath() const;

    // The stored value, or an invalid QVariant when nothing is stored under the key.
    QVariant object(const QString& key) const;
    // Stores the value (an invalid QVariant removes the key) and posts didSetKeyNotification.
    void setObject(const QString& key, const QVariant& value);
    void removeObject(const QString& key);
    bool contains(const QString& key) const;
    // Picks up changes made to the file by another process.
    void sync();

    // The stored value decoded by the key's coder, else the key's default.
    template<class Coder>
    typename Coder::Value value(const EvaluedUserDefaultsKey<Coder>& key) const
    {
        if (auto decoded = Coder::decode(*this, key.name()))
            return *decoded;
        return key.defaultValue();
    }

    template<class Coder>
    void set(const EvaluedUserDefaultsKey<Coder>& key, const typename Coder::Value& value)
    {
        setObject(key.name(), Coder::encode(value));
    }

    // Launch statistics: launch count and first and last launch dates.
    void updateStatisticsAtLaunch();
    int launchCount() const;
    QDateTime firstLaunchDate() const;
    QDateTime lastLaunchDate() const;

    static const QString launchCountKey;
    static const QString firstLaunchDateKey;
    static const QString lastLaunchDateKey;

    static const QString didSetKeyNotification;
    static const QString keyNameUserInfoKey;
    // The name of the key whose write posted `note`; empty for any other notification.
    static QString editedKeyName(const Notification& note);

private:
    UserDefaults(const QString& organization, const QString& application);
    explicit UserDefaults(std::unique_ptr<QSettings> settings);

    QDateTime storedDate(const QString& key) const;

    mutable QMutex mutex_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace brisa
