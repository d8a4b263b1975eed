#pragma once

#include <QLabel>

namespace corvelle {

// A picture that belongs to the window's background: it takes no drops, and dragging on it
// moves the window.
class BackgroundImageView : public QLabel {
    Q_OBJECT
public:
    explicit BackgroundImageView(QWidget* parent = nullptr);
};

} // namespace corvelle
