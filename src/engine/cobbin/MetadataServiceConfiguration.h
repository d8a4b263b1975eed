#pragma once

#include <QString>
#include <QUrl>

namespace cobbin {

// Where each service is reached and with which credentials. The addresses are settings, so a
// test or a mirror can stand in for a service; the keys come from the interface (the user's
// keychain) unless the environment gives them, which wins:
// CORVELLE_TMDB_API_KEY, CORVELLE_TVDB_API_KEY, CORVELLE_TVDB_PIN.
struct MetadataServiceConfiguration {
    QUrl theMovieDBBaseUrl;
    QUrl theMovieDBImageBaseUrl;
    // An API key (v3, sent as api_key) or a read-access token (sent as a Bearer token).
    QString theMovieDBKey;
    QUrl theTVDBBaseUrl;
    QString theTVDBKey;
    // The subscriber PIN that user-supported keys need; empty for others.
    QString theTVDBPin;
    QUrl iTunesBaseUrl;
    // A request that has not ended by then has failed.
    int timeoutMs = 30000;

    // The settings' names of the addresses.
    static const QString theMovieDBBaseUrlKey;      // "CobbinTheMovieDBBaseURL"
    static const QString theMovieDBImageBaseUrlKey; // "CobbinTheMovieDBImageBaseURL"
    static const QString theTVDBBaseUrlKey;         // "CobbinTheTVDBBaseURL"
    static const QString iTunesBaseUrlKey;          // "CobbiniTunesBaseURL"
    static const QString timeoutKey;                // "CobbinRequestTimeout", in milliseconds

    // The addresses from the standard settings (the services' own by default), the stored keys,
    // and the environment's keys over them.
    static MetadataServiceConfiguration current();
    // The keys read from the keychain; any thread.
    static void setStoredCredentials(const QString& theMovieDBKey, const QString& theTVDBKey,
                                     const QString& theTVDBPin);
};

} // namespace cobbin
