#include "tags/InspectorGroupTableCellView.h"

#include "platform/brisa/ui/SymbolIcons.h"
#include "tags/InspectorGroupTableRowView.h"

#include <QPainter>

namespace corvelle {

namespace {

// The tag symbol, made once and shared by every heading.
const QIcon& tagSymbol()
{
    static const QIcon icon = brisa::SymbolIcons::icon(QStringLiteral("tag"));
    return icon;
}

constexpr int symbolSize = 15;
constexpr int spacing = 4;

} // namespace

const char* const InspectorGroupTableCellView::identifier = "InspectorGroupTableCellView";

InspectorGroupTableCellView::InspectorGroupTableCellView(QObject* parent)
    : QStyledItemDelegate(parent)
{
    setObjectName(QString::fromLatin1(identifier));
}

QString InspectorGroupTableCellView::displayedText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString ? value.toString().toUpper() : QString();
}

QFont InspectorGroupTableCellView::headingFont(const QFont& base)
{
    QFont font = base;
    font.setBold(true);
    font.setPointSizeF(base.pointSizeF() > 0 ? base.pointSizeF() + 1 : 11);
    return font;
}

void InspectorGroupTableCellView::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    InspectorGroupTableRowView::drawBackground(painter, option.rect, option.palette);
    painter->save();
    const QRect symbolRect(option.rect.x() + spacing, option.rect.center().y() - symbolSize / 2, symbolSize, symbolSize);
    tagSymbol().paint(painter, symbolRect);
    painter->setFont(headingFont(option.font));
    painter->setPen(option.palette.color(QPalette::Text));
    const QRect textRect = option.rect.adjusted(spacing + symbolSize + spacing, 0, -spacing, 0);
    const QString text = painter->fontMetrics().elidedText(displayedText(index.data(Qt::DisplayRole)), Qt::ElideRight,
                                                           textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

QSize InspectorGroupTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QFontMetrics metrics(headingFont(option.font));
    return {spacing * 3 + symbolSize + metrics.horizontalAdvance(displayedText(index.data(Qt::DisplayRole))), rowHeight};
}

} // namespace corvelle
