#pragma once

#include "tags/ContentValue.h"
#include "tags/StyledText.h"

#include <QWidget>

#include <optional>

namespace corvelle {

// Draws the labels of a value row: the title of a ContentValue and, two points under it, its
// subtitle in a smaller font. An edited row shows both in the accent colour, the title at
// medium weight. Measuring and drawing are static, as for ContentValueView.
class ContentLabelView : public QWidget {
    Q_OBJECT

public:
    // The box of the size the labels ask for, whatever the view's own width.
    static constexpr qreal measuringWidth = 220;
    static constexpr qreal measuringHeight = 1000000;

    explicit ContentLabelView(QWidget* parent = nullptr);

    const std::optional<ContentValue>& contentValue() const { return contentValue_; }
    void setContentValue(const std::optional<ContentValue>& value);

    static std::optional<StyledText> attributedTitle(const std::optional<ContentValue>& value, const QPalette& palette);
    // Also for an empty subtitle.
    static std::optional<StyledText> attributedSubtitle(const std::optional<ContentValue>& value, const QPalette& palette);
    // Title, then 2 points and the subtitle, both wrapped at the size's width and rounded up to
    // whole points. (0, 0) without a value.
    static QSizeF contentSize(const std::optional<ContentValue>& value, const QSizeF& fitting);
    static void drawContent(QPainter* painter, const QRectF& bounds, const std::optional<ContentValue>& value,
                            const QPalette& palette);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<ContentValue> contentValue_;
};

} // namespace corvelle
