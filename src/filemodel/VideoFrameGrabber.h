#pragma once

#include <QImage>
#include <QString>

namespace corvelle {

// A still of a movie through libffmpegthumbnailer: a frame a tenth of the way in (the first
// frame when seeking fails), turned upright as the movie's track asks to be shown, with the
// movie's proportions. A file that carries an attached picture instead of video (an audio
// file's cover art) gives that picture.
class VideoFrameGrabber {
public:
    // The longer side is maximumPixelSize. Null when the file is not a regular file or holds
    // nothing to decode.
    static QImage frame(const QString& path, int maximumPixelSize);
};

} // namespace corvelle
