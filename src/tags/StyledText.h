#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QTextOption>

class QPainter;

namespace corvelle {

// One run of text with its look, measured and drawn the same way: the text views of the value
// rows lay out every string they show through it. Line breaks in the text break lines; a
// wrapping text breaks between words, and inside a word too long for the line.
class StyledText {
public:
    enum class LineBreak { wordWrapping, truncatingTail };

    // Layout stops once the text is this tall: a megabyte value is measured and drawn only as far
    // as a row can show it.
    static constexpr qreal maximumHeight = 100000;

    StyledText() = default;
    StyledText(QString text, QFont font, QColor color, Qt::Alignment alignment = Qt::AlignLeft,
               LineBreak lineBreak = LineBreak::wordWrapping);

    const QString& text() const { return text_; }
    const QFont& font() const { return font_; }
    const QColor& color() const { return color_; }
    Qt::Alignment alignment() const { return alignment_; }
    LineBreak lineBreak() const { return lineBreak_; }

    // The size of the laid-out text inside `bounds`: the widest line and the lines' height. A
    // truncating text is one line, at most as wide as the bounds; a width of zero or less
    // holds nothing.
    QSizeF boundingSize(const QSizeF& bounds) const;
    // The text's own size on one line, unbounded.
    QSizeF naturalSize() const;
    // Draws the text from the top of `rect`, as wide as it, lines below the rectangle left out.
    void draw(QPainter* painter, const QRectF& rect) const;

private:
    // A word longer than this breaks anywhere.
    static constexpr qsizetype longRunLength = 2000;

    // The text with its line breaks as the layout takes them, without the lines too far down to
    // be shown.
    QString layoutText() const;
    QTextOption layoutOption(const QString& text) const;

    QString text_;
    QFont font_;
    QColor color_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    LineBreak lineBreak_ = LineBreak::wordWrapping;
};

} // namespace corvelle
