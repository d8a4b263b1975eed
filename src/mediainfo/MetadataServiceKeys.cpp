#include "mediainfo/MetadataServiceKeys.h"

#include "engine/cobbin/MetadataServiceConfiguration.h"
#include "mediainfo/MediaInfoSettings.h"
#include "platform/brisa/ui/UserKeychain.h"

namespace corvelle {

namespace {

// The keys handed to the services last, in the order of Key.
std::array<QString, 3>& storedKeys()
{
    static std::array<QString, 3> keys;
    return keys;
}

} // namespace

QString MetadataServiceKeys::keychainName(Key key)
{
    switch (key) {
    case Key::theMovieDBKey:
        return Settings::theMovieDBKeyItem();
    case Key::theTVDBKey:
        return Settings::theTVDBKeyItem();
    case Key::theTVDBPin:
        return Settings::theTVDBPinItem();
    }
    return {};
}

QString MetadataServiceKeys::environmentName(Key key)
{
    switch (key) {
    case Key::theMovieDBKey:
        return QStringLiteral("CORVELLE_TMDB_API_KEY");
    case Key::theTVDBKey:
        return QStringLiteral("CORVELLE_TVDB_API_KEY");
    case Key::theTVDBPin:
        return QStringLiteral("CORVELLE_TVDB_PIN");
    }
    return {};
}

bool MetadataServiceKeys::isSetInEnvironment(Key key)
{
    return !qEnvironmentVariable(environmentName(key).toLatin1().constData()).trimmed().isEmpty();
}

void MetadataServiceKeys::reload(const QObject* context)
{
    for (Key key : allKeys) {
        brisa::UserKeychain::standard().readAsync(keychainName(key), context, [key](const brisa::KeychainResult& result) {
            // A keychain that cannot be read keeps what the services have.
            if (!result.isError())
                setStoredKey(key, result.password.value_or(QString()));
        });
    }
}

void MetadataServiceKeys::setStoredKey(Key key, const QString& value)
{
    std::array<QString, 3>& keys = storedKeys();
    keys.at(std::size_t(key)) = value;
    cobbin::MetadataServiceConfiguration::setStoredCredentials(keys[0], keys[1], keys[2]);
}

} // namespace corvelle
