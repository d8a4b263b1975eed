#pragma once

#include <QFrame>

namespace corvelle {

// The notes of a value row, read-only, in a popup frame below the row's info button; it closes
// when the user clicks elsewhere or presses Escape, and deletes itself then.
class ContentNotesPopover : public QFrame {
    Q_OBJECT

public:
    static constexpr int textWidth = 400;
    static constexpr int maximumHeight = 600;

    // Opens below `anchor`, a rectangle in global coordinates, over `parent`'s window.
    static ContentNotesPopover* show(const QString& notes, const QRect& anchor, QWidget* parent);

    // Its text's height plus 42, at most 600.
    static int heightFor(const QString& notes);

private:
    ContentNotesPopover(const QString& notes, QWidget* parent);
};

} // namespace corvelle
