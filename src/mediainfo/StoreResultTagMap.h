#pragma once

#include "engine/cobbin/MetadataResult.h"
#include "engine/ostrak/TagItem.h"
#include "mediainfo/StoreInformationRow.h"

#include <QList>
#include <QString>

#include <optional>

namespace corvelle {

// Which QuickTime tag each value of a found record goes into, the rows built from a record, and
// the one-line title of a record in the results.
class StoreResultTagMap {
public:
    // None for a key that goes into no tag.
    static std::optional<ostrak::TagItem> tagItem(cobbin::MetadataResultKey key);
    // None when the record has no value for the key, the key has no tag, or the text is blank.
    static std::optional<StoreInformationRow> informationRow(cobbin::MetadataResultKey key,
                                                             const cobbin::MetadataResult& result);
    static QList<StoreInformationRow> informationRows(const cobbin::MetadataResult& result,
                                                      const QList<cobbin::MetadataResultKey>& keys);
    // In the show or movie key order, as the record is one or the other.
    static QList<StoreInformationRow> informationRows(const cobbin::MetadataResult& result);
    // The name (else the display name), after "2x5 - " when both season and episode are numbers.
    static QString titleLine(const cobbin::MetadataResult& result);
};

} // namespace corvelle
