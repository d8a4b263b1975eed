#include "engine/kelvane/LibRawUtility.h"

#include <libraw/libraw.h>

#include <algorithm>
#include <memory>

namespace kelvane {

namespace {

// LibRaw reports damaged data on stderr by default; a damaged file simply gives no preview.
void ignoreDataError(void*, const char*, const int) {}

// dcraw's flip (bit 0 mirror left-right, bit 1 mirror top-bottom, bit 2 swap axes) as EXIF.
int exifOrientation(int flip)
{
    static constexpr int orientations[8] = {1, 2, 4, 3, 5, 8, 6, 7};
    return flip >= 0 && flip < 8 ? orientations[flip] : 1;
}

struct ProcessedImageDeleter {
    void operator()(libraw_processed_image_t* image) const { LibRaw::dcraw_clear_mem(image); }
};
using ProcessedImage = std::unique_ptr<libraw_processed_image_t, ProcessedImageDeleter>;

std::optional<RawPreview> previewFromImage(const libraw_processed_image_t* image, int orientation)
{
    if (!image)
        return std::nullopt;
    RawPreview preview;
    preview.orientation = orientation;
    if (image->type == LIBRAW_IMAGE_JPEG) {
        preview.format = RawPreview::Format::encoded;
        preview.data = QByteArray(reinterpret_cast<const char*>(image->data), qsizetype(image->data_size));
    } else if (image->type == LIBRAW_IMAGE_BITMAP && image->bits == 8 && (image->colors == 3 || image->colors == 1)) {
        preview.format = RawPreview::Format::rgb8;
        preview.width = image->width;
        preview.height = image->height;
        preview.stride = image->width * 3;
        const qsizetype pixels = qsizetype(image->width) * image->height;
        if (qsizetype(image->data_size) < pixels * image->colors)
            return std::nullopt;
        if (image->colors == 3) {
            preview.data = QByteArray(reinterpret_cast<const char*>(image->data), pixels * 3);
        } else {
            preview.data.resize(pixels * 3);
            char* out = preview.data.data();
            for (qsizetype i = 0; i < pixels; ++i)
                out[3 * i] = out[3 * i + 1] = out[3 * i + 2] = char(image->data[i]);
        }
    } else {
        return std::nullopt;
    }
    if (!preview.isValid())
        return std::nullopt;
    return preview;
}

class Decoder {
public:
    bool open(const QByteArray& data)
    {
        if (data.isEmpty())
            return false;
        raw_ = std::make_unique<LibRaw>();
        raw_->set_dataerror_handler(ignoreDataError, nullptr);
        // LibRaw only reads the buffer, but its interface takes a non-const pointer.
        return raw_->open_buffer(const_cast<char*>(data.constData()), size_t(data.size())) == LIBRAW_SUCCESS;
    }

    std::optional<RawPreview> embeddedPreview()
    {
        if (raw_->unpack_thumb() != LIBRAW_SUCCESS)
            return std::nullopt;
        int error = 0;
        const ProcessedImage image(raw_->dcraw_make_mem_thumb(&error));
        std::optional<RawPreview> preview = previewFromImage(image.get(), exifOrientation(raw_->imgdata.sizes.flip));
        if (preview && preview->format == RawPreview::Format::encoded) {
            preview->width = raw_->imgdata.thumbnail.twidth;
            preview->height = raw_->imgdata.thumbnail.theight;
        }
        return preview;
    }

    // The sensor data at half size, turned upright by LibRaw itself.
    std::optional<RawPreview> halfSizeDemosaic()
    {
        raw_->imgdata.params.half_size = 1;
        raw_->imgdata.params.use_camera_wb = 1;
        raw_->imgdata.params.output_bps = 8;
        if (raw_->unpack() != LIBRAW_SUCCESS || raw_->dcraw_process() != LIBRAW_SUCCESS)
            return std::nullopt;
        int error = 0;
        const ProcessedImage image(raw_->dcraw_make_mem_image(&error));
        return previewFromImage(image.get(), 1);
    }

    // The longer side of a half-size demosaic.
    int halfSizeLongerSide() const
    {
        return std::max(raw_->imgdata.sizes.width, raw_->imgdata.sizes.height) / 2;
    }

private:
    std::unique_ptr<LibRaw> raw_;
};

} // namespace

std::optional<RawPreview> LibRawUtility::preview4FromData(const QByteArray& data)
{
    Decoder decoder;
    if (!decoder.open(data))
        return std::nullopt;
    if (std::optional<RawPreview> preview = decoder.embeddedPreview())
        return preview;
    return decoder.halfSizeDemosaic();
}

std::optional<RawPreview> LibRawUtility::preview2FromData(const QByteArray& data)
{
    Decoder decoder;
    if (!decoder.open(data))
        return std::nullopt;
    std::optional<RawPreview> embedded = decoder.embeddedPreview();
    if (embedded && std::max(embedded->width, embedded->height) >= decoder.halfSizeLongerSide())
        return embedded;
    if (std::optional<RawPreview> demosaiced = decoder.halfSizeDemosaic())
        return demosaiced;
    return embedded;
}

} // namespace kelvane
