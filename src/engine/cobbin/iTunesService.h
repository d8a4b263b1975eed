#pragma once

#include "engine/cobbin/MetadataService.h"
#include "engine/cobbin/MovieMetadataService.h"
#include "engine/cobbin/ShowMetadataService.h"

namespace cobbin {

// The public store search: no key, about twenty calls a minute. Its "languages" are the store
// countries, two-letter codes.
class iTunesService : public MetadataService, public MovieMetadataService, public ShowMetadataService {
public:
    QString identifyingName() const override { return QStringLiteral("iTunes"); }
    QString displayName() const override { return QStringLiteral("iTunes"); }
    QString defaultLanguage() const override { return QStringLiteral("us"); }
    QStringList languages() const override;
    QString languageTitle(const QString& language) const override;

    QList<MetadataResult> searchMovies(const QString& name, const QString& language,
                                       MetadataError* error) const override;
    std::optional<MetadataResult> loadMovie(const MetadataResult& result, const QString& language,
                                            MetadataError* error) const override;
    QList<MetadataResult> searchShows(const QString& name, std::optional<int> season, std::optional<int> episode,
                                      const QString& language, MetadataError* error) const override;
    std::optional<MetadataResult> loadShow(const MetadataResult& result, std::optional<int> season,
                                           std::optional<int> episode, const QString& language,
                                           MetadataError* error) const override;

private:
    std::optional<MetadataResult> lookup(const MetadataResult& result, const QString& language,
                                         MetadataError* error) const;
};

} // namespace cobbin
