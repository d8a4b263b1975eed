#pragma once

#include "platform/brisa/core/EvaluedUserDefaultsKey.h"
#include "platform/brisa/core/Notification.h"

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
class UserDefaults {
public:
    // The application's own domain, and the domain it shares with the tag engine.
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

    static const QString didSetKeyNotification;
    static const QString keyNameUserInfoKey;
    // The name of the key whose write posted `note`; empty for any other notification.
    static QString editedKeyName(const Notification& note);

private:
    mutable QMutex mutex_;
    std::unique_ptr<QSettings> settings_;
};

} // namespace brisa
