#include "editor/ViewController.h"

#include "editor/FormLoader.h"

#include <QEvent>

namespace corvelle {

ViewController::ViewController(QObject* parent)
    : QObject(parent)
{
}

ViewController::~ViewController()
{
    delete view_;
}

QWidget* ViewController::view()
{
    if (!view_) {
        view_ = FormLoader::load(nibName());
        view_->installEventFilter(this);
        viewDidLoad();
    }
    return view_;
}

QString ViewController::nibName() const
{
    toOverride();
}

void ViewController::toOverride()
{
    qFatal("To override");
}

bool ViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::Show)
        viewDidAppear();
    return QObject::eventFilter(watched, event);
}

} // namespace corvelle
