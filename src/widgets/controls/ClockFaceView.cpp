#include "widgets/controls/ClockFaceView.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace corvelle {

ClockFaceView::ClockFaceView(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void ClockFaceView::setTime(const QTime& time)
{
    if (!time.isValid() || time == time_)
        return;
    time_ = time;
    update();
}

void ClockFaceView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height()) - 4.0;
    if (side <= 0)
        return;
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(side / 200.0, side / 200.0);

    const QPalette& colors = palette();
    painter.setPen(QPen(colors.color(QPalette::Mid), 2));
    painter.setBrush(colors.color(QPalette::Base));
    painter.drawEllipse(QPointF(0, 0), 98, 98);
    painter.setPen(QPen(colors.color(QPalette::Text), 3));
    for (int hour = 0; hour < 12; ++hour) {
        painter.drawLine(QPointF(0, -88), QPointF(0, -96));
        painter.rotate(30.0);
    }

    const auto hand = [&painter](qreal degrees, qreal length, qreal width, const QColor& color) {
        painter.save();
        painter.rotate(degrees);
        painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(0, 8), QPointF(0, -length));
        painter.restore();
    };
    const qreal minutes = time_.minute() + time_.second() / 60.0;
    hand(30.0 * ((time_.hour() % 12) + minutes / 60.0), 50, 6, colors.color(QPalette::Text));
    hand(6.0 * minutes, 78, 4, colors.color(QPalette::Text));
    hand(6.0 * time_.second(), 84, 1.5, colors.color(QPalette::Highlight));
}

void ClockFaceView::mousePressEvent(QMouseEvent* event)
{
    // A press on the inner part of the face takes the short hand, further out the long one.
    const qreal side = std::min(width(), height()) - 4.0;
    const QPointF offset = event->position() - QPointF(width() / 2.0, height() / 2.0);
    const qreal distance = side > 0 ? std::hypot(offset.x(), offset.y()) * 200.0 / side : 0;
    movesHour_ = distance < hourHandReach;
    pointAt(event->position());
}

void ClockFaceView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        pointAt(event->position());
}

void ClockFaceView::pointAt(const QPointF& position)
{
    const QPointF offset = position - QPointF(width() / 2.0, height() / 2.0);
    if (offset.isNull())
        return;
    // Clockwise from twelve o'clock.
    qreal degrees = std::atan2(offset.x(), -offset.y()) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360.0;
    if (movesHour_) {
        // The half of the day stays: the face shows twelve hours.
        const int hour = int(std::lround(degrees / 30.0)) % 12 + (time_.hour() >= 12 ? 12 : 0);
        setEditedTime(QTime(hour, time_.minute(), time_.second()));
        return;
    }
    const int minute = int(std::lround(degrees / 6.0)) % 60;
    QTime time(time_.hour(), minute, time_.second());
    // Passing twelve o'clock moves the hour on or back.
    if (time_.minute() >= 45 && minute < 15)
        time = time.addSecs(3600);
    else if (time_.minute() < 15 && minute >= 45)
        time = time.addSecs(-3600);
    setEditedTime(time);
}

void ClockFaceView::setEditedTime(const QTime& time)
{
    if (time == time_)
        return;
    time_ = time;
    update();
    Q_EMIT timeEdited(time_);
}

} // namespace corvelle
