#include "engine/halvex/libraries/PhotosAppAuthorizer.h"

namespace halvex {

bool PhotosAppAuthorizer::perform()
{
    return false;
}

LocalizedText PhotosAppAuthorizer::refusalReason()
{
    return {QStringLiteral("PhotosAppUnavailableError"), {}};
}

} // namespace halvex
