#pragma once

#include <QPushButton>

namespace corvelle {

// A button drawn only for its look: clicking it never emits clicked(), it takes no drops and
// no keyboard focus, and dragging on it moves the window.
class BackgroundButton : public QPushButton {
    Q_OBJECT
public:
    explicit BackgroundButton(QWidget* parent = nullptr);
};

} // namespace corvelle
