#pragma once

#include "platform/veilcast/Overlay.h"

#include <QIcon>
#include <QString>
#include <QTimer>

#include <chrono>

class QLabel;

namespace veilcast {

// A short notice over a window: an optional symbol image above a line of text, shown for the
// display duration and then faded out. Showing it again while it is up replaces the notice
// and starts the display duration anew, so the latest notice is the one seen.
class MessageOverlay : public Overlay {
    Q_OBJECT

public:
    explicit MessageOverlay(QObject* parent = nullptr);

    QIcon image() const;
    // A null icon shows the text alone.
    void setImage(const QIcon& image);

    QString text() const;
    void setText(const QString& text);

    std::chrono::milliseconds displayDuration() const;
    void setDisplayDuration(std::chrono::milliseconds duration);

    // Shows the notice centred over `window` (nothing without a window).
    void show(QWidget* window);

    static constexpr std::chrono::milliseconds defaultDisplayDuration{1500};
    static constexpr int imageSize = 48;

protected:
    void fillPanel(OverlayPanel& panel) override;
    void updateContent() override;

private:

    QIcon image_;
    QString text_;
    QTimer displayTimer_;
    QLabel* imageLabel_ = nullptr;
    QLabel* textLabel_ = nullptr;
};

} // namespace veilcast
