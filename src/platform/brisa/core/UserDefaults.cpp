#include "platform/brisa/core/UserDefaults.h"

#include "platform/brisa/core/DateHelpers.h"
#include "platform/brisa/core/IntUDC.h"
#include "platform/brisa/core/JsonSettingsFormat.h"
#include "platform/brisa/core/NotificationCenter.h"
#include "platform/brisa/core/StringUDC.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>

namespace brisa {

namespace {

Q_LOGGING_CATEGORY(defaultsLog, "corvelle.settings")

std::unique_ptr<QSettings> makeSettings(std::unique_ptr<QSettings> settings)
{
    // Every write is synced at once under our lock; QSettings' own deferred sync would run
    // on its thread outside that lock, so the object is given no thread to receive it on.
    settings->setAtomicSyncRequired(true);
    settings->moveToThread(nullptr);
    return settings;
}

QString writeFailureReason(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return QStringLiteral("its folder could not be created");
    if (!folder.isWritable())
        return QStringLiteral("its folder is not writable");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("the file is read-only");
    return QStringLiteral("the disk refused the write");
}

} // namespace

const QString UserDefaults::didSetKeyNotification = QStringLiteral("BrisaUserDefaultsDidSetKeyNotification");
const QString UserDefaults::keyNameUserInfoKey = QStringLiteral("BrisaUserDefaultsKeyName");
const QString UserDefaults::launchCountKey = QStringLiteral("BrisaLaunchCount");
const QString UserDefaults::firstLaunchDateKey = QStringLiteral("BrisaFirstLaunchDate");
const QString UserDefaults::lastLaunchDateKey = QStringLiteral("BrisaLastLaunchDate");

UserDefaults& UserDefaults::standard()
{
    static UserDefaults defaults(QStringLiteral("Corvelle"), QStringLiteral("Corvelle"));
    return defaults;
}

UserDefaults& UserDefaults::suite()
{
    static UserDefaults defaults(QStringLiteral("Corvelle"), QStringLiteral("Engine"));
    return defaults;
}

UserDefaults::UserDefaults(const QString& filePath)
    : UserDefaults(std::make_unique<QSettings>(filePath, JsonSettingsFormat::format()))
{
}

UserDefaults::UserDefaults(const QString& organization, const QString& application)
    : UserDefaults(std::make_unique<QSettings>(JsonSettingsFormat::format(), QSettings::UserScope,
                                               organization, application))
{
}

UserDefaults::UserDefaults(std::unique_ptr<QSettings> settings)
    : settings_(makeSettings(std::move(settings)))
{
}

UserDefaults::~UserDefaults()
{
    QMutexLocker lock(&mutex_);
    settings_->sync();
}

QString UserDefaults::filePath() const
{
    QMutexLocker lock(&mutex_);
    return settings_->fileName();
}

QVariant UserDefaults::object(const QString& key) const
{
    QMutexLocker lock(&mutex_);
    return settings_->value(key);
}

bool UserDefaults::contains(const QString& key) const
{
    QMutexLocker lock(&mutex_);
    return settings_->contains(key);
}

void UserDefaults::setObject(const QString& key, const QVariant& value)
{
    {
        QMutexLocker lock(&mutex_);
        // QSettings keeps an error status for good: after a failed write, a fresh object over
        // the same cached file retries the unwritten changes and reports only this write.
        if (settings_->status() != QSettings::NoError)
            settings_ = makeSettings(std::make_unique<QSettings>(settings_->fileName(),
                                                                 JsonSettingsFormat::format()));
        if (value.isValid())
            settings_->setValue(key, value);
        else
            settings_->remove(key);
        settings_->sync();
        if (settings_->status() != QSettings::NoError) {
            const QString path = settings_->fileName();
            qCWarning(defaultsLog).noquote()
                << QStringLiteral("The settings file \"%1\" could not be written: %2. The change of \"%3\" is kept in memory and written with the next change that succeeds.")
                       .arg(path, writeFailureReason(path), key);
        }
    }
    // Observers often read the defaults again: post outside the lock.
    NotificationCenter::defaultCenter().post(didSetKeyNotification, this,
                                             {{keyNameUserInfoKey, key}});
}

void UserDefaults::removeObject(const QString& key)
{
    setObject(key, QVariant());
}

void UserDefaults::sync()
{
    QMutexLocker lock(&mutex_);
    settings_->sync();
}

void UserDefaults::updateStatisticsAtLaunch()
{
    const QString now = utcFormatted(QDateTime::currentDateTimeUtc());
    if (!firstLaunchDate().isValid())
        setObject(firstLaunchDateKey, now);
    setObject(lastLaunchDateKey, now);
    setObject(launchCountKey, launchCount() + 1);
}

int UserDefaults::launchCount() const
{
    return qMax(0, IntUDC::decode(*this, launchCountKey).value_or(0));
}

QDateTime UserDefaults::firstLaunchDate() const
{
    return storedDate(firstLaunchDateKey);
}

QDateTime UserDefaults::lastLaunchDate() const
{
    return storedDate(lastLaunchDateKey);
}

QDateTime UserDefaults::storedDate(const QString& key) const
{
    return dateFromUTCFormatted(StringUDC::decode(*this, key).value_or(QString()));
}

QString UserDefaults::editedKeyName(const Notification& note)
{
    if (note.name != didSetKeyNotification)
        return {};
    return note.userInfo.value(keyNameUserInfoKey).toString();
}

} // namespace brisa
