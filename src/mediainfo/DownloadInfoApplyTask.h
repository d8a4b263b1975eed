#pragma once

#include "engine/halvex/editions/EditionTask.h"
#include "mediainfo/StoreInformationRow.h"

#include <QList>

namespace corvelle {

// Writes the found values (and the cover art, when one was chosen) into every editor, in row
// order, as one edition without a label. A row whose tag ExifTool cannot write (the content
// rating, or the playlist index, which takes 8 numbers) is left out and named in a warning of
// the task, and so is a value the tag cannot hold (a date that is no
// date); the others are written.
class DownloadInfoApplyTask : public halvex::EditionTask {
public:
    DownloadInfoApplyTask(const halvex::TagEditorList& editors, const QList<StoreInformationRow>& rows);

    static constexpr const char* notWrittenKey = "DownloadInfoTagNotWritten";
    static constexpr const char* notConvertedKey = "DownloadInfoValueNotConverted";
};

} // namespace corvelle
