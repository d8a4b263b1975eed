#include "editor/FileButtonTableCellView.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace corvelle {

namespace {

constexpr int buttonPadding = 3;

} // namespace

FileTableCellType FileButtonTableCellView::cellType()
{
    return typeOf<FileButtonTableCellView>(QStringLiteral("FileButtonTableCellView"), [] {
        return FileTableColumn{.identifier = QStringLiteral("FileButtonTableColumn")};
    });
}

QIcon FileButtonTableCellView::buttonIcon(const QModelIndex&) const
{
    return {};
}

bool FileButtonTableCellView::isButtonEnabled(const QModelIndex&) const
{
    return true;
}

QString FileButtonTableCellView::buttonToolTip(const QModelIndex&) const
{
    return {};
}

QRect FileButtonTableCellView::buttonRect(const QRect& cellRect)
{
    const QRect area = contentRect(cellRect);
    const int side = symbolSize + 2 * buttonPadding;
    return {area.left(), area.center().y() - side / 2, side, side};
}

void FileButtonTableCellView::paintContent(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QIcon icon = buttonIcon(index);
    if (icon.isNull())
        return;
    const QRect button = buttonRect(option.rect).adjusted(buttonPadding, buttonPadding, -buttonPadding, -buttonPadding);
    const bool enabled = isButtonEnabled(index) && (option.state & QStyle::State_Enabled);
    icon.paint(painter, button, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
}

bool FileButtonTableCellView::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                          const QModelIndex& index)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
        || event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && buttonRect(option.rect).contains(mouse->position().toPoint())
            && isButtonEnabled(index)) {
            // The press is the button's: the row's selection stays as it is.
            if (event->type() == QEvent::MouseButtonRelease)
                performAction(index, option.widget, mouse->position().toPoint());
            return true;
        }
    }
    return FileItemTableCellView::editorEvent(event, model, option, index);
}

bool FileButtonTableCellView::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                        const QModelIndex& index)
{
    const QString tip = buttonToolTip(index);
    if (event->type() != QEvent::ToolTip || tip.isEmpty() || !buttonRect(option.rect).contains(event->pos()))
        return FileItemTableCellView::helpEvent(event, view, option, index);
    QToolTip::showText(event->globalPos(), tip, view ? view->viewport() : nullptr, buttonRect(option.rect));
    return true;
}

void FileButtonTableCellView::performAction(const QModelIndex&, const QWidget*, const QPoint&)
{
}

} // namespace corvelle
