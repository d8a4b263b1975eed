#include "engine/cobbin/MetadataService.h"

#include "engine/cobbin/AppleTVService.h"
#include "engine/cobbin/TheMovieDBService.h"
#include "engine/cobbin/TheTVDBService.h"
#include "engine/cobbin/iTunesService.h"

namespace cobbin {

std::shared_ptr<MetadataService> MetadataService::make(Type type)
{
    switch (type) {
    case Type::appleTV:
        return std::make_shared<AppleTVService>();
    case Type::theMovieDB:
        return std::make_shared<TheMovieDBService>();
    case Type::theTVDB:
        return std::make_shared<TheTVDBService>();
    case Type::iTunes:
        return std::make_shared<iTunesService>();
    }
    return nullptr;
}

} // namespace cobbin
