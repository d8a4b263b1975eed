#include "widgets/controls/SpinningProgressIndicator.h"

#include <QPainter>

namespace corvelle {

namespace {

constexpr int tickCount = 12;

} // namespace

SpinningProgressIndicator::SpinningProgressIndicator(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(sizeHint());
    timer_.setInterval(80);
    connect(&timer_, &QTimer::timeout, this, [this] {
        step_ = (step_ + 1) % tickCount;
        update();
    });
}

void SpinningProgressIndicator::startAnimation()
{
    animating_ = true;
    followVisibility();
}

void SpinningProgressIndicator::stopAnimation()
{
    animating_ = false;
    followVisibility();
}

// The timer runs only while someone can see it turn.
void SpinningProgressIndicator::followVisibility()
{
    if (animating_ && isVisible())
        timer_.start();
    else
        timer_.stop();
    update();
}

void SpinningProgressIndicator::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    followVisibility();
}

void SpinningProgressIndicator::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    followVisibility();
}

void SpinningProgressIndicator::paintEvent(QPaintEvent*)
{
    if (!animating_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    QColor colour = palette().color(QPalette::WindowText);
    QPen pen(colour, qMax<qreal>(1.5, side / 10.0), Qt::SolidLine, Qt::RoundCap);
    for (int tick = 0; tick < tickCount; ++tick) {
        // The newest tick is the darkest; the others fade behind it.
        const int age = (step_ - tick + tickCount) % tickCount;
        colour.setAlphaF(1.0 - qreal(age) / tickCount * 0.85);
        pen.setColor(colour);
        painter.setPen(pen);
        painter.save();
        painter.rotate(tick * 360.0 / tickCount);
        painter.drawLine(QPointF(0, -side * 0.25), QPointF(0, -side * 0.45));
        painter.restore();
    }
}

} // namespace corvelle
