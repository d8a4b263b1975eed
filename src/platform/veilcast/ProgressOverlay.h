#pragma once

#include "platform/veilcast/Overlay.h"

#include <QString>

#include <optional>

class QLabel;
class QProgressBar;

namespace veilcast {

// A progress panel over a window while work runs: a title, a subtitle and a bar, all
// updated by the caller while the panel is up, until the caller hides it.
class ProgressOverlay : public Overlay {
    Q_OBJECT

public:
    explicit ProgressOverlay(QObject* parent = nullptr);

    QString title() const;
    void setTitle(const QString& title);

    QString subtitle() const;
    void setSubtitle(const QString& subtitle);

    // The fraction done, from 0 to 1; none (the default) shows a busy bar. Values outside
    // the range are clamped; a value that is not a number counts as none.
    std::optional<double> progress() const;
    void setProgress(std::optional<double> fraction);

    // Shows the panel centred over `window` (nothing without a window).
    void show(QWidget* window);
    void hide();

    // Steps of the bar when the progress is known.
    static constexpr int barSteps = 1000;

protected:
    void fillPanel(OverlayPanel& panel) override;
    void updateContent() override;

private:

    QString title_;
    QString subtitle_;
    std::optional<double> progress_;
    QLabel* titleLabel_ = nullptr;
    QLabel* subtitleLabel_ = nullptr;
    QProgressBar* bar_ = nullptr;
};

} // namespace veilcast
