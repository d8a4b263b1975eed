#pragma once

#include "filemodel/MetadataFile.h"
#include "filemodel/ThumbnailQueue.h"

#include <QImage>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QMediaPlayer;

namespace corvelle {

// The large preview of one open file for the Quick Look window: a player for movie files, a
// player with a picture (the cover art, else the type's icon) for audio files, a large picture
// for pictures and sidecars (in the pixel orientation the file stores, as thumbnails come), and
// the icon otherwise. It has no queue of its own: the caller runs it
// off the main thread, on a ThumbnailQueue of its own so that it gets the icon in time.
class FilePreviewer {
public:
    // Players are QObjects of the main thread: deleted there, later, when the last copy goes.
    using Player = std::shared_ptr<QMediaPlayer>;

    class Content {
    public:
        // A sound is played without a video output: the picture stands for it. Cover art reaches
        // the media backend as a video stream of one still frame, which some backends cannot
        // decode without bringing the program down.
        enum class Kind { image, player, sound, icon };

        // None for a null picture or player.
        static std::optional<Content> image(const QImage& picture);
        static std::optional<Content> player(const Player& player);
        static std::optional<Content> sound(const Player& player, const QImage& picture);
        static std::optional<Content> icon(const QImage& picture);

        Kind kind() const { return kind_; }
        // The picture of an image, icon or sound; null for a player.
        const QImage& picture() const { return picture_; }
        // The player of a player or sound content; null for the others.
        const Player& player() const { return player_; }

        // An image turned by an EXIF orientation value (unchanged when the value is not one);
        // players, sounds and icons unchanged.
        Content oriented(int orientation) const;

    private:
        Content(Kind kind, const QImage& picture, const Player& player)
            : kind_(kind), picture_(picture), player_(player)
        {
        }

        Kind kind_;
        QImage picture_;
        Player player_;
    };

    static constexpr int pictureRequestPointSize = 10000;
    static constexpr int iconRequestPointSize = 1000;
    static constexpr qreal requestScale = 2.0;
    static constexpr int thumbailerSize = 10000;

    explicit FilePreviewer(MetadataFilePointer file);

    const MetadataFilePointer& file() const { return file_; }

    // Blocks until every road tried has answered. None when the engine knows no type for the
    // file, or when not even an icon can be drawn.
    std::optional<Content> makeContent() const;
    // The icon of the file's type judged by its name alone: what a request that runs out of
    // time gives.
    std::optional<Content> fallbackContent() const;
    // makeContent() on `queue`; `done` gets its answer, or fallbackContent() once the queue's
    // time limit has passed, on the main thread and only while `context` lives.
    ThumbnailQueue::Ticket makeContentAsync(ThumbnailQueue& queue, QObject* context,
                                            std::function<void(const std::optional<Content>&)> done) const;

    // A player for the file, not playing, made on the main thread, with an audio output when the
    // system has a sound device; null when the platform has no media player.
    static Player makePlayer(const QUrl& url);

private:
    MetadataFilePointer file_;
};

} // namespace corvelle
