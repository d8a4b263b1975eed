#include "engine/cobbin/MetadataResult.h"

namespace cobbin {

void MetadataResult::setValue(MetadataResultKey key, const QVariant& value)
{
    if (!value.isValid() || value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty()))
        return;
    values_.insert(key, value);
}

void MetadataResult::addArtwork(const MetadataArtwork& artwork)
{
    if (artwork.url.isValid() && !artworks_.contains(artwork))
        artworks_ << artwork;
}

} // namespace cobbin
