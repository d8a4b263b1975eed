#pragma once

#include "engine/cobbin/MetadataArtwork.h"
#include "engine/cobbin/MetadataResultKey.h"

#include <QHash>
#include <QList>
#include <QVariant>

namespace cobbin {

// One movie, show or episode as a service gives it: its values by kind, whether it is a show,
// and the pictures it offers. A search gives short records; loading one gives the full record.
class MetadataResult {
public:
    MetadataResult() = default;
    explicit MetadataResult(bool isShow) : isShow_(isShow) {}

    bool isShow() const { return isShow_; }
    const QHash<MetadataResultKey, QVariant>& values() const { return values_; }
    QVariant value(MetadataResultKey key) const { return values_.value(key); }
    // An invalid or empty text value is not stored.
    void setValue(MetadataResultKey key, const QVariant& value);

    const QList<MetadataArtwork>& artworks() const { return artworks_; }
    void setArtworks(const QList<MetadataArtwork>& artworks) { artworks_ = artworks; }
    // Added once; an artwork with the same image address is already there.
    void addArtwork(const MetadataArtwork& artwork);

private:
    bool isShow_ = false;
    QHash<MetadataResultKey, QVariant> values_;
    QList<MetadataArtwork> artworks_;
};

} // namespace cobbin
