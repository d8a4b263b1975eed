#include "engine/halvex/tags/TagStorageValueProvider.h"

namespace halvex {

TagStorageValueProvider::TagStorageValueProvider(QString filename, TagStorage storage)
    : filename_(std::move(filename)), storage_(std::move(storage))
{
}

} // namespace halvex
