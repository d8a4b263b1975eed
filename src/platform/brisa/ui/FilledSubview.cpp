#include "platform/brisa/ui/FilledSubview.h"

#include <QEvent>
#include <QGridLayout>
#include <QWidget>

namespace brisa {

namespace {

const char* const gridName = "brisaFilledSubviewGrid";

QGridLayout* ownGrid(QWidget* container)
{
    QLayout* layout = container->layout();
    if (!layout) {
        auto* grid = new QGridLayout(container);
        grid->setObjectName(QLatin1String(gridName));
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setSpacing(0);
        return grid;
    }
    if (layout->objectName() == QLatin1String(gridName))
        return static_cast<QGridLayout*>(layout);
    return nullptr;
}

} // namespace

FilledSubview::FilledSubview(QWidget* container)
    : QObject(container)
    , container_(container)
{
    container->installEventFilter(this);
}

void FilledSubview::setFilledSubview(QWidget* container, QWidget* view)
{
    if (!container || !view)
        return;
    takeOutSubviews(container, view);
    addFilledSubview(container, view);
}

void FilledSubview::addFilledSubview(QWidget* container, QWidget* view)
{
    if (!container || !view || view == container)
        return;
    if (QGridLayout* grid = ownGrid(container)) {
        if (grid->indexOf(view) < 0)
            grid->addWidget(view, 0, 0);
    } else {
        if (view->parentWidget() != container)
            view->setParent(container);
        FilledSubview* overlay = overlayOf(container);
        if (!overlay->views_.contains(view))
            overlay->views_.append(view);
        overlay->fit();
    }
    view->raise();
    view->show();
}

void FilledSubview::removeAllSubviews(QWidget* container)
{
    if (container)
        takeOutSubviews(container, nullptr);
}

void FilledSubview::takeOutSubviews(QWidget* container, const QWidget* kept)
{
    const QList<QWidget*> children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child == kept || child->isWindow())
            continue;
        if (QLayout* layout = container->layout())
            layout->removeWidget(child);
        child->hide();
        child->setParent(nullptr);
    }
}

bool FilledSubview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == container_ && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

FilledSubview* FilledSubview::overlayOf(QWidget* container)
{
    if (auto* overlay = container->findChild<FilledSubview*>(QString(), Qt::FindDirectChildrenOnly))
        return overlay;
    return new FilledSubview(container);
}

void FilledSubview::fit()
{
    views_.removeAll(nullptr);
    for (const QPointer<QWidget>& view : std::as_const(views_)) {
        if (view->parentWidget() == container_)
            view->setGeometry(container_->rect());
    }
}

} // namespace brisa
