#include "filemodel/FileThumbnailer.h"

#include "filemodel/FileContentRoads.h"
#include "filemodel/FileIconProvider.h"

namespace corvelle {

namespace {

constexpr int picturePixels = int(FileThumbnailer::requestPointSize * FileThumbnailer::requestScale);
constexpr FileContentRoads::Sizes sizes{picturePixels, FileThumbnailer::thumbailerSize, picturePixels, false};

} // namespace

void FileThumbnailer::prepareIcons()
{
    FileIconProvider::prepare(sizes.iconPixels);
}

std::optional<FileThumbnailer::Content> FileThumbnailer::Content::image(const QImage& picture)
{
    if (picture.isNull())
        return std::nullopt;
    return Content(Kind::image, picture);
}

std::optional<FileThumbnailer::Content> FileThumbnailer::Content::icon(const QImage& picture)
{
    if (picture.isNull())
        return std::nullopt;
    return Content(Kind::icon, picture);
}

FileThumbnailer::Content FileThumbnailer::Content::oriented(int orientation) const
{
    return kind_ == Kind::image ? Content(kind_, FileContentRoads::oriented(picture_, orientation)) : *this;
}

FileThumbnailer::FileThumbnailer(MetadataFilePointer file) : file_(std::move(file)) {}

std::optional<FileThumbnailer::Content> FileThumbnailer::makeContent() const
{
    const std::optional<halvex::MediaKind> kind = FileContentRoads::mediaKind(*file_);
    if (!kind)
        return std::nullopt;
    std::optional<Content> content;
    switch (*kind) {
    case halvex::MediaKind::movie:
        content = Content::image(FileContentRoads::movieStill(*file_, sizes));
        break;
    case halvex::MediaKind::image:
    case halvex::MediaKind::sidecar:
        content = Content::image(FileContentRoads::stillPicture(*file_, sizes));
        break;
    case halvex::MediaKind::audio:
    case halvex::MediaKind::other:
        break;
    }
    return content ? content : Content::icon(FileContentRoads::icon(*file_, sizes));
}

std::optional<FileThumbnailer::Content> FileThumbnailer::fallbackContent() const
{
    return Content::icon(FileContentRoads::iconByName(*file_, sizes));
}

ThumbnailQueue& FileThumbnailer::operationQueue()
{
    return ThumbnailQueue::shared();
}

ThumbnailQueue::Ticket FileThumbnailer::makeContentAsync(
    QObject* context, std::function<void(const std::optional<Content>&)> done) const
{
    const FileThumbnailer thumbnailer = *this;
    return operationQueue().add(
        context, [thumbnailer] { return thumbnailer.makeContent(); },
        [thumbnailer] { return thumbnailer.fallbackContent(); },
        [done = std::move(done)](const std::optional<Content>& content) { done(content); });
}

} // namespace corvelle
