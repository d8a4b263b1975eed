#include "tags/ContentValueView.h"

#include "tags/ContentStyle.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace corvelle {

namespace {

constexpr qreal dx = 8;
constexpr qreal dy = 4;
constexpr qreal boxRadius = 4;

QRectF shrunk(const QRectF& rect, qreal x, qreal y)
{
    return rect.adjusted(x, y, -x, -y);
}

qreal heightIn(const StyledText& text, const QRectF& rect)
{
    return text.boundingSize(shrunk(rect, dx, dy).size()).height();
}

} // namespace

ContentValueView::ContentValueView(QWidget* parent)
    : QWidget(parent)
{
}

void ContentValueView::setContentValue(const std::optional<ContentValue>& value)
{
    contentValue_ = value;
    updateGeometry();
    update();
}

std::optional<StyledText> ContentValueView::attributedText(const std::optional<ContentValue>& value, const QPalette& palette)
{
    if (!value || value->item.kind() != ContentValue::Item::Kind::text)
        return std::nullopt;
    const bool placeholder = value->mode.contains(ContentValue::Mode::placeholder);
    const QColor color = value->mode.contains(ContentValue::Mode::dimmed) ? ContentStyle::secondaryLabelColor(palette)
                                                                           : ContentStyle::labelColor(palette);
    const QFont font = placeholder ? ContentStyle::italic(ContentStyle::regularFont()) : ContentStyle::regularFont();
    const QString text = placeholder ? QStringLiteral("- ") + value->item.text() + QStringLiteral(" -") : value->item.text();
    return StyledText(text, font, color, Qt::AlignRight);
}

std::optional<StyledText> ContentValueView::caption(const std::optional<ContentValue>& value, const QPalette& palette)
{
    if (!value || value->item.kind() == ContentValue::Item::Kind::text)
        return std::nullopt;
    const std::optional<QString> text = value->item.caption();
    if (!text)
        return std::nullopt;
    return makeWordAttributedString(*text, ContentStyle::smallFont(QFont::DemiBold), StyledText::LineBreak::wordWrapping,
                                    palette);
}

std::optional<StyledText> ContentValueView::attributedActionCaption(const std::optional<ContentValue>& value,
                                                                    const QPalette& palette)
{
    if (!value || value->item.kind() != ContentValue::Item::Kind::action)
        return std::nullopt;
    return caption(value, palette);
}

std::optional<StyledText> ContentValueView::attributedActionValue(const std::optional<ContentValue>& value,
                                                                  const QPalette& palette)
{
    if (!value || value->item.kind() != ContentValue::Item::Kind::action || value->item.text().isEmpty())
        return std::nullopt;
    return StyledText(value->item.text(), ContentStyle::regularFont(), ContentStyle::labelColor(palette));
}

StyledText ContentValueView::makeWordAttributedString(const QString& text, const QFont& font,
                                                      StyledText::LineBreak lineBreak, const QPalette& palette)
{
    return StyledText(text, font, ContentStyle::labelColor(palette), Qt::AlignLeft, lineBreak);
}

QSizeF ContentValueView::wordsSize(const std::optional<ContentValue>& value, const QRectF& rect)
{
    if (!value)
        return QSizeF(0, 0);
    const qreal width = rect.width();
    if (value->item.kind() != ContentValue::Item::Kind::words)
        return QSizeF(width, 8);
    const QPalette palette;
    qreal y = 8;
    if (const std::optional<StyledText> text = caption(value, palette))
        y = heightIn(*text, rect) + 16;
    const QStringList& words = value->item.wordList();
    if (!words.isEmpty())
        y -= 2;
    const qreal innerWidth = shrunk(rect, dx, dy).width();
    qreal remaining = 0;
    for (const QString& word : words) {
        const QSizeF size =
            makeWordAttributedString(word, ContentStyle::regularFont(), StyledText::LineBreak::truncatingTail, palette)
                .naturalSize();
        const qreal boxWidth = size.width() + 8;
        if (remaining < boxWidth) {
            y += size.height() + 2;
            remaining = innerWidth;
        }
        remaining -= boxWidth + 8;
        if (y > maximumHeight)
            break;
    }
    return QSizeF(width, y);
}

QSizeF ContentValueView::contentSize(const std::optional<ContentValue>& value, const QRectF& rect)
{
    // A row narrower than its label column leaves the value no room at all.
    if (!value || rect.width() <= 0)
        return QSizeF(0, 0);
    const QPalette palette;
    QSizeF size;
    switch (value->item.kind()) {
    case ContentValue::Item::Kind::text:
        size = attributedText(value, palette)->boundingSize(QSizeF(rect.width(), std::max(rect.height(), 0.0)));
        break;
    case ContentValue::Item::Kind::action: {
        qreal height = 8;
        if (const std::optional<StyledText> text = attributedActionCaption(value, palette))
            height = heightIn(*text, rect) + 16;
        if (const std::optional<StyledText> text = attributedActionValue(value, palette))
            height += heightIn(*text, rect) + 2;
        size = QSizeF(rect.width(), height);
        break;
    }
    case ContentValue::Item::Kind::words:
        size = wordsSize(value, rect);
        break;
    }
    size.setHeight(std::min(size.height(), maximumHeight));
    return size;
}

