#include "platform/veilcast/OverlayPanel.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsOpacityEffect>
#include <QLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>

#include <algorithm>

namespace veilcast {

namespace {

constexpr qreal cornerRadius = 12.0;
const QColor panelColor(24, 24, 24, 200);

} // namespace

OverlayPanel::OverlayPanel(QWidget* window, int preferredWidth)
    : QWidget(window)
    , preferredWidth_(preferredWidth)
{
    Q_ASSERT(window);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);

    // Light text on the dark panel, whatever the desktop's palette.
    QPalette textPalette = palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        textPalette.setColor(role, Qt::white);
    setPalette(textPalette);

    hide();
    window->installEventFilter(this);
}

void OverlayPanel::present()
{
    stopFade();
    updatePlacement();
    show();
    raise();
}

void OverlayPanel::dismiss()
{
    if (isHidden() || isFading())
        return;
    if (!animationsEnabled()) {
        hide();
        return;
    }
    auto* effect = new QGraphicsOpacityEffect(this);
    setGraphicsEffect(effect);
    fade_ = new QPropertyAnimation(effect, "opacity", this);
    fade_->setDuration(int(fadeDuration.count()));
    fade_->setStartValue(1.0);
    fade_->setEndValue(0.0);
    // The spent effect stays until the next present(): removing it here would delete the
    // animation's target while the animation is still reporting its end.
    connect(fade_, &QPropertyAnimation::finished, this, &QWidget::hide);
    fade_->start(QAbstractAnimation::DeleteWhenStopped);
}

bool OverlayPanel::isFading() const
{
    return fade_ && fade_->state() == QAbstractAnimation::Running;
}

void OverlayPanel::stopFade()
{
    // Deleting a running animation stops it without emitting finished().
    delete fade_;
    setGraphicsEffect(nullptr);
}

void OverlayPanel::updatePlacement()
{
    const QWidget* window = parentWidget();
    const QRect area = window->rect().adjusted(margin, margin, -margin, -margin);
    const int width = std::max(0, std::min(preferredWidth_, area.width()));
    int height = sizeHint().height();
    if (layout() && layout()->hasHeightForWidth())
        height = layout()->totalHeightForWidth(width);
    height = std::max(0, std::min(height, area.height()));

    QRect frame(0, 0, width, height);
    frame.moveCenter(window->rect().center());
    setGeometry(frame);
}

bool OverlayPanel::animationsEnabled()
{
    return QApplication::isEffectEnabled(Qt::UI_General);
}

bool OverlayPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        updatePlacement();
    return QWidget::eventFilter(watched, event);
}

void OverlayPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), cornerRadius, cornerRadius);
    painter.fillPath(path, panelColor);
}

} // namespace veilcast
