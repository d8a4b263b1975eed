#include "filebrowser/GridSliderView.h"

#include <QHBoxLayout>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace corvelle {

GridSliderView::GridSliderView(QWidget* parent)
    : QWidget(parent)
    , slider_(new QSlider(Qt::Horizontal, this))
{
    slider_->setRange(0, resolution);
    slider_->setPageStep(int(zoomStep * resolution));
    slider_->setTracking(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->addWidget(slider_);
    setValue(value_);
    connect(slider_, &QSlider::sliderPressed, this, [this] {
        sliderDidTrack();
        Q_EMIT slideStarted();
    });
    connect(slider_, &QSlider::sliderMoved, this, [this] {
        sliderDidTrack();
        Q_EMIT slideContinued();
    });
    connect(slider_, &QSlider::sliderReleased, this, [this] {
        sliderDidTrack();
        Q_EMIT slideStopped();
    });
    // A click on the track, or a key, moves the slider without dragging it.
    connect(slider_, &QSlider::valueChanged, this, [this] {
        if (settingValue_ || slider_->isSliderDown())
            return;
        sliderDidTrack();
        Q_EMIT clicked();
    });
}

void GridSliderView::setValue(double value)
{
    value_ = std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 0.5;
    settingValue_ = true;
    slider_->setValue(int(std::lround(value_ * resolution)));
    settingValue_ = false;
}

void GridSliderView::zoomIn()
{
    step(zoomStep);
}

void GridSliderView::zoomOut()
{
    step(-zoomStep);
}

void GridSliderView::step(double by)
{
    const double stepped = std::clamp(value_ + by, 0.0, 1.0);
    if (std::abs(stepped - value_) < 1e-9)
        return;
    setValue(stepped);
    Q_EMIT clicked();
}

void GridSliderView::sliderDidTrack()
{
    const double tracked = std::clamp(double(slider_->sliderPosition()) / resolution, 0.0, 1.0);
    setValue(tracked);
}

} // namespace corvelle
