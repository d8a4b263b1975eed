#pragma once

#include "filemodel/MetadataFile.h"
#include "filemodel/ThumbnailQueue.h"

#include <QImage>
#include <QObject>

#include <functional>
#include <optional>

namespace corvelle {

// The small picture of one open file for the file table and grid. Movies give a still, pictures
// and sidecars a picture of their content; audio files and everything else an icon (an audio
// file's cover art when it has one). Pictures come in the pixel orientation the file stores:
// the view turns them by the editor's current orientation with Content::oriented().
class FileThumbnailer {
public:
    class Content {
    public:
        enum class Kind { image, icon };

        // None for a null picture.
        static std::optional<Content> image(const QImage& picture);
        static std::optional<Content> icon(const QImage& picture);

        Kind kind() const { return kind_; }
        const QImage& picture() const { return picture_; }

        // An image turned by an EXIF orientation value (unchanged when the value is not one);
        // an icon unchanged.
        Content oriented(int orientation) const;

    private:
        Content(Kind kind, const QImage& picture) : kind_(kind), picture_(picture) {}

        Kind kind_;
        QImage picture_;
    };

    static constexpr int requestPointSize = 400;
    static constexpr qreal requestScale = 2.0;
    static constexpr int thumbailerSize = 400;

    explicit FileThumbnailer(MetadataFilePointer file);

    const MetadataFilePointer& file() const { return file_; }

    // Blocks until every road tried has answered: run it on operationQueue(). None when the
    // engine knows no type for the file, or when not even an icon can be drawn.
    std::optional<Content> makeContent() const;
    // The icon of the file's type judged by its name alone: what a request that runs out of
    // time gives.
    std::optional<Content> fallbackContent() const;

    // The shared queue of thumbnails: at most 8 at once, each within the queue's time limit.
    static ThumbnailQueue& operationQueue();

    // Draws ahead the icons that thumbnails of the common media types fall back to.
    static void prepareIcons();
    // makeContent() on operationQueue(); `done` gets its answer, or fallbackContent() once the
    // time limit has passed, on the main thread and only while `context` lives.
    ThumbnailQueue::Ticket makeContentAsync(QObject* context,
                                            std::function<void(const std::optional<Content>&)> done) const;

private:
    MetadataFilePointer file_;
};

} // namespace corvelle
