#include "tags/ContentStyle.h"

#include <QApplication>

namespace corvelle {

QFont ContentStyle::regularFont(QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setWeight(weight);
    return font;
}

QFont ContentStyle::smallFont(QFont::Weight weight)
{
    QFont font = regularFont(weight);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(6.0, font.pointSizeF() - 2));
    else
        font.setPixelSize(std::max(8, font.pixelSize() - 2));
    return font;
}

QFont ContentStyle::italic(QFont font)
{
    font.setItalic(true);
    return font;
}

QColor ContentStyle::labelColor(const QPalette& palette)
{
    return palette.color(QPalette::Text);
}

QColor ContentStyle::secondaryLabelColor(const QPalette& palette)
{
    QColor color = palette.color(QPalette::Text);
    color.setAlphaF(0.55);
    return color;
}

QColor ContentStyle::accentColor(const QPalette& palette)
{
    return palette.color(QPalette::Active, QPalette::Highlight);
}

QColor ContentStyle::separatorColor(const QPalette& palette)
{
    QColor color = palette.color(QPalette::Text);
    color.setAlphaF(0.2);
    return color;
}

QColor ContentStyle::windowBackgroundColor(const QPalette& palette)
{
    return palette.color(QPalette::Window);
}

QColor ContentStyle::controlBackgroundColor(const QPalette& palette)
{
    return palette.color(QPalette::Base);
}

QColor ContentStyle::selectedControlColor(const QPalette& palette)
{
    return blended(palette.color(QPalette::Base), 0.3, accentColor(palette));
}

QColor ContentStyle::unemphasizedSelectionColor(const QPalette& palette)
{
    return blended(palette.color(QPalette::Base), 0.5, palette.color(QPalette::Mid));
}

bool ContentStyle::isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QColor ContentStyle::blended(const QColor& a, qreal fraction, const QColor& b)
{
    const qreal keep = 1 - fraction;
    return QColor::fromRgbF(float(a.redF() * keep + b.redF() * fraction), float(a.greenF() * keep + b.greenF() * fraction),
                            float(a.blueF() * keep + b.blueF() * fraction), float(a.alphaF() * keep + b.alphaF() * fraction));
}

} // namespace corvelle
