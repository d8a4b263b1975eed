#pragma once

#include "engine/cobbin/HttpFetch.h"
#include "engine/cobbin/MetadataService.h"
#include "engine/cobbin/MovieMetadataService.h"
#include "engine/cobbin/ShowMetadataService.h"

#include <QJsonObject>
#include <QUrl>

namespace cobbin {

// The movie database's API, version 3: an API key (the api_key parameter) or a read-access
// token (a Bearer token). Languages are tags such as "en-US".
class TheMovieDBService : public MetadataService, public MovieMetadataService, public ShowMetadataService {
public:
    QString identifyingName() const override { return QStringLiteral("TheMovieDB"); }
    QString displayName() const override { return QStringLiteral("TheMovieDB"); }
    QString defaultLanguage() const override { return QStringLiteral("en-US"); }
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

    // A key this long is a read-access token rather than an API key.
    static bool isReadAccessToken(const QString& key) { return key.size() > 40; }

private:
    std::optional<QJsonObject> get(const QString& path, QList<std::pair<QString, QString>> query,
                                   MetadataError* error, const QString& notFound = {}) const;
    QList<MetadataResult> search(const QString& path, const QString& name, const QString& language, bool isShow,
                                 MetadataError* error) const;
};

} // namespace cobbin
