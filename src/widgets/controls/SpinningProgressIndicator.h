#pragma once

#include <QTimer>
#include <QWidget>

namespace corvelle {

// A small indeterminate busy indicator: a ring of ticks that turns while it animates and is
// shown. It lets mouse clicks through to the control it sits in.
class SpinningProgressIndicator : public QWidget {
    Q_OBJECT

public:
    explicit SpinningProgressIndicator(QWidget* parent = nullptr);

    bool isAnimating() const { return animating_; }
    void startAnimation();
    void stopAnimation();

    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void followVisibility();

    QTimer timer_;
    int step_ = 0;
    bool animating_ = false;
};

} // namespace corvelle
