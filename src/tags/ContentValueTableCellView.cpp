#include "tags/ContentValueTableCellView.h"

#include "platform/brisa/ui/SymbolIcons.h"
#include "tags/ContentLabelView.h"
#include "tags/ContentNotesPopover.h"
#include "tags/ContentValueView.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace corvelle {

ContentValueTableCellView::ContentValueTableCellView(QObject* parent)
    : ContentItemTableCellView(parent)
{
}

qreal ContentValueTableCellView::labelsHeight(const ContentValue& value)
{
    // The notes button takes its share of the label column, as in layout().
    const qreal width = value.notes ? maximumLabelWidth - notesButtonSize - notesButtonSpacing
                                    : ContentLabelView::measuringWidth;
    const qreal labels =
        std::ceil(ContentLabelView::contentSize(value, QSizeF(width, ContentLabelView::measuringHeight)).height());
    return std::max(labels + 2 * verticalMargin, minimumRowHeight);
}

qreal ContentValueTableCellView::valueHeight(const ContentValue& value, qreal width)
{
    const QRectF rect(0, 0, std::max(0.0, width - labelColumnWidth), 1000000);
    return std::max(ContentValueView::contentSize(value, rect).height() + 2 * verticalMargin, minimumRowHeight);
}

qreal ContentValueTableCellView::heightForObjectValue(const QVariant& objectValue, qreal width)
{
    const std::optional<ContentValue> value = ContentValue::fromVariant(objectValue);
    if (!value)
        return minimumRowHeight;
    return std::max(labelsHeight(*value), valueHeight(*value, width));
}

std::optional<ContentValue> ContentValueTableCellView::contentValue(const QModelIndex& index)
{
    return ContentValue::fromVariant(objectValue(index));
}

ContentValueTableCellView::Layout ContentValueTableCellView::layout(const QRectF& cell, const ContentValue& value)
{
    Layout parts;
    const qreal top = cell.top() + verticalMargin;
    const qreal bottom = std::max(top, cell.bottom() - verticalMargin);
    qreal x = cell.left() + horizontalMargin;
    qreal column = maximumLabelWidth;
    if (value.notes) {
        parts.notesButton = QRectF(x, top, notesButtonSize, notesButtonSize);
        x += notesButtonSize + notesButtonSpacing;
        column -= notesButtonSize + notesButtonSpacing;
    }
    // The label column hugs its text, up to its widest.
    const qreal labelWidth =
        std::min(column, ContentLabelView::contentSize(value, QSizeF(column, ContentLabelView::measuringHeight)).width());
    parts.label = QRectF(x, top, labelWidth, bottom - top);
    const qreal valueLeft = parts.label.right() + spacing;
    parts.value = QRectF(valueLeft, top, std::max(0.0, cell.right() - horizontalMargin - valueLeft), bottom - top);
    return parts;
}

void ContentValueTableCellView::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const std::optional<ContentValue> value = contentValue(index);
    if (!value)
        return;
    const Layout parts = layout(QRectF(option.rect), *value);
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    if (value->notes) {
        const QIcon icon = brisa::SymbolIcons::icon(QStringLiteral("info.circle"));
        icon.paint(painter, parts.notesButton.toRect());
    }
    ContentLabelView::drawContent(painter, parts.label, value, option.palette);
    ContentValueView::drawContent(painter, parts.value, value, option.palette);
    painter->restore();
}

QSize ContentValueTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(option.rect.width(), int(std::ceil(heightForObjectValue(objectValue(index), option.rect.width()))));
}

bool ContentValueTableCellView::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                            const QModelIndex& index)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const std::optional<ContentValue> value = contentValue(index);
        if (mouse->button() == Qt::LeftButton && value && value->notes
            && layout(QRectF(option.rect), *value).notesButton.contains(mouse->position())) {
            showNotesPopover(index, option.rect, const_cast<QWidget*>(option.widget));
            return true;
        }
    }
    return ContentItemTableCellView::editorEvent(event, model, option, index);
}

ContentNotesPopover* ContentValueTableCellView::showNotesPopover(const QModelIndex& index, const QRect& cellRect,
                                                                 QWidget* view)
{
    const std::optional<ContentValue> value = contentValue(index);
    if (!value || !value->notes || !view)
        return nullptr;
    const QRect button = layout(QRectF(cellRect), *value).notesButton.toRect();
    // Cell rectangles are in the viewport's coordinates.
    auto* items = qobject_cast<QAbstractItemView*>(view);
    const QWidget* base = items ? items->viewport() : view;
    const QRect anchor(base->mapToGlobal(button.topLeft()), button.size());
    popover_ = ContentNotesPopover::show(*value->notes, anchor, view);
    return popover_;
}

} // namespace corvelle
