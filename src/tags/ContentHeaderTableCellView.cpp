#include "tags/ContentHeaderTableCellView.h"

#include "platform/brisa/ui/SymbolIcons.h"
#include "tags/ContentStyle.h"
#include "tags/StyledText.h"

#include <QAbstractItemView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace corvelle {

ContentHeaderTableCellView::ContentHeaderTableCellView(QObject* parent)
    : ContentItemTableCellView(parent)
{
}

std::optional<QString> ContentHeaderTableCellView::title(const QModelIndex& index)
{
    const QVariant value = objectValue(index);
    if (value.metaType() != QMetaType::fromType<QString>())
        return std::nullopt;
    return value.toString();
}

QFont ContentHeaderTableCellView::headerFont()
{
    QFont font = ContentStyle::regularFont(QFont::Bold);
    // 14 points where the controls' text is 13.
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 14 / 13);
    return font;
}

void ContentHeaderTableCellView::setAdditionalMenu(QMenu* menu)
{
    additionalMenu_ = menu;
}

QRectF ContentHeaderTableCellView::moreButtonRect(const QRectF& cell) const
{
    if (!additionalMenu_)
        return QRectF();
    return QRectF(cell.right() - stackHeight, cell.bottom() - bottomMargin - stackHeight, stackHeight, stackHeight);
}

void ContentHeaderTableCellView::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRectF cell(option.rect);
    const QRectF more = moreButtonRect(cell);
    const qreal right = more.isValid() ? more.left() - spacing : cell.right();
    const QRectF stack(cell.left(), cell.bottom() - bottomMargin - stackHeight, std::max(0.0, right - cell.left()),
                       stackHeight);
    painter->save();
    painter->setClipRect(option.rect, Qt::IntersectClip);
    const StyledText heading(title(index).value_or(QString()), headerFont(), ContentStyle::labelColor(option.palette),
                             Qt::AlignLeft, StyledText::LineBreak::truncatingTail);
    const qreal textHeight = heading.boundingSize(stack.size()).height();
    heading.draw(painter, QRectF(stack.left(), stack.bottom() - textHeight, stack.width(), textHeight));
    if (more.isValid())
        brisa::SymbolIcons::icon(QStringLiteral("ellipsis.circle")).paint(painter, more.toRect());
    painter->restore();
}

QSize ContentHeaderTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), 38);
}

bool ContentHeaderTableCellView::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                             const QModelIndex& index)
{
    if (event->type() == QEvent::MouseButtonRelease && additionalMenu_) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QRectF more = moreButtonRect(QRectF(option.rect));
        if (mouse->button() == Qt::LeftButton && more.contains(mouse->position())) {
            menuIndex_ = index;
            auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
            const QWidget* base = view ? view->viewport() : option.widget;
            if (base)
                additionalMenu_->popup(base->mapToGlobal(more.bottomLeft().toPoint()));
            return true;
        }
    }
    return ContentItemTableCellView::editorEvent(event, model, option, index);
}

} // namespace corvelle
