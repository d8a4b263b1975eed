#pragma once

class QPainter;
class QPalette;
class QRect;

namespace corvelle {

// The band behind a group heading of the raw comparison: the row's full width in the last
// alternating row colour, with a hairline along its bottom edge. The heading cell spans the
// row and draws it first.
class InspectorGroupTableRowView {
public:
    static const char* const identifier;

    static void drawBackground(QPainter* painter, const QRect& rowRect, const QPalette& palette);
};

} // namespace corvelle
