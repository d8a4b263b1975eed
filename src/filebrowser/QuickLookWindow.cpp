#include "filebrowser/QuickLookWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainterPath>
#include <QRegion>
#include <QVBoxLayout>

namespace corvelle {

namespace {

constexpr qreal cornerRadius = 8.0;

} // namespace

QuickLookWindow::QuickLookWindow(QWidget* content, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("QuickLookPanel"));
    setWindowTitle(content->windowTitle());
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    resize(content->size().expandedTo(content->minimumSizeHint()));
}

void QuickLookWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space) {
        event->accept();
        Q_EMIT spaceKeyPressed();
        return;
    }
    event->ignore();
    Q_EMIT keyPressed(event);
    if (!event->isAccepted())
        QWidget::keyPressEvent(event);
}

void QuickLookWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        Q_EMIT didResignKey();
}

void QuickLookWindow::closeEvent(QCloseEvent* event)
{
    Q_EMIT willClose();
    QWidget::closeEvent(event);
}

void QuickLookWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    setFocus(Qt::ActiveWindowFocusReason);
}

void QuickLookWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QWidget::mousePressEvent(event);
}

void QuickLookWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - dragOffset_);
    QWidget::mouseMoveEvent(event);
}

void QuickLookWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    QPainterPath outline;
    outline.addRoundedRect(rect(), cornerRadius, cornerRadius);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

} // namespace corvelle
