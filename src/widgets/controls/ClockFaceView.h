#pragma once

#include <QTime>
#include <QWidget>

namespace corvelle {

// A round clock face showing a time with hour, minute and second hands, as a graphical time
// picker. A click or a drag near the centre moves the hour hand to the pointer (the half of the
// day stays); further out it moves the minute hand (passing twelve moves the hour on or back).
class ClockFaceView : public QWidget {
    Q_OBJECT

public:
    explicit ClockFaceView(QWidget* parent = nullptr);

    QTime time() const { return time_; }
    void setTime(const QTime& time);

    QSize sizeHint() const override { return QSize(140, 140); }

Q_SIGNALS:
    // The user moved a hand.
    void timeEdited(const QTime& time);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // How far from the centre, on the face's 200-wide scale, a press still takes the hour hand.
    static constexpr qreal hourHandReach = 55;

    void pointAt(const QPointF& position);
    void setEditedTime(const QTime& time);

    QTime time_ = QTime(0, 0);
    bool movesHour_ = false;
};

} // namespace corvelle
