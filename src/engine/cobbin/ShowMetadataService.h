#pragma once

#include "engine/cobbin/MetadataError.h"
#include "engine/cobbin/MetadataResult.h"

#include <QList>
#include <QString>

#include <optional>

namespace cobbin {

// A service that finds TV shows, and with a season and an episode, one episode. Both calls block
// and run off the main thread; they never throw: a failure gives no results and says why
// through `error` when it is given.
class ShowMetadataService {
public:
    virtual ~ShowMetadataService() = default;

    virtual QList<MetadataResult> searchShows(const QString& name, std::optional<int> season,
                                              std::optional<int> episode, const QString& language,
                                              MetadataError* error) const = 0;
    virtual std::optional<MetadataResult> loadShow(const MetadataResult& result, std::optional<int> season,
                                                   std::optional<int> episode, const QString& language,
                                                   MetadataError* error) const = 0;
};

} // namespace cobbin
