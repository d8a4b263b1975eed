#include "tags/InspectorValueTableCellView.h"

#include "platform/brisa/core/StringHelpers.h"
#include "tags/InspectorValueTableRowView.h"

#include <QPainter>
#include <QPalette>
#include <QTextLayout>

#include <cmath>

namespace corvelle {

namespace {

// The text sits 6 points below the cell's top and 4 points in from either side.
constexpr int topInset = 6;
constexpr int sideInset = 4;

QTextOption textOption(Qt::Alignment alignment)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// Lays the text out in `width`; the layout's height.
qreal layOut(QTextLayout& layout, qreal width)
{
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

} // namespace

const char* const InspectorValueTableCellView::identifier = "InspectorValueTableCellView";

InspectorValueTableCellView::InspectorValueTableCellView(QObject* parent)
    : QStyledItemDelegate(parent)
{
    setObjectName(QString::fromLatin1(identifier));
}

InspectorValueTableCellView::Presentation InspectorValueTableCellView::presentation(
    const halvex::TagComparatorSearchValue& value, bool alternate, const QPalette& palette, const QFont& baseFont)
{
    Presentation result;
    const QColor accent = palette.color(QPalette::Active, QPalette::Highlight);
    if (alternate) {
        result.textColor = palette.color(QPalette::Active, QPalette::HighlightedText);
        result.highlightColor = result.textColor;
        result.highlightColor.setAlphaF(0.4f);
    } else {
        result.textColor = value.isAccented ? accent : palette.color(QPalette::Active, QPalette::Text);
        result.highlightColor = accent;
        result.highlightColor.setAlphaF(0.2f);
    }
    result.font = baseFont;
    result.font.setBold(value.isBold);
    result.alignment = value.isBold && !value.keepsLeftAlignment ? Qt::AlignRight : Qt::AlignLeft;
    result.opacity = value.keepsLeftAlignment && value.isFaded ? 0.5 : 1.0;
    result.text = value.text ? brisa::reducedStringAtEnd(*value.text, maxLength) : QString();
    if (value.text && value.searchText)
        result.highlight = halvex::TagComparatorSearchValue::rangeOf(*value.searchText, result.text);
    return result;
}

int InspectorValueTableCellView::heightNeeded(const halvex::TagComparatorSearchValue& value, int columnWidth,
                                              const QFont& baseFont)
{
    if (!value.text)
        return 8;
    QFont font = baseFont;
    font.setBold(value.isBold);
    QTextLayout layout(brisa::reducedStringAtEnd(*value.text, maxLength), font);
    layout.setTextOption(textOption(Qt::AlignLeft));
    const qreal height = layOut(layout, std::max(1, columnWidth - sideInset - 8));
    return std::max(int(std::ceil(height)) + 4, minimumRowHeight) + 8;
}

void InspectorValueTableCellView::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    QStyleOptionViewItem background(option);
    initStyleOption(&background, index);
    background.text.clear();
    InspectorValueTableRowView::drawBackground(painter, background);

    const QVariant data = index.data(searchValueRole);
    if (!data.canConvert<halvex::TagComparatorSearchValue>())
        return;
    const bool alternate = option.state.testFlag(QStyle::State_Selected);
    const Presentation shown =
        presentation(data.value<halvex::TagComparatorSearchValue>(), alternate, option.palette, option.font);
    if (shown.text.isEmpty())
        return;

    const QRect textRect = option.rect.adjusted(sideInset, topInset, -sideInset, 0);
    QTextLayout layout(shown.text, shown.font);
    layout.setTextOption(textOption(shown.alignment));
    QList<QTextLayout::FormatRange> formats;
    if (shown.highlight) {
        QTextLayout::FormatRange range;
        range.start = int(shown.highlight->first);
        range.length = int(shown.highlight->second);
        range.format.setBackground(shown.highlightColor);
        range.format.setForeground(shown.textColor);
        formats << range;
    }
    layout.setFormats(formats);
    layOut(layout, textRect.width());

    painter->save();
    painter->setClipRect(option.rect);
    painter->setOpacity(shown.opacity);
    painter->setPen(shown.textColor);
    layout.draw(painter, textRect.topLeft());
    painter->restore();
}

QSize InspectorValueTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant data = index.data(searchValueRole);
    const int width = option.rect.width() > 0 ? option.rect.width() : 200;
    if (!data.canConvert<halvex::TagComparatorSearchValue>())
        return {width, minimumRowHeight};
    return {width, heightNeeded(data.value<halvex::TagComparatorSearchValue>(), width, option.font)};
}

} // namespace corvelle
