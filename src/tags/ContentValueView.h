#pragma once

#include "tags/ContentValue.h"
#include "tags/StyledText.h"

#include <QWidget>

#include <optional>

namespace corvelle {

// Draws the value part of a ContentValue and says how much room it needs: a text alone,
// right-aligned and wrapped; an action as a rounded box with its caption in a shaded band above
// the value; words as small filled boxes flowing into lines under the caption band. The same
// measure serves a row's height before the row is drawn, so measuring and drawing are static
// and the widget only holds a value for them.
class ContentValueView : public QWidget {
    Q_OBJECT

public:
    // Measured heights stop here.
    static constexpr qreal maximumHeight = 100000;

    explicit ContentValueView(QWidget* parent = nullptr);

    const std::optional<ContentValue>& contentValue() const { return contentValue_; }
    void setContentValue(const std::optional<ContentValue>& value);

    // The strings of the value, none when the value has no such part.
    static std::optional<StyledText> attributedText(const std::optional<ContentValue>& value, const QPalette& palette);
    static std::optional<StyledText> attributedActionCaption(const std::optional<ContentValue>& value, const QPalette& palette);
    static std::optional<StyledText> attributedActionValue(const std::optional<ContentValue>& value, const QPalette& palette);
    // A caption (small, semibold, wrapping) or a word (regular, cut at its end).
    static StyledText makeWordAttributedString(const QString& text, const QFont& font, StyledText::LineBreak lineBreak,
                                               const QPalette& palette);

    // The size the words need inside the rectangle.
    static QSizeF wordsSize(const std::optional<ContentValue>& value, const QRectF& rect);
    // The size the value needs inside the rectangle, its height capped; nothing fits a
    // rectangle without width.
    static QSizeF contentSize(const std::optional<ContentValue>& value, const QRectF& rect);
    static void drawContent(QPainter* painter, const QRectF& bounds, const std::optional<ContentValue>& value,
                            const QPalette& palette);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static void drawActionItem(QPainter* painter, const QRectF& bounds, const ContentValue& value, const QPalette& palette);
    static void drawWordsItem(QPainter* painter, const QRectF& bounds, const ContentValue& value, const QPalette& palette);
    // The rounded box of action and words items: its clip, and its hairline frame.
    static void clipToBox(QPainter* painter, const QRectF& bounds);
    static void drawFrame(QPainter* painter, const QRectF& bounds, const QPalette& palette);
    // Fills and underlines the caption band at the top of `bounds`; answers the part below it.
    static QRectF drawCaptionBand(QPainter* painter, const QRectF& bounds, const std::optional<StyledText>& caption,
                                  const QPalette& palette);
    static std::optional<StyledText> caption(const std::optional<ContentValue>& value, const QPalette& palette);

    std::optional<ContentValue> contentValue_;
};

} // namespace corvelle
