#include "engine/cobbin/MetadataServiceConfiguration.h"

#include "platform/brisa/core/UserDefaults.h"

#include <QMutex>

namespace cobbin {

const QString MetadataServiceConfiguration::theMovieDBBaseUrlKey = QStringLiteral("CobbinTheMovieDBBaseURL");
const QString MetadataServiceConfiguration::theMovieDBImageBaseUrlKey = QStringLiteral("CobbinTheMovieDBImageBaseURL");
const QString MetadataServiceConfiguration::theTVDBBaseUrlKey = QStringLiteral("CobbinTheTVDBBaseURL");
const QString MetadataServiceConfiguration::iTunesBaseUrlKey = QStringLiteral("CobbiniTunesBaseURL");
const QString MetadataServiceConfiguration::timeoutKey = QStringLiteral("CobbinRequestTimeout");

namespace {

struct StoredCredentials {
    QMutex mutex;
    QString theMovieDBKey;
    QString theTVDBKey;
    QString theTVDBPin;
};

StoredCredentials& stored()
{
    static StoredCredentials credentials;
    return credentials;
}

QUrl urlSetting(const QString& key, const char* fallback)
{
    const QUrl url(brisa::UserDefaults::standard().object(key).toString());
    return url.isValid() && !url.scheme().isEmpty() ? url : QUrl(QString::fromLatin1(fallback));
}

QString environmentOr(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name).trimmed();
    return value.isEmpty() ? fallback : value;
}

} // namespace

MetadataServiceConfiguration MetadataServiceConfiguration::current()
{
    MetadataServiceConfiguration configuration;
    configuration.theMovieDBBaseUrl = urlSetting(theMovieDBBaseUrlKey, "https://api.themoviedb.org");
    configuration.theMovieDBImageBaseUrl = urlSetting(theMovieDBImageBaseUrlKey, "https://image.tmdb.org/t/p");
    configuration.theTVDBBaseUrl = urlSetting(theTVDBBaseUrlKey, "https://api4.thetvdb.com");
    configuration.iTunesBaseUrl = urlSetting(iTunesBaseUrlKey, "https://itunes.apple.com");
    bool ok = false;
    const int timeout = brisa::UserDefaults::standard().object(timeoutKey).toInt(&ok);
    if (ok && timeout > 0)
        configuration.timeoutMs = timeout;
    {
        StoredCredentials& credentials = stored();
        QMutexLocker lock(&credentials.mutex);
        configuration.theMovieDBKey = credentials.theMovieDBKey;
        configuration.theTVDBKey = credentials.theTVDBKey;
        configuration.theTVDBPin = credentials.theTVDBPin;
    }
    configuration.theMovieDBKey = environmentOr("CORVELLE_TMDB_API_KEY", configuration.theMovieDBKey);
    configuration.theTVDBKey = environmentOr("CORVELLE_TVDB_API_KEY", configuration.theTVDBKey);
    configuration.theTVDBPin = environmentOr("CORVELLE_TVDB_PIN", configuration.theTVDBPin);
    return configuration;
}

void MetadataServiceConfiguration::setStoredCredentials(const QString& theMovieDBKey, const QString& theTVDBKey,
                                                        const QString& theTVDBPin)
{
    StoredCredentials& credentials = stored();
    QMutexLocker lock(&credentials.mutex);
    credentials.theMovieDBKey = theMovieDBKey.trimmed();
    credentials.theTVDBKey = theTVDBKey.trimmed();
    credentials.theTVDBPin = theTVDBPin.trimmed();
}

} // namespace cobbin
