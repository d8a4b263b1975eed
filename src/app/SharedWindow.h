#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace corvelle {

// One of the application's shared windows (the remote-profiles window, the preset manager, the
// keyword manager), made on first use by its controller and kept for the whole run. A window
// whose controller does not exist yet has no factory: its commands stay disabled.
class SharedWindow {
public:
    using Factory = std::function<QWidget*()>;

    explicit SharedWindow(Factory factory = {});

    bool isAvailable() const { return bool(factory_); }
    // Made on first use; null when the window is not available.
    QWidget* window();
    bool isVisible() const { return window_ && window_->isVisible(); }

private:
    Factory factory_;
    QPointer<QWidget> window_;
};

} // namespace corvelle
