#include "engine/cobbin/MetadataSearch.h"

#include "engine/cobbin/MovieMetadataService.h"
#include "engine/cobbin/ShowMetadataService.h"

namespace cobbin {

std::optional<MetadataSearch> MetadataSearch::movie(std::shared_ptr<MetadataService> service, const QString& name,
                                                    const QString& language)
{
    if (!dynamic_cast<const MovieMetadataService*>(service.get()))
        return std::nullopt;
    MetadataSearch search;
    search.service_ = std::move(service);
    search.name_ = name;
    search.language_ = language;
    return search;
}

std::optional<MetadataSearch> MetadataSearch::show(std::shared_ptr<MetadataService> service, const QString& name,
                                                   std::optional<int> season, std::optional<int> episode,
                                                   const QString& language)
{
    if (!dynamic_cast<const ShowMetadataService*>(service.get()))
        return std::nullopt;
    MetadataSearch search;
    search.isShow_ = true;
    search.service_ = std::move(service);
    search.name_ = name;
    search.season_ = season;
    search.episode_ = episode;
    search.language_ = language;
    return search;
}

QList<MetadataResult> MetadataSearch::run(MetadataError* error) const
{
    if (isShow_) {
        return dynamic_cast<const ShowMetadataService&>(*service_)
            .searchShows(name_, season_, episode_, language_, error);
    }
    return dynamic_cast<const MovieMetadataService&>(*service_).searchMovies(name_, language_, error);
}

MetadataResult MetadataSearch::load(const MetadataResult& result, MetadataError* error) const
{
    std::optional<MetadataResult> loaded;
    if (isShow_) {
        loaded = dynamic_cast<const ShowMetadataService&>(*service_)
                     .loadShow(result, season_, episode_, language_, error);
    } else {
        loaded = dynamic_cast<const MovieMetadataService&>(*service_).loadMovie(result, language_, error);
    }
    return loaded.value_or(result);
}

} // namespace cobbin
