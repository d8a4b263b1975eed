#pragma once

#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/libraries/PhotosRemoteProfile.h"

#include <QJsonObject>

namespace halvex {

// Gives files the edits of a remote profile, in memory, as one edition: a save writes them,
// so the user reviews them first. Each edit goes to the tags the file's type keeps it in:
// - the file name is the title: ItemList:Title of a QuickTime file (and its Keys and UserData
//   titles when it holds them), XMP-dc:Title and, for types with IPTC, IPTC:ObjectName of the
//   others. Keeping the current name writes the file's base name; an empty name erases them;
// - the description: ItemList:Description of a QuickTime file (Keys:Description when held),
//   XMP-dc:Description, IPTC:Caption-Abstract and EXIF ImageDescription of an image; empty erases;
// - the date selects the creation dates: QuickTime CreateDate and Keys:CreationDate of a
//   QuickTime file, EXIF DateTimeOriginal and CreateDate of an image, XMP otherwise;
// - keywords: XMP-dc:Subject and, for types with IPTC, IPTC:Keywords; an empty list erases;
// - the location: the GPS position in the families the file takes.
// A folder, or a file of a type that cannot be written, is left alone and named in an error.
class PhotosRemoteEditionTask : public EditionTask {
public:
    // The edits of a profile, as a value the task's thread may read.
    struct Edits {
        std::optional<PhotosRemoteFileNameEdition> fileName;
        std::optional<QString> photoDescription;
        std::optional<QDateTime> date;
        std::optional<QStringList> keywords;
        std::optional<Coordinate> location;

        static Edits of(const PhotosRemoteProfile& profile);
        // The edits of PhotosRemoteProfile::editionsDescription(); what cannot be read is none.
        static Edits fromDescription(const QJsonObject& description);
    };

    static constexpr const char* folderKey = "RemoteApplyFolderError";
    static constexpr const char* notWritableKey = "RemoteApplyNotWritableError";
    static constexpr const char* invalidLocationKey = "RemoteApplyInvalidLocationError";

    PhotosRemoteEditionTask(const TagEditorList& editors, const Edits& edits);

    // Stages the edits on one editor; the errors that kept it (or a part) from being edited.
    static QList<TaskMessage> edit(TagEditor& editor, const Edits& edits);
};

} // namespace halvex
