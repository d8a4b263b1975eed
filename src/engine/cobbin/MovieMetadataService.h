#pragma once

#include "engine/cobbin/MetadataError.h"
#include "engine/cobbin/MetadataResult.h"

#include <QList>
#include <QString>

#include <optional>

namespace cobbin {

// A service that finds movies. Both calls block and run off the main thread; they never throw:
// a failure gives no results and says why through `error` when it is given.
class MovieMetadataService {
public:
    virtual ~MovieMetadataService() = default;

    virtual QList<MetadataResult> searchMovies(const QString& name, const QString& language,
                                               MetadataError* error) const = 0;
    // The full record of a result of this service's search; none on failure.
    virtual std::optional<MetadataResult> loadMovie(const MetadataResult& result, const QString& language,
                                                    MetadataError* error) const = 0;
};

} // namespace cobbin
