#pragma once

#include <QPointer>
#include <QWidget>

#include <chrono>

class QPropertyAnimation;

namespace veilcast {

// The translucent rounded panel of an overlay: a child of the window it covers, centred on
// it and kept there when the window is resized. It lets mouse events through to the window,
// and dies with the window.
class OverlayPanel : public QWidget {
    Q_OBJECT

public:
    // `preferredWidth` is the panel's width while the window leaves room for it.
    OverlayPanel(QWidget* window, int preferredWidth);

    // Shows the panel at full opacity above the window's other children, stopping a fade.
    void present();
    // Hides the panel, fading it out when the desktop animates its interface.
    void dismiss();
    // Sizes the panel to its content and centres it on the window.
    void updatePlacement();

    bool isFading() const;

    // Whether the desktop wants interface animations (off on the offscreen platform).
    static bool animationsEnabled();

    static constexpr int margin = 20;
    static constexpr std::chrono::milliseconds fadeDuration{250};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void stopFade();

    int preferredWidth_;
    QPointer<QPropertyAnimation> fade_;
};

} // namespace veilcast
