#pragma once

#include "engine/ostrak/TagRecordSet.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace ostrak {

// Reads ExifTool's `-php -l` output into tag records.
//
// PHP rather than JSON: ExifTool's JSON writes number-like text bare ("1.10" reads back as
// 1.1 through a JSON library) and turns "True" or "TRUE" into the boolean true, losing the
// text. Its PHP form quotes every string as it is and writes numbers exactly as printed, so
// this scanner keeps every value's text.
class TagRecordParser {
public:
    // One set per file, in ExifTool's order, with `path` from "SourceFile" and the error from
    // an "Error" tag. Null when the output is not in the expected form.
    static std::optional<QList<TagRecordSet>> parse(const QByteArray& output);
};

} // namespace ostrak
