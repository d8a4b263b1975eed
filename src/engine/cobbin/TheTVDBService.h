#pragma once

#include "engine/cobbin/HttpFetch.h"
#include "engine/cobbin/MetadataService.h"
#include "engine/cobbin/ShowMetadataService.h"

#include <QJsonObject>
#include <QUrl>

namespace cobbin {

// The TV database's API, version 4: a login with the API key (and the subscriber PIN of
// user-supported keys) gives a Bearer token valid a month, kept for the run and renewed when
// the service refuses it. Shows only; languages are three-letter codes.
class TheTVDBService : public MetadataService, public ShowMetadataService {
public:
    QString identifyingName() const override { return QStringLiteral("TheTVDB"); }
    QString displayName() const override { return QStringLiteral("TheTVDB"); }
    QString defaultLanguage() const override { return QStringLiteral("eng"); }
    QStringList languages() const override;
    QString languageTitle(const QString& language) const override;

    QList<MetadataResult> searchShows(const QString& name, std::optional<int> season, std::optional<int> episode,
                                      const QString& language, MetadataError* error) const override;
    std::optional<MetadataResult> loadShow(const MetadataResult& result, std::optional<int> season,
                                           std::optional<int> episode, const QString& language,
                                           MetadataError* error) const override;

    // Forgets the token of this run, so that the next call logs in again.
    static void forgetToken();

private:
    std::optional<QJsonObject> get(const QString& path, const QList<std::pair<QString, QString>>& query,
                                   MetadataError* error, const QString& notFound = {}) const;
    std::optional<QString> token(bool renew, MetadataError* error) const;
};

} // namespace cobbin
