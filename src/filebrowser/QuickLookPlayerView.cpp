#include "filebrowser/QuickLookPlayerView.h"

#include "platform/brisa/ui/ImageOrientation.h"

#include <QMediaPlayer>
#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>

namespace corvelle {

QuickLookPlayerView::QuickLookPlayerView(QWidget* parent)
    : QWidget(parent)
    , sink_(new QVideoSink(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(sink_, &QVideoSink::videoFrameChanged, this, &QuickLookPlayerView::videoFrameChanged);
}

QuickLookPlayerView::~QuickLookPlayerView()
{
    setPlayer(nullptr);
}

void QuickLookPlayerView::setPlayer(const FilePreviewer::Player& player)
{
    if (player == player_)
        return;
    if (player_) {
        player_->pause();
        player_->setVideoOutput(nullptr);
    }
    player_ = player;
    decoded_ = QImage();
    frame_ = QImage();
    if (player_)
        player_->setVideoOutput(sink_);
    update();
}

void QuickLookPlayerView::setOrientation(int orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    turnFrame();
}

void QuickLookPlayerView::videoFrameChanged(const QVideoFrame& frame)
{
    if (!player_)
        return;
    decoded_ = frame.isValid() ? frame.toImage() : QImage();
    turnFrame();
}

void QuickLookPlayerView::turnFrame()
{
    frame_ = decoded_.isNull() ? QImage() : brisa::ImageOrientation::oriented(decoded_, orientation_).value_or(decoded_);
    update();
}

void QuickLookPlayerView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (frame_.isNull())
        return;
    QSize fitted = frame_.size();
    fitted.scale(size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), fitted);
    target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame_);
}

} // namespace corvelle
