#pragma once

#include "engine/ostrak/TagName.h"
#include "platform/brisa/core/JsonCoding.h"

namespace halvex {

// One copy of a folder's tag synchronisation: the value of `source` is written into
// `destination`. Lists of pairs compare position by position and may hold duplicates.
struct TagSyncPair {
    ostrak::TagName source;
    ostrak::TagName destination;

    bool operator==(const TagSyncPair&) const = default;
};

} // namespace halvex

template<>
struct brisa::JsonCoding<halvex::TagSyncPair> {
    static QJsonValue encode(const halvex::TagSyncPair& pair);
    static halvex::TagSyncPair decode(const QJsonValue& json, const QStringList& codingPath);
};
