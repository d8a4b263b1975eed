#include "filemodel/VideoFrameGrabber.h"

#include <QFile>
#include <QFileInfo>

#include <libffmpegthumbnailer/videothumbnailer.h>

extern "C" {
#include <libavutil/log.h>
}

#include <exception>
#include <mutex>
#include <vector>

namespace corvelle {

QImage VideoFrameGrabber::frame(const QString& path, int maximumPixelSize)
{
    // A pipe or a device would block the demuxer, or never end.
    const QFileInfo info(path);
    if (maximumPixelSize < 1 || !info.isFile())
        return {};
    // Damaged and odd files are common in a folder of media; they give no frame, and the
    // decoder's complaints about them would only flood the log.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_FATAL); });
    try {
        ffmpegthumbnailer::VideoThumbnailer thumbnailer(maximumPixelSize, false, true, 8, false);
        thumbnailer.setLogCallback([](ThumbnailerLogLevel, const std::string&) {});
        std::vector<uint8_t> pixels;
        const ffmpegthumbnailer::VideoFrameInfo frame =
            // Absolute, so that no part of the name can pass for a protocol ("clip:1.mp4").
            thumbnailer.generateThumbnail(QFile::encodeName(info.absoluteFilePath()).toStdString(), Rgb, pixels);
        const qsizetype stride = qsizetype(frame.width) * 3;
        if (frame.width < 1 || frame.height < 1 || qsizetype(pixels.size()) < stride * frame.height)
            return {};
        return QImage(pixels.data(), frame.width, frame.height, stride, QImage::Format_RGB888).copy();
    } catch (const std::exception&) {
        // Not a movie, or a damaged one.
        return {};
    }
}

} // namespace corvelle
