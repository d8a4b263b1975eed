#include "editor/PopoverController.h"

#include <QFrame>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace corvelle {

QPointer<PopoverController> PopoverController::shownPopover_;

namespace {

// Between the anchor and the popover.
constexpr int gap = 4;

QRect globalRect(const QWidget& widget)
{
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

} // namespace

PopoverController::PopoverController(QWidget* parent)
    : ViewController(parent)
{
}

PopoverController::~PopoverController()
{
    // The frame holds this view: it leaves the frame before the frame goes.
    if (popover_) {
        setParent(nullptr);
        delete popover_;
    }
}

QFrame* PopoverController::popover()
{
    if (!popover_) {
        QWidget* content = view();
        popover_ = new QFrame(nullptr, Qt::Popup);
        popover_->setFrameShape(QFrame::StyledPanel);
        auto* layout = new QVBoxLayout(popover_);
        layout->setContentsMargins(0, 0, 0, 0);
        // The frame follows the content's size, as it grows or shrinks.
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->addWidget(content);
        popover_->installEventFilter(this);
    }
    return popover_;
}

bool PopoverController::isShown() const
{
    return popover_ && popover_->isVisible();
}

QWidget* PopoverController::anchor() const
{
    return isShown() ? anchor_.data() : nullptr;
}

void PopoverController::show(QWidget* view, Edge edge)
{
    if (!view)
        return;
    if (shownPopover_ && shownPopover_ != this)
        shownPopover_->close();
    anchor_ = view;
    edge_ = edge;
    QFrame* frame = popover();
    frame->adjustSize();
    place();
    shownPopover_ = this;
    frame->show();
}

void PopoverController::close()
{
    if (isShown())
        popover_->close();
}

void PopoverController::toggle(QWidget* view, Edge edge)
{
    if (isShown())
        close();
    else
        show(view, edge);
}

void PopoverController::reloadAndShow(QWidget* view, Edge edge, const std::function<void()>& reload)
{
    if (isShown() || closing_) {
        QPointer<QWidget> target = view;
        afterCloseToggleReloadBlock_ = [this, target, edge, reload] {
            if (reload)
                reload();
            show(target, edge);
        };
        close();
        return;
    }
    if (reload)
        reload();
    show(view, edge);
}

void PopoverController::popoverDidClose()
{
    closing_ = false;
    const std::function<void()> block = std::move(afterCloseToggleReloadBlock_);
    afterCloseToggleReloadBlock_ = nullptr;
    if (block)
        block();
}

bool PopoverController::eventFilter(QObject* watched, QEvent* event)
{
    if (popover_ && watched == popover_) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            // A click on the anchor closes the popover and goes no further, so that the
            // anchor's own toggle does not open it again at once.
            const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            if (!popover_->rect().contains(popover_->mapFromGlobal(global)) && anchor_
                && globalRect(*anchor_).contains(global))
                popover_->setAttribute(Qt::WA_NoMouseReplay);
            break;
        }
        case QEvent::Resize:
            if (popover_->isVisible())
                place();
            break;
        case QEvent::Show:
            // The size the frame shows with is only known now: placed at its old size, a popover
            // that grew meanwhile could hang off the screen.
            place();
            break;
        case QEvent::Hide:
            if (!event->spontaneous()) {
                closing_ = true;
                QMetaObject::invokeMethod(this, &PopoverController::popoverDidClose, Qt::QueuedConnection);
            }
            break;
        default:
            break;
        }
    }
    return ViewController::eventFilter(watched, event);
}

void PopoverController::place()
{
    if (!popover_ || !anchor_)
        return;
    const QRect target = globalRect(*anchor_);
    const QSize size = popover_->size();
    QPoint origin;
    switch (edge_) {
    case Edge::bottom:
        origin = QPoint(target.center().x() - size.width() / 2, target.bottom() + 1 + gap);
        break;
    case Edge::top:
        origin = QPoint(target.center().x() - size.width() / 2, target.top() - gap - size.height());
        break;
    case Edge::left:
        origin = QPoint(target.left() - gap - size.width(), target.center().y() - size.height() / 2);
        break;
    case Edge::right:
        origin = QPoint(target.right() + 1 + gap, target.center().y() - size.height() / 2);
        break;
    }
    if (const QScreen* screen = anchor_->screen()) {
        const QRect available = screen->availableGeometry();
        origin.setX(std::clamp(origin.x(), available.left(), std::max(available.left(), available.right() + 1 - size.width())));
        origin.setY(std::clamp(origin.y(), available.top(), std::max(available.top(), available.bottom() + 1 - size.height())));
    }
    popover_->move(origin);
}

} // namespace corvelle
