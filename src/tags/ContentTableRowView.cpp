#include "tags/ContentTableRowView.h"

#include "tags/ContentItemTableCellView.h"
#include "tags/ContentStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace corvelle {

ContentTableRowView::ContentTableRowView(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

void ContentTableRowView::registerCell(ContentItemTableCellView* cell)
{
    if (cell)
        cells_.insert(cell->identifier(), cell);
}

ContentItemTableCellView* ContentTableRowView::cell(const QString& identifier) const
{
    return cells_.value(identifier);
}

ContentItemTableCellView* ContentTableRowView::cellForIndex(const QModelIndex& index) const
{
    return cell(index.data(cellIdentifierRole).toString());
}

ContentTableRowView::CardColors ContentTableRowView::cardColors(const QPalette& palette, bool selected, bool emphasized)
{
    CardColors colors;
    colors.stroke = emphasized ? ContentStyle::accentColor(palette) : ContentStyle::secondaryLabelColor(palette);
    colors.fill = selected && !emphasized ? ContentStyle::blended(ContentStyle::unemphasizedSelectionColor(palette), 0.5,
                                                                  ContentStyle::controlBackgroundColor(palette))
                                          : ContentStyle::controlBackgroundColor(palette);
    const qreal white = ContentStyle::isDark(palette) ? 0.0 : 0.5;
    colors.shadow = QColor::fromRgbF(float(white), float(white), float(white), 0.3f);
    return colors;
}

bool ContentTableRowView::isEmphasized(const QStyleOptionViewItem& option)
{
    return option.widget && option.widget->hasFocus() && (option.state & QStyle::State_Active);
}

void ContentTableRowView::drawContentBackground(QPainter* painter, const QRectF& row, bool isHeader, bool selected,
                                                bool emphasized, const QPalette& palette)
{
    if (isHeader || !painter)
        return;
    const QRectF card = row.adjusted(cardInset, cardInset, -cardInset, -cardInset);
    if (card.width() <= 0 || card.height() <= 0)
        return;
    const CardColors colors = cardColors(palette, selected, emphasized);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    // A soft shadow a point below the card: two widening layers stand for the blur.
    for (int layer = 2; layer >= 1; --layer) {
        QColor shade = colors.shadow;
        shade.setAlphaF(colors.shadow.alphaF() / (layer + 1));
        QPainterPath shadow;
        shadow.addRoundedRect(card.translated(0, 1).adjusted(-layer * 0.5, -layer * 0.5, layer * 0.5, layer * 0.5),
                              cornerRadius, cornerRadius);
        painter->fillPath(shadow, shade);
    }
    QPainterPath path;
    path.addRoundedRect(card, cornerRadius, cornerRadius);
    painter->fillPath(path, colors.fill);
    if (selected) {
        painter->setPen(QPen(colors.stroke, 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    }
    painter->restore();
}

void ContentTableRowView::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool header = index.data(isHeaderRole).toBool();
    drawContentBackground(painter, QRectF(option.rect), header, option.state & QStyle::State_Selected, isEmphasized(option),
                          option.palette);
    if (ContentItemTableCellView* content = cellForIndex(index))
        content->paint(painter, option, index);
}

QSize ContentTableRowView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (ContentItemTableCellView* content = cellForIndex(index))
        return content->sizeHint(option, index);
    return QSize(option.rect.width(), 0);
}

bool ContentTableRowView::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                      const QModelIndex& index)
{
    if (ContentItemTableCellView* content = cellForIndex(index))
        return content->handleEvent(event, model, option, index);
    return false;
}

} // namespace corvelle
