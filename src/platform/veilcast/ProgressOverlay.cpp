#include "platform/veilcast/ProgressOverlay.h"

#include "platform/veilcast/OverlayPanel.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace veilcast {

namespace {

constexpr int panelWidth = 360;

QLabel* makeLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

ProgressOverlay::ProgressOverlay(QObject* parent)
    : Overlay(panelWidth, parent)
{
}

QString ProgressOverlay::title() const
{
    return title_;
}

void ProgressOverlay::setTitle(const QString& title)
{
    title_ = title;
    updateContent();
}

QString ProgressOverlay::subtitle() const
{
    return subtitle_;
}

void ProgressOverlay::setSubtitle(const QString& subtitle)
{
    subtitle_ = subtitle;
    updateContent();
}

std::optional<double> ProgressOverlay::progress() const
{
    return progress_;
}

void ProgressOverlay::setProgress(std::optional<double> fraction)
{
    if (fraction && std::isnan(*fraction))
        fraction.reset();
    if (fraction)
        fraction = std::clamp(*fraction, 0.0, 1.0);
    progress_ = fraction;
    updateContent();
}

void ProgressOverlay::show(QWidget* window)
{
    presentOver(window);
}

void ProgressOverlay::hide()
{
    if (auto* shown = panel())
        shown->dismiss();
}

void ProgressOverlay::fillPanel(OverlayPanel& panel)
{
    auto* layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(10);

    titleLabel_ = makeLabel(&panel);
    QFont font = titleLabel_->font();
    font.setBold(true);
    titleLabel_->setFont(font);
    layout->addWidget(titleLabel_);

    subtitleLabel_ = makeLabel(&panel);
    layout->addWidget(subtitleLabel_);

    bar_ = new QProgressBar(&panel);
    bar_->setTextVisible(false);
    layout->addWidget(bar_);
}

void ProgressOverlay::updateContent()
{
    OverlayPanel* shown = panel();
    if (!shown)
        return;
    titleLabel_->setText(title_);
    titleLabel_->setVisible(!title_.isEmpty());
    subtitleLabel_->setText(subtitle_);
    subtitleLabel_->setVisible(!subtitle_.isEmpty());
    if (progress_) {
        bar_->setRange(0, barSteps);
        bar_->setValue(int(std::lround(*progress_ * barSteps)));
    } else {
        bar_->setRange(0, 0);
    }
    shown->updatePlacement();
}

} // namespace veilcast
