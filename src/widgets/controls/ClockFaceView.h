#pragma once

#include <QTime>
#include <QWidget>

namespace corvelle {

// A round clock face showing a time with hour, minute and second hands. A click or a drag on
// the face moves the minute hand to the pointer (the hour follows), as a graphical time picker.
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
    void pointAt(const QPointF& position);

    QTime time_ = QTime(0, 0);
};

} // namespace corvelle
