#include "tags/StyledText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace corvelle {

StyledText::StyledText(QString text, QFont font, QColor color, Qt::Alignment alignment, LineBreak lineBreak)
    : text_(std::move(text)), font_(std::move(font)), color_(std::move(color)), alignment_(alignment), lineBreak_(lineBreak)
{
}

QString StyledText::layoutText() const
{
    QString text = text_;
    text.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    text.replace(QLatin1Char('\r'), QChar::LineSeparator);
    return text;
}

QSizeF StyledText::naturalSize() const
{
    const QFontMetricsF metrics(font_);
    return QSizeF(metrics.horizontalAdvance(text_), metrics.height());
}

QSizeF StyledText::boundingSize(const QSizeF& bounds) const
{
    if (bounds.width() <= 0 || text_.isEmpty())
        return QSizeF(0, 0);
    if (lineBreak_ == LineBreak::truncatingTail) {
        const QFontMetricsF metrics(font_);
        const QString shown = metrics.elidedText(text_, Qt::ElideRight, bounds.width());
        return QSizeF(std::min(metrics.horizontalAdvance(shown), bounds.width()), metrics.height());
    }
    QTextLayout layout(layoutText(), font_);
    QTextOption option(alignment_);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(false);
    const qreal limit = std::min<qreal>(bounds.height(), maximumHeight);
    qreal width = 0;
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(bounds.width());
        width = std::max(width, line.naturalTextWidth());
        height += line.height();
        if (height > limit)
            break;
    }
    layout.endLayout();
    return QSizeF(std::min(width, bounds.width()), height);
}

void StyledText::draw(QPainter* painter, const QRectF& rect) const
{
    if (rect.width() <= 0 || text_.isEmpty())
        return;
    painter->save();
    painter->setPen(color_);
    painter->setFont(font_);
    if (lineBreak_ == LineBreak::truncatingTail) {
        const QFontMetricsF metrics(font_);
        const QString shown = metrics.elidedText(text_, Qt::ElideRight, rect.width());
        painter->drawText(QRectF(rect.topLeft(), QSizeF(rect.width(), metrics.height())),
                          int(alignment_ | Qt::AlignTop) | Qt::TextSingleLine, shown);
        painter->restore();
        return;
    }
    QTextLayout layout(layoutText(), font_);
    QTextOption option(alignment_);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(false);
    // Only the lines that the painter can show are laid out and drawn.
    const QRectF clip = painter->hasClipping() ? painter->clipBoundingRect() : QRectF();
    const qreal bottom = std::min(rect.bottom(), clip.isValid() ? clip.bottom() : rect.bottom());
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
        if (rect.top() + y - line.height() > bottom || y > maximumHeight)
            break;
    }
    layout.endLayout();
    layout.draw(painter, rect.topLeft());
    painter->restore();
}

} // namespace corvelle
