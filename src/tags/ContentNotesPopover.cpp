#include "tags/ContentNotesPopover.h"

#include "tags/ContentStyle.h"
#include "tags/StyledText.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace corvelle {

ContentNotesPopover::ContentNotesPopover(const QString& notes, QWidget* parent)
    : QFrame(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("contentNotesPopover"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("notesTextView"));
    text->setReadOnly(true);
    text->setFrameShape(QFrame::NoFrame);
    text->setFont(ContentStyle::regularFont());
    text->viewport()->setAutoFillBackground(false);
    text->setPlainText(notes);
    layout->addWidget(text);
    setFixedSize(textWidth + 24, heightFor(notes));
}

int ContentNotesPopover::heightFor(const QString& notes)
{
    const StyledText text(notes, ContentStyle::regularFont(), QColor());
    const qreal height = text.boundingSize(QSizeF(textWidth, 1000000)).height();
    return std::min(int(std::ceil(height)) + 24 + 18, maximumHeight);
}

ContentNotesPopover* ContentNotesPopover::show(const QString& notes, const QRect& anchor, QWidget* parent)
{
    auto* popover = new ContentNotesPopover(notes, parent);
    QPoint origin(anchor.center().x() - popover->width() / 2, anchor.bottom() + 4);
    if (const QScreen* screen = QGuiApplication::screenAt(anchor.center())) {
        const QRect area = screen->availableGeometry();
        origin.setX(std::clamp(origin.x(), area.left(), std::max(area.left(), area.right() - popover->width())));
        if (origin.y() + popover->height() > area.bottom())
            origin.setY(std::max(area.top(), anchor.top() - 4 - popover->height()));
    }
    popover->move(origin);
    popover->QFrame::show();
    return popover;
}

} // namespace corvelle
