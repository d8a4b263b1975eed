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
    // Lines past the tallest text shown are never seen: they are not laid out.
    const qsizetype maximumLines = qsizetype(maximumHeight / std::max(1.0, QFontMetricsF(font_).height())) + 2;
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QChar::LineSeparator && ++breaks > maximumLines) {
            text.truncate(i);
            break;
        }
    }
    return text;
}

QTextOption StyledText::layoutOption(const QString& text) const
{
    QTextOption option(alignment_);
    // A run of thousands of characters without a break (an encoded picture) is cut anywhere:
    // looking for a word boundary in it on every line would take seconds.
    qsizetype run = 0;
    bool longRun = false;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > longRunLength) {
            longRun = true;
            break;
        }
    }
    option.setWrapMode(longRun ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
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
    const QString text = layoutText();
    QTextLayout layout(text, font_);
    layout.setTextOption(layoutOption(text));
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
    const QString text = layoutText();
    QTextLayout layout(text, font_);
    layout.setTextOption(layoutOption(text));
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
