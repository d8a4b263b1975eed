#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace cobbin {

// An online database of movies or shows: its names and the languages it answers in. What it
// can search is told by the other two interfaces it implements, MovieMetadataService and
// ShowMetadataService. Values are cheap to make; nothing is fetched until a search runs.
class MetadataService {
public:
    enum class Type { appleTV, theMovieDB, theTVDB, iTunes };

    virtual ~MetadataService() = default;

    static std::shared_ptr<MetadataService> make(Type type);

    // Stable, used in settings keys.
    virtual QString identifyingName() const = 0;
    virtual QString displayName() const = 0;
    virtual QString defaultLanguage() const = 0;
    virtual QStringList languages() const = 0;
    // The language's name as the menu shows it; the identifier itself for one unknown.
    virtual QString languageTitle(const QString& language) const = 0;
};

} // namespace cobbin
