#pragma once

#include "filemodel/FilePreviewer.h"

#include <QVideoWidget>

namespace corvelle {

// The video surface of the Quick Look window; it keeps the player it shows alive.
class QuickLookPlayerView : public QVideoWidget {
    Q_OBJECT

public:
    explicit QuickLookPlayerView(QWidget* parent = nullptr);

    const FilePreviewer::Player& player() const { return player_; }
    // The former player is paused and lets go of this view; null shows nothing.
    void setPlayer(const FilePreviewer::Player& player);

private:
    FilePreviewer::Player player_;
};

} // namespace corvelle
