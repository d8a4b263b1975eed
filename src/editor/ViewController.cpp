#include "editor/ViewController.h"

#include "editor/FormLoader.h"

#include <QVBoxLayout>

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

void ViewController::loadView()
{
    const QString form = nibName();
    if (form.isEmpty())
        return;
    QWidget* content = FormLoader::load(form, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(content);
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
