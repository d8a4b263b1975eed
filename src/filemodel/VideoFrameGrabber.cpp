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
    if (maximumPixelSize < 1 || !QFileInfo(path).isFile())
        return {};
    // Damaged and odd files are common in a folder of media; they give no frame, and the
    // decoder's complaints about them would only flood the log.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_FATAL); });
    try {
        ffmpegthumbnailer::VideoThumbnailer thumbnailer(maximumPixelSize, false, true, 8, false);
        thumbnailer.setLogCallback([](ThumbnailerLogLevel, const std::string&) {});
        std::vector<uint8_t> pixels;
        const ffmpegthumbnailer::VideoFrameInfo info =
            thumbnailer.generateThumbnail(QFile::encodeName(path).toStdString(), Rgb, pixels);
        const qsizetype stride = qsizetype(info.width) * 3;
        if (info.width < 1 || info.height < 1 || qsizetype(pixels.size()) < stride * info.height)
            return {};
        return QImage(pixels.data(), info.width, info.height, stride, QImage::Format_RGB888).copy();
    } catch (const std::exception&) {
        // Not a movie, or a damaged one.
        return {};
    }
}

} // namespace corvelle
