#pragma once

#include <QFrame>
#include <QList>
#include <QRect>
#include <QStringList>

#include <optional>

class QLineEdit;

namespace corvelle {

// A text field that turns what the user types into tokens: a comma or Return ends a token,
// Backspace at the start of the typing removes the last token, and leaving the field ends the
// token being typed. Tokens are laid out in rows that wrap at the field's width, followed by
// the text being typed; a field too short for its rows shows the last ones.
class TokenField : public QFrame {
    Q_OBJECT
public:
    explicit TokenField(QWidget* parent = nullptr);

    // The tokens in order, the text still being typed (when not blank) as the last one.
    QStringList tokens() const;
    void setTokens(const QStringList& tokens);

    // The tokens joined by commas. Setting splits at commas, trims each piece and drops blanks.
    QString text() const;
    void setText(const QString& text);

    // While the user edits the field: the number of finished tokens, so typing inside a token
    // leaves it unchanged. Outside editing: nothing.
    std::optional<int> countTokensInEditing() const;

    QString placeholderText() const;
    void setPlaceholderText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // Every edit by the user: a character typed, a token finished or removed.
    void textEdited();
    // Return pressed, or the field left.
    void editingFinished();

protected:
    QLineEdit* editor() const;
    // Empty space above and below the rows.
    virtual int verticalMargin() const;
    // The height the field needs to show every row at the given width.
    int contentHeightForWidth(int width) const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Layout {
        QList<QRect> tokens;
        QRect editor;
        int height = 0;
    };
    // Token and editor places for rows of the given width, from (0, 0).
    Layout layoutFor(int width) const;
    QRect rowArea() const;
    int rowHeight() const;
    int outerHeight(int rowsHeight) const;
    void relayout();
    // Turns the typed text into tokens; the piece after the last comma stays typed unless `all`.
    bool takeTypedTokens(bool all);
    void finishTyping();

    QStringList tokens_;
    QString placeholder_;
    QLineEdit* editor_ = nullptr;
    QList<QRect> tokenRects_;
};

} // namespace corvelle