void ContentValueView::clipToBox(QPainter* painter, const QRectF& bounds)
{
    QPainterPath clip;
    clip.addRoundedRect(bounds, boxRadius, boxRadius);
    painter->setClipPath(clip, Qt::IntersectClip);
}

void ContentValueView::drawFrame(QPainter* painter, const QRectF& bounds, const QPalette& palette)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(ContentStyle::separatorColor(palette), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(shrunk(bounds, 0.5, 0.5), boxRadius, boxRadius);
    painter->restore();
}

QRectF ContentValueView::drawCaptionBand(QPainter* painter, const QRectF& bounds, const std::optional<StyledText>& caption,
                                         const QPalette& palette)
{
    if (!caption)
        return bounds;
    const QRectF captionRect = shrunk(bounds, dx, dy);
    const qreal band = caption->boundingSize(captionRect.size()).height() + 8;
    painter->fillRect(QRectF(bounds.left(), bounds.top(), bounds.width(), band), ContentStyle::windowBackgroundColor(palette));
    caption->draw(painter, captionRect);
    painter->setPen(QPen(ContentStyle::separatorColor(palette), 0.5));
    painter->drawLine(QPointF(bounds.left(), bounds.top() + band), QPointF(bounds.right(), bounds.top() + band));
    return bounds.adjusted(0, band, 0, 0);
}

void ContentValueView::drawActionItem(QPainter* painter, const QRectF& bounds, const ContentValue& value,
                                      const QPalette& palette)
{
    painter->save();
    clipToBox(painter, bounds);
    QRectF rest = drawCaptionBand(painter, bounds, attributedActionCaption(value, palette), palette);
    if (const std::optional<StyledText> text = attributedActionValue(value, palette)) {
        painter->fillRect(rest, ContentStyle::controlBackgroundColor(palette));
        text->draw(painter, shrunk(rest, dx, dy));
    }
    painter->restore();
    drawFrame(painter, bounds, palette);
}

void ContentValueView::drawWordsItem(QPainter* painter, const QRectF& bounds, const ContentValue& value,
                                     const QPalette& palette)
{
    painter->save();
    clipToBox(painter, bounds);
    painter->setRenderHint(QPainter::Antialiasing);
    const QRectF rest = drawCaptionBand(painter, bounds, caption(value, palette), palette);
    QRectF inner = shrunk(rest, dx, dy);
    qreal remaining = inner.width();
    bool first = true;
    for (const QString& word : value.item.wordList()) {
        const StyledText text =
            makeWordAttributedString(word, ContentStyle::regularFont(), StyledText::LineBreak::truncatingTail, palette);
        const QSizeF size = text.naturalSize();
        if (remaining < size.width() + 8 && !first) {
            inner.setTop(inner.top() + size.height() + 2);
            remaining = inner.width();
        }
        first = false;
        if (inner.top() > bounds.bottom())
            break;
        const QRectF slot(bounds.left() + inner.width() - remaining + 4, inner.top(), remaining, inner.height());
        const QSizeF shown = text.boundingSize(QSizeF(std::max(remaining, 0.0), slot.height()));
        const QRectF box(slot.left(), slot.top(), shown.width() + 8, shown.height());
        QPainterPath path;
        path.addRoundedRect(box, 2, 2);
        painter->fillPath(path, ContentStyle::selectedControlColor(palette));
        text.draw(painter, slot.translated(4, 0));
        remaining -= size.width() + 16;
    }
    painter->restore();
    drawFrame(painter, bounds, palette);
}

void ContentValueView::drawContent(QPainter* painter, const QRectF& bounds, const std::optional<ContentValue>& value,
                                   const QPalette& palette)
{
    if (!value || bounds.width() <= 0 || bounds.height() <= 0)
        return;
    switch (value->item.kind()) {
    case ContentValue::Item::Kind::text:
        attributedText(value, palette)->draw(painter, bounds);
        break;
    case ContentValue::Item::Kind::action:
        drawActionItem(painter, bounds, *value, palette);
        break;
    case ContentValue::Item::Kind::words:
        drawWordsItem(painter, bounds, *value, palette);
        break;
    }
}

QSize ContentValueView::sizeHint() const
{
    return contentSize(contentValue_, QRectF(rect())).toSize();
}

void ContentValueView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawContent(&painter, QRectF(rect()), contentValue_, palette());
}

void ContentValueView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateGeometry();
}

} // namespace corvelle
