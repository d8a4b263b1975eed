#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

namespace corvelle {

// The fonts and colours of the value rows, from the application font and the widget's palette:
// the label, value, heading and row views all take theirs here, so that a palette change (a dark
// theme) reaches every row alike.
class ContentStyle {
public:
    // The font of controls of the regular size, at a weight.
    static QFont regularFont(QFont::Weight weight = QFont::Normal);
    // Two points smaller.
    static QFont smallFont(QFont::Weight weight = QFont::Normal);
    static QFont italic(QFont font);

    static QColor labelColor(const QPalette& palette);
    static QColor secondaryLabelColor(const QPalette& palette);
    // The highlight colour stands for the accent colour.
    static QColor accentColor(const QPalette& palette);
    static QColor separatorColor(const QPalette& palette);
    static QColor windowBackgroundColor(const QPalette& palette);
    static QColor controlBackgroundColor(const QPalette& palette);
    static QColor selectedControlColor(const QPalette& palette);
    // The selection of a list that does not have the focus.
    static QColor unemphasizedSelectionColor(const QPalette& palette);
    // The window colour is dark.
    static bool isDark(const QPalette& palette);
    // `a` mixed with `fraction` of `b`.
    static QColor blended(const QColor& a, qreal fraction, const QColor& b);
};

} // namespace corvelle
