#pragma once

#include "filemodel/FilePreviewer.h"

#include <QImage>
#include <QWidget>

class QVideoFrame;
class QVideoSink;

namespace corvelle {

// The video surface of the Quick Look window; it keeps the player it shows alive. Frames are
// turned by the movie's orientation (the track's rotation) and fitted to the view, on black.
class QuickLookPlayerView : public QWidget {
    Q_OBJECT

public:
    explicit QuickLookPlayerView(QWidget* parent = nullptr);
    ~QuickLookPlayerView() override;

    const FilePreviewer::Player& player() const { return player_; }
    // The former player is paused and lets go of this view, and its last frame goes with it;
    // null shows nothing.
    void setPlayer(const FilePreviewer::Player& player);

    // The EXIF orientation number (1 to 8) the frames are turned by; 1 shows them as decoded.
    int orientation() const { return orientation_; }
    void setOrientation(int orientation);

    // The frame shown now, turned; null before the player's first frame.
    const QImage& frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void videoFrameChanged(const QVideoFrame& frame);
    void turnFrame();

    FilePreviewer::Player player_;
    QVideoSink* sink_;
    QImage decoded_;
    QImage frame_;
    int orientation_ = 1;
};

} // namespace corvelle
