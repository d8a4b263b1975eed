#include "engine/cobbin/MetadataError.h"

namespace cobbin {

MetadataError MetadataError::make(Kind kind, const QString& service, const QVariantList& arguments)
{
    static const char* const keys[] = {"MetadataErrorMissingKey", "MetadataErrorRejectedKey",
                                       "MetadataErrorRateLimited", "MetadataErrorNetwork",
                                       "MetadataErrorTimeout", "MetadataErrorMalformed",
                                       "MetadataErrorNotFound", "MetadataErrorStatus"};
    return {kind, service, {QString::fromLatin1(keys[int(kind)]), arguments}};
}

} // namespace cobbin
