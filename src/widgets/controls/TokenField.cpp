#include "widgets/controls/TokenField.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace corvelle {

namespace {

constexpr int tokenPadding = 6;   // inside a token, left and right of its text
constexpr int tokenSpacing = 4;   // between tokens on a row
constexpr int rowSpacing = 2;     // between rows
constexpr int sidePadding = 2;    // left and right of the rows

QStringList splitTokens(const QString& text)
{
    QStringList tokens;
    for (const QString& piece : text.split(QLatin1Char(','))) {
        const QString token = piece.trimmed();
        if (!token.isEmpty())
            tokens << token;
    }
    return tokens;
}

} // namespace

TokenField::TokenField(QWidget* parent)
    : QFrame(parent)
    , editor_(new QLineEdit(this))
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(editor_);
    setCursor(Qt::IBeamCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    editor_->setFrame(false);
    editor_->installEventFilter(this);
    connect(editor_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        if (typed.contains(QLatin1Char(',')))
            takeTypedTokens(false);
        relayout();
        Q_EMIT textEdited();
    });
    connect(editor_, &QLineEdit::returnPressed, this, &TokenField::finishTyping);
    relayout();
}

QStringList TokenField::tokens() const
{
    QStringList all = tokens_;
    all << splitTokens(editor_->text());
    return all;
}

void TokenField::setTokens(const QStringList& tokens)
{
    tokens_.clear();
    for (const QString& token : tokens) {
        if (!token.isEmpty())
            tokens_ << token;
    }
    editor_->clear();
    relayout();
}

QString TokenField::text() const
{
    return tokens().join(QLatin1Char(','));
}

void TokenField::setText(const QString& text)
{
    setTokens(splitTokens(text));
}

std::optional<int> TokenField::countTokensInEditing() const
{
    if (!editor_->hasFocus())
        return std::nullopt;
    return int(tokens_.size());
}

QString TokenField::placeholderText() const
{
    return placeholder_;
}

void TokenField::setPlaceholderText(const QString& text)
{
    placeholder_ = text;
    relayout();
}

QSize TokenField::sizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * 24, outerHeight(rowHeight()));
}

QSize TokenField::minimumSizeHint() const
{
    return QSize(fontMetrics().averageCharWidth() * 6, outerHeight(rowHeight()));
}

QLineEdit* TokenField::editor() const
{
    return editor_;
}

int TokenField::verticalMargin() const
{
    return 0;
}

int TokenField::contentHeightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    const int rowsWidth = width - margins.left() - margins.right() - 2 * sidePadding;
    return outerHeight(layoutFor(std::max(rowsWidth, 1)).height);
}

int TokenField::outerHeight(int rowsHeight) const
{
    const QMargins margins = contentsMargins();
    return rowsHeight + margins.top() + margins.bottom() + 2 * verticalMargin();
}

int TokenField::rowHeight() const
{
    return editor_->sizeHint().height();
}

QRect TokenField::rowArea() const
{
    return contentsRect().adjusted(sidePadding, verticalMargin(), -sidePadding, -verticalMargin());
}

TokenField::Layout TokenField::layoutFor(int width) const
{
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = rowHeight();
    const int tokenHeight = std::min(lineHeight, metrics.height() + 4);
    const int tokenTop = (lineHeight - tokenHeight) / 2;
    Layout layout;
    int x = 0;
    int y = 0;
    for (const QString& token : tokens_) {
        const int tokenWidth = std::min(metrics.horizontalAdvance(token) + 2 * tokenPadding, width);
        if (x > 0 && x + tokenWidth > width) {
            x = 0;
            y += lineHeight + rowSpacing;
        }
        layout.tokens << QRect(x, y + tokenTop, tokenWidth, tokenHeight);
        x += tokenWidth + tokenSpacing;
    }
    if (!editor_->isHidden()) {
        // The typed text goes on after the last token, or on a row of its own once it no longer fits.
        const QString shown = editor_->text().isEmpty() ? editor_->placeholderText() : editor_->text();
        const int needed = std::max(metrics.horizontalAdvance(shown) + metrics.averageCharWidth() * 2,
                                    lineHeight * 2);
        if (x > 0 && x + needed > width) {
            x = 0;
            y += lineHeight + rowSpacing;
        }
        layout.editor = QRect(x, y, std::max(width - x, 1), lineHeight);
    }
    layout.height = y + lineHeight;
    return layout;
}

void TokenField::relayout()
{
    editor_->setPlaceholderText(tokens_.isEmpty() ? placeholder_ : QString());
    const QRect area = rowArea();
    const Layout layout = layoutFor(std::max(area.width(), 1));
    // A field shorter than its rows shows the last ones, where the typing goes on.
    const QPoint origin = area.topLeft() + QPoint(0, std::min(0, area.height() - layout.height));
    tokenRects_.clear();
    for (const QRect& rect : layout.tokens)
        tokenRects_ << rect.translated(origin);
    if (!layout.editor.isNull())
        editor_->setGeometry(layout.editor.translated(origin));
    updateGeometry();
    update();
}

bool TokenField::takeTypedTokens(bool all)
{
    QStringList pieces = editor_->text().split(QLatin1Char(','));
    const QString rest = all ? QString() : pieces.takeLast();
    const QStringList finished = splitTokens(pieces.join(QLatin1Char(',')));
    tokens_ << finished;
    if (editor_->text() != rest)
        editor_->setText(rest);
    return !finished.isEmpty();
}

void TokenField::finishTyping()
{
    if (takeTypedTokens(true)) {
        relayout();
        Q_EMIT textEdited();
    }
    Q_EMIT editingFinished();
}

bool TokenField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backspace && editor_->cursorPosition() == 0
            && !editor_->hasSelectedText() && !tokens_.isEmpty()) {
            tokens_.removeLast();
            relayout();
            Q_EMIT textEdited();
            return true;
        }
        // Return finishes the token being typed and goes no further: only a Return with nothing
        // typed reaches the default button of the dialog around the field.
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !editor_->text().trimmed().isEmpty()) {
            finishTyping();
            return true;
        }
    }
    if (watched == editor_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // A menu or another window taking the focus for a moment does not end the editing.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            if (takeTypedTokens(true)) {
                relayout();
                Q_EMIT textEdited();
            }
            Q_EMIT editingFinished();
        }
    }
    return QFrame::eventFilter(watched, event);
}

void TokenField::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(contentsRect());
    const QColor highlight = palette().color(QPalette::Highlight);
    QColor fill = highlight;
    fill.setAlpha(48);
    const QFontMetrics metrics = fontMetrics();
    for (qsizetype i = 0; i < tokenRects_.size() && i < tokens_.size(); ++i) {
        const QRectF box = QRectF(tokenRects_[i]).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(highlight);
        painter.setBrush(fill);
        painter.drawRoundedRect(box, 4, 4);
        const QRect textBox = tokenRects_[i].adjusted(tokenPadding, 0, -tokenPadding, 0);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(textBox, Qt::AlignVCenter | Qt::AlignLeft,
                         metrics.elidedText(tokens_[i], Qt::ElideMiddle, textBox.width()));
    }
}

void TokenField::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    relayout();
}

void TokenField::changeEvent(QEvent* event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        relayout();
}

void TokenField::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    editor_->setFocus(Qt::MouseFocusReason);
}

} // namespace corvelle
