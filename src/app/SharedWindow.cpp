#include "app/SharedWindow.h"

namespace corvelle {

SharedWindow::SharedWindow(Factory factory) : factory_(std::move(factory))
{
}

QWidget* SharedWindow::window()
{
    if (!window_ && factory_)
        window_ = factory_();
    return window_;
}

} // namespace corvelle
