#include "filebrowser/QuickLookPlayerView.h"

#include <QMediaPlayer>

namespace corvelle {

QuickLookPlayerView::QuickLookPlayerView(QWidget* parent)
    : QVideoWidget(parent)
{
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
    if (player_)
        player_->setVideoOutput(this);
}

} // namespace corvelle
