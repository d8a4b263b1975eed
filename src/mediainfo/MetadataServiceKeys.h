#pragma once

#include <QString>

#include <array>

class QObject;

namespace corvelle {

// The keys of the online databases as the user keeps them: one keychain item each, handed to
// the services (cobbin::MetadataServiceConfiguration), where a key given in the environment
// wins over the kept one. Main thread only.
class MetadataServiceKeys {
public:
    enum class Key { theMovieDBKey, theTVDBKey, theTVDBPin };
    static constexpr std::array<Key, 3> allKeys{Key::theMovieDBKey, Key::theTVDBKey, Key::theTVDBPin};

    // The name of the key's keychain item ("TheMovieDB API key" ...).
    static QString keychainName(Key key);
    // The environment variable that wins over the kept key ("CORVELLE_TMDB_API_KEY" ...).
    static QString environmentName(Key key);
    // Whether the environment gives the key now.
    static bool isSetInEnvironment(Key key);

    // Reads every kept key from the keychain and hands them to the services as they arrive; a
    // key no longer kept is taken from them. Nothing arrives once `context` is gone.
    static void reload(const QObject* context);
    // The kept key changed (empty: removed): the services use it from now on.
    static void setStoredKey(Key key, const QString& value);
};

} // namespace corvelle
