#include "editor/ViewController.h"

namespace corvelle {

ViewController::ViewController(QWidget* parent)
    : QWidget(parent)
{
}

ViewController::~ViewController() = default;

QWidget* ViewController::view()
{
    if (!loaded_) {
        loaded_ = true;
        loadView();
        viewDidLoad();
    }
    return this;
}

void ViewController::toOverride()
{
    qFatal("To override");
}

void ViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    viewDidAppear();
}

} // namespace corvelle
