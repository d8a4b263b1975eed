#include "platform/veilcast/MessageOverlay.h"

#include "platform/veilcast/OverlayPanel.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace veilcast {

namespace {

constexpr int panelWidth = 240;

} // namespace

MessageOverlay::MessageOverlay(QObject* parent)
    : Overlay(panelWidth, parent)
{
    displayTimer_.setSingleShot(true);
    displayTimer_.setInterval(defaultDisplayDuration);
    connect(&displayTimer_, &QTimer::timeout, this, [this] {
        if (auto* shown = panel())
            shown->dismiss();
    });
}

QIcon MessageOverlay::image() const
{
    return image_;
}

void MessageOverlay::setImage(const QIcon& image)
{
    image_ = image;
    updateContent();
}

QString MessageOverlay::text() const
{
    return text_;
}

void MessageOverlay::setText(const QString& text)
{
    text_ = text;
    updateContent();
}

std::chrono::milliseconds MessageOverlay::displayDuration() const
{
    return displayTimer_.intervalAsDuration();
}

void MessageOverlay::setDisplayDuration(std::chrono::milliseconds duration)
{
    displayTimer_.setInterval(std::max(duration, std::chrono::milliseconds::zero()));
}

void MessageOverlay::show(QWidget* window)
{
    if (presentOver(window))
        displayTimer_.start();
}

void MessageOverlay::fillPanel(OverlayPanel& panel)
{
    auto* layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(16, 20, 16, 20);
    layout->setSpacing(12);

    imageLabel_ = new QLabel(&panel);
    imageLabel_->setAlignment(Qt::AlignCenter);
    layout->addWidget(imageLabel_);

    textLabel_ = new QLabel(&panel);
    textLabel_->setAlignment(Qt::AlignCenter);
    textLabel_->setWordWrap(true);
    textLabel_->setTextFormat(Qt::PlainText);
    QFont font = textLabel_->font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.2);
    textLabel_->setFont(font);
    layout->addWidget(textLabel_);
}

void MessageOverlay::updateContent()
{
    OverlayPanel* shown = panel();
    if (!shown)
        return;
    imageLabel_->setPixmap(image_.isNull()
            ? QPixmap()
            : image_.pixmap(QSize(imageSize, imageSize), shown->devicePixelRatio()));
    imageLabel_->setVisible(!image_.isNull());
    textLabel_->setText(text_);
    shown->updatePlacement();
}

} // namespace veilcast
