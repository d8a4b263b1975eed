#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace corvelle {

// What one row of a value table shows: a title, an optional subtitle, the value part and
// optional notes, with a few display options. A plain value made field by field by whoever
// produces the row (the value editors for tag rows, the preset and profile tables for theirs);
// the cells draw it without asking where it came from.
class ContentValue {
public:
    // The value part of a row.
    class Item {
    public:
        enum class Kind { text, action, words };

        // Plain text, right-aligned and wrapped. An empty text is legal and draws nothing.
        static Item text(const QString& text);
        // A framed box: the caption in a shaded band (none when absent or empty), the value below.
        static Item action(const std::optional<QString>& caption, const QString& value);
        // A framed box: the caption band, then each word in its own small box.
        static Item words(const std::optional<QString>& caption, const QStringList& words);

        Kind kind() const { return kind_; }
        // The text of a text item, the value of an action item; empty for words.
        const QString& text() const { return text_; }
        // Action and words items; an empty caption counts as none.
        std::optional<QString> caption() const;
        const QStringList& wordList() const { return words_; }

        friend bool operator==(const Item&, const Item&) = default;

    private:
        Kind kind_ = Kind::text;
        QString text_;
        std::optional<QString> caption_;
        QStringList words_;
    };

    // Display options, a set of bits over an int. Bits other than the three below are carried
    // and change nothing.
    class Mode {
    public:
        // Labels in the accent colour: the row is edited.
        static constexpr int edited = 1;
        // A text value in the secondary colour.
        static constexpr int dimmed = 2;
        // A text value in italics between dashes: it stands for a value (several, none).
        static constexpr int placeholder = 4;

        constexpr Mode(int rawValue = 0) : rawValue_(rawValue) {}

        constexpr int rawValue() const { return rawValue_; }
        constexpr bool contains(int bits) const { return (rawValue_ & bits) == bits; }
        constexpr void insert(int bits) { rawValue_ |= bits; }
        constexpr void remove(int bits) { rawValue_ &= ~bits; }
        constexpr Mode united(Mode other) const { return Mode(rawValue_ | other.rawValue_); }
        constexpr Mode intersected(Mode other) const { return Mode(rawValue_ & other.rawValue_); }

        friend constexpr bool operator==(Mode a, Mode b) { return a.rawValue_ == b.rawValue_; }

    private:
        int rawValue_;
    };

    QString title;
    // A second name of the row (a tag row's tag name), for the producer and the table; not drawn.
    std::optional<QString> alternateTitle;
    // Drawn under the title, smaller and in the secondary colour.
    std::optional<QString> subtitle;
    Item item = Item::text(QString());
    // Present (even empty): the row shows its notes button.
    std::optional<QString> notes;
    Mode mode;
    // The object the row was made from, for the producer and the table; never drawn.
    QVariant source;

    // The value a table cell holds as its object value, or none when it holds something else.
    static std::optional<ContentValue> fromVariant(const QVariant& value);
};

} // namespace corvelle

Q_DECLARE_METATYPE(corvelle::ContentValue)
