#pragma once

#include <QWidget>

class QSlider;

namespace corvelle {

// The zoom control of the file grid: a small slider over 0 to 1 that reports a press, each step
// of a drag and the release, and steps of 0.2 from zoomIn() and zoomOut(), which report as a
// click. A click on the track also reports as a click.
class GridSliderView : public QWidget {
    Q_OBJECT

public:
    static constexpr double zoomStep = 0.2;

    explicit GridSliderView(QWidget* parent = nullptr);

    // 0.5 until the owner sets another.
    double value() const { return value_; }
    // Clamped to 0..1; reports nothing.
    void setValue(double value);
    QSlider* slider() const { return slider_; }

    void zoomIn();
    void zoomOut();

    QSize sizeHint() const override { return {60, 24}; }

Q_SIGNALS:
    void clicked();
    void slideStarted();
    void slideContinued();
    void slideStopped();

private:
    static constexpr int resolution = 1000;
    void step(double by);
    // The slider's value read back into value().
    void sliderDidTrack();

    QSlider* slider_;
    double value_ = 0.5;
    bool settingValue_ = false;
};

} // namespace corvelle
