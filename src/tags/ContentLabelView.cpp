#include "tags/ContentLabelView.h"

#include "tags/ContentStyle.h"

#include <QPainter>

#include <cmath>

namespace corvelle {

ContentLabelView::ContentLabelView(QWidget* parent)
    : QWidget(parent)
{
}

void ContentLabelView::setContentValue(const std::optional<ContentValue>& value)
{
    contentValue_ = value;
    updateGeometry();
    update();
}

std::optional<StyledText> ContentLabelView::attributedTitle(const std::optional<ContentValue>& value, const QPalette& palette)
{
    if (!value)
        return std::nullopt;
    const bool edited = value->mode.contains(ContentValue::Mode::edited);
    return StyledText(value->title, ContentStyle::regularFont(edited ? QFont::Medium : QFont::Normal),
                      edited ? ContentStyle::accentColor(palette) : ContentStyle::labelColor(palette));
}

std::optional<StyledText> ContentLabelView::attributedSubtitle(const std::optional<ContentValue>& value,
                                                               const QPalette& palette)
{
    if (!value || !value->subtitle)
        return std::nullopt;
    const bool edited = value->mode.contains(ContentValue::Mode::edited);
    return StyledText(*value->subtitle, ContentStyle::smallFont(),
                      edited ? ContentStyle::accentColor(palette) : ContentStyle::secondaryLabelColor(palette));
}

QSizeF ContentLabelView::contentSize(const std::optional<ContentValue>& value, const QSizeF& fitting)
{
    const QPalette palette;
    const std::optional<StyledText> title = attributedTitle(value, palette);
    if (!title)
        return QSizeF(0, 0);
    QSizeF size = title->boundingSize(fitting);
    if (const std::optional<StyledText> subtitle = attributedSubtitle(value, palette)) {
        const QSizeF below = subtitle->boundingSize(fitting);
        size = QSizeF(std::max(size.width(), below.width()), size.height() + 2 + below.height());
    }
    return QSizeF(std::ceil(size.width()), std::ceil(size.height()));
}

void ContentLabelView::drawContent(QPainter* painter, const QRectF& bounds, const std::optional<ContentValue>& value,
                                   const QPalette& palette)
{
    const std::optional<StyledText> title = attributedTitle(value, palette);
    if (!title || bounds.width() <= 0)
        return;
    const qreal titleHeight = title->boundingSize(bounds.size()).height();
    title->draw(painter, QRectF(bounds.left(), bounds.top(), bounds.width(), titleHeight));
    if (const std::optional<StyledText> subtitle = attributedSubtitle(value, palette)) {
        const qreal top = bounds.top() + titleHeight + 2;
        subtitle->draw(painter, QRectF(bounds.left(), top, bounds.width(), std::max(0.0, bounds.bottom() - top)));
    }
}

QSize ContentLabelView::sizeHint() const
{
    return contentSize(contentValue_, QSizeF(measuringWidth, measuringHeight)).toSize();
}

void ContentLabelView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawContent(&painter, QRectF(rect()), contentValue_, palette());
}

} // namespace corvelle
