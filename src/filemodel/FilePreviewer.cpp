#include "filemodel/FilePreviewer.h"

#include "filemodel/FileContentRoads.h"
#include "platform/brisa/core/SafeSyncInMain.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>

namespace corvelle {

namespace {

constexpr FileContentRoads::Sizes sizes{int(FilePreviewer::pictureRequestPointSize * FilePreviewer::requestScale),
                                        FilePreviewer::thumbailerSize,
                                        int(FilePreviewer::iconRequestPointSize * FilePreviewer::requestScale), true};

} // namespace

std::optional<FilePreviewer::Content> FilePreviewer::Content::image(const QImage& picture)
{
    if (picture.isNull())
        return std::nullopt;
    return Content(Kind::image, picture, nullptr);
}

std::optional<FilePreviewer::Content> FilePreviewer::Content::player(const Player& player)
{
    if (!player)
        return std::nullopt;
    return Content(Kind::player, QImage(), player);
}

std::optional<FilePreviewer::Content> FilePreviewer::Content::sound(const Player& player, const QImage& picture)
{
    if (!player)
        return std::nullopt;
    return Content(Kind::sound, picture, player);
}

std::optional<FilePreviewer::Content> FilePreviewer::Content::icon(const QImage& picture)
{
    if (picture.isNull())
        return std::nullopt;
    return Content(Kind::icon, picture, nullptr);
}

FilePreviewer::Content FilePreviewer::Content::oriented(int orientation) const
{
    return kind_ == Kind::image ? Content(kind_, FileContentRoads::oriented(picture_, orientation), nullptr) : *this;
}

FilePreviewer::FilePreviewer(MetadataFilePointer file) : file_(std::move(file)) {}

std::optional<FilePreviewer::Content> FilePreviewer::makeContent() const
{
    const std::optional<halvex::MediaKind> kind = FileContentRoads::mediaKind(*file_);
    if (!kind)
        return std::nullopt;
    std::optional<Content> content;
    switch (*kind) {
    case halvex::MediaKind::audio:
        // The cover art when the file holds one.
        content = Content::sound(makePlayer(file_->url()), FileContentRoads::icon(*file_, sizes));
        break;
    case halvex::MediaKind::movie:
        content = Content::player(makePlayer(file_->url()));
        break;
    case halvex::MediaKind::image:
    case halvex::MediaKind::sidecar:
        content = Content::image(FileContentRoads::stillPicture(*file_, sizes));
        break;
    case halvex::MediaKind::other:
        break;
    }
    return content ? content : Content::icon(FileContentRoads::icon(*file_, sizes));
}

std::optional<FilePreviewer::Content> FilePreviewer::fallbackContent() const
{
    return Content::icon(FileContentRoads::iconByName(*file_, sizes));
}

ThumbnailQueue::Ticket FilePreviewer::makeContentAsync(ThumbnailQueue& queue, QObject* context,
                                                       std::function<void(const std::optional<Content>&)> done) const
{
    const FilePreviewer previewer = *this;
    return queue.add(
        context, [previewer] { return previewer.makeContent(); },
        [previewer] { return previewer.fallbackContent(); },
        [done = std::move(done)](const std::optional<Content>& content) { done(content); });
}

FilePreviewer::Player FilePreviewer::makePlayer(const QUrl& url)
{
    return brisa::safeSyncInMain([&url]() -> Player {
        if (!QCoreApplication::instance())
            return nullptr;
        Player player(new QMediaPlayer(), [](QMediaPlayer* made) { made->deleteLater(); });
        if (!player->isAvailable())
            return nullptr;
        // Without a sound device the media backend's audio sink has nothing to write to and
        // brings the program down once playback starts: the movie plays silent instead.
        if (!QMediaDevices::defaultAudioOutput().isNull())
            player->setAudioOutput(new QAudioOutput(player.get()));
        player->setSource(url);
        return player;
    });
}

} // namespace corvelle
