#pragma once

#include <QProgressBar>

namespace corvelle {

// A progress bar drawn plainly, without the percentage text, over any background.
class FixedProgressIndicator : public QProgressBar {
    Q_OBJECT
public:
    explicit FixedProgressIndicator(QWidget* parent = nullptr);
};

} // namespace corvelle
