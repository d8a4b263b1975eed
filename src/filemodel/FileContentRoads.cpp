#include "filemodel/FileContentRoads.h"

#include "engine/halvex/tags/MediaType.h"
#include "filemodel/EmbeddedPictureReader.h"
#include "filemodel/FileIconProvider.h"
#include "filemodel/RawPreviewImage.h"
#include "filemodel/VideoFrameGrabber.h"
#include "platform/brisa/ui/ImageOrientation.h"
#include "platform/brisa/ui/ImageThumbailer.h"

namespace corvelle {

namespace {

QString pathOf(const MetadataFile& file)
{
    return file.url().toLocalFile();
}

// An upright picture back to the pixels as the file stores them; null when that fails.
QImage asStored(const QImage& upright, const MetadataFile& file)
{
    if (upright.isNull())
        return {};
    return brisa::ImageOrientation::unoriented(upright, FileContentRoads::storedOrientation(*file.editor()))
        .value_or(QImage());
}

} // namespace

std::optional<halvex::MediaKind> FileContentRoads::mediaKind(const MetadataFile& file)
{
    const std::optional<halvex::MediaType> type = halvex::MediaType::type(file.url());
    if (!type)
        return std::nullopt;
    return type->kind();
}

int FileContentRoads::storedOrientation(const halvex::TagEditor& editor)
{
    return editor.prefersQuicktime() ? editor.originalQuicktimeOrientationValue()
                                     : editor.originalExifOrientationValue();
}

QImage FileContentRoads::movieStill(const MetadataFile& file, const Sizes& sizes)
{
    return asStored(VideoFrameGrabber::frame(pathOf(file), sizes.picturePixels), file);
}

QImage FileContentRoads::stillPicture(const MetadataFile& file, const Sizes& sizes)
{
    const QString path = pathOf(file);
    // Image readers and embedded previews give the pixels as stored.
    QImage picture = brisa::ImageThumbailer(sizes.thumbailerPixels, false, true).thumbnail(path);
    if (picture.isNull()) {
        const QStringList& tags = sizes.large ? EmbeddedPictureReader::previewTagNames()
                                                        : EmbeddedPictureReader::thumbnailTagNames();
        picture = EmbeddedPictureReader().picture(path, tags, sizes.picturePixels);
    }
    if (picture.isNull()) {
        picture = asStored(sizes.large ? RawPreviewImage::preview2(path, sizes.picturePixels)
                                                 : RawPreviewImage::preview4(path, sizes.picturePixels),
                           file);
    }
    return picture;
}

QImage FileContentRoads::icon(const MetadataFile& file, const Sizes& sizes)
{
    const QString path = pathOf(file);
    const std::optional<halvex::MediaType> type = halvex::MediaType::type(file.url());
    if (type && type->kind() == halvex::MediaKind::audio) {
        const QImage cover = EmbeddedPictureReader().picture(path, EmbeddedPictureReader::coverArtTagNames(),
                                                             sizes.iconPixels);
        if (!cover.isNull())
            return cover;
    }
    return FileIconProvider::icon(path, sizes.iconPixels, type && type->isFolder());
}

QImage FileContentRoads::oriented(const QImage& picture, int orientation)
{
    return brisa::ImageOrientation::oriented(picture, orientation).value_or(picture);
}

QImage FileContentRoads::iconByName(const MetadataFile& file, const Sizes& sizes)
{
    return FileIconProvider::icon(pathOf(file), sizes.iconPixels, file.editor()->isFolder());
}

} // namespace corvelle
