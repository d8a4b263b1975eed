#pragma once

#include "engine/halvex/tags/ExifOrientation.h"
#include "engine/halvex/tasks/TaskMessage.h"

namespace halvex {

class TagEditor;

// What an orientation edit did. A movie's track can be turned but not mirrored: a mirrored
// orientation is written as its turn alone, and the mirroring is lost.
enum class OrientationEditResult {
    unchanged,     // the file already had that orientation
    changed,       // the new orientation is staged
    mirrorDropped, // the nearest turn is current (staged or already there); the mirror is not
};

// EXIF orientation (IFD0:Orientation) with its staged edit; normal when the file has none.
ExifOrientation exifOrientation(const TagEditor& editor);
OrientationEditResult setExifOrientation(TagEditor& editor, ExifOrientation orientation);

// The turn of the movie's video track (Composite:Rotation, which ExifTool writes into the track
// matrix) as an EXIF orientation: 0, 90, 180, 270 degrees are normal, rotate90, rotate180,
// rotate270. Normal when the file has none. A mirrored orientation is written as the nearest
// turn: the current one when the mirroring is all that differs (a flip changes nothing), else
// ExifOrientation::withoutMirror(). A file without a video track is left alone.
ExifOrientation quicktimeOrientation(const TagEditor& editor);
OrientationEditResult setQuicktimeOrientation(TagEditor& editor, ExifOrientation orientation);

// Mirror or turn the picture once more, in the tag that holds the file's orientation: the
// track's rotation for a file that keeps it there (prefersQuicktime()), EXIF otherwise.
OrientationEditResult horizontalFlipOrientation(TagEditor& editor);
OrientationEditResult verticalFlipOrientation(TagEditor& editor);
OrientationEditResult rotateLeftOrientation(TagEditor& editor);
OrientationEditResult rotateRightOrientation(TagEditor& editor);

// The warning a task reports for a mirrorDropped result: the file and that its mirroring was
// not kept.
TaskMessage orientationMirrorDroppedMessage(const TagEditor& editor);

// The embedded EXIF thumbnail (IFD1:ThumbnailImage): clearing stages its deletion, restoring
// drops that edit. Each returns whether the editor changed.
bool clearExifThumbnail(TagEditor& editor);
bool restoreExifThumbnail(TagEditor& editor);

} // namespace halvex
