#pragma once

#include "engine/cobbin/MetadataError.h"
#include "engine/cobbin/MetadataResult.h"
#include "engine/cobbin/MetadataService.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace cobbin {

// One search as the user asked it: a movie, or a show with an optional season and episode, by
// name, in one service and language. A value; run() and load() block and belong off the main
// thread. They never throw: a failure gives nothing, and `error`, when given, says why.
class MetadataSearch {
public:
    // None when the service cannot search movies (or shows).
    static std::optional<MetadataSearch> movie(std::shared_ptr<MetadataService> service, const QString& name,
                                               const QString& language);
    static std::optional<MetadataSearch> show(std::shared_ptr<MetadataService> service, const QString& name,
                                              std::optional<int> season, std::optional<int> episode,
                                              const QString& language);

    bool isShow() const { return isShow_; }
    const std::shared_ptr<MetadataService>& service() const { return service_; }
    const QString& name() const { return name_; }
    std::optional<int> season() const { return season_; }
    std::optional<int> episode() const { return episode_; }
    const QString& language() const { return language_; }

    QList<MetadataResult> run(MetadataError* error = nullptr) const;
    // The full record of one result of this search; the result itself when loading fails.
    MetadataResult load(const MetadataResult& result, MetadataError* error = nullptr) const;

private:
    MetadataSearch() = default;

    bool isShow_ = false;
    std::shared_ptr<MetadataService> service_;
    QString name_;
    std::optional<int> season_;
    std::optional<int> episode_;
    QString language_;
};

} // namespace cobbin
