#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace ostrak {
struct TagRecord;
}

namespace halvex {

// One value as the file stores it: the printed text, the numeric (unconverted) text, the items of
// a list tag, and whether the value is binary data left in the file until asked for.
class TagValue {
public:
    TagValue() = default;
    // A single text value, printed and numeric alike.
    explicit TagValue(const QString& text);
    // A list value; items stay apart, so an item holding ", " is still one item.
    explicit TagValue(const QStringList& items);
    static TagValue fromRecord(const ostrak::TagRecord& record);

    // Printed; list items joined with ", ".
    const QString& text() const { return text_; }
    const QString& numericText() const { return numericText_; }
    bool isList() const { return list_ != nullptr; }
    // Printed items of a list value; empty for a single value.
    const QStringList& items() const;
    const QStringList& numericItems() const;
    // The items of a list value, or the text as the one item of a single value.
    QStringList values() const;

    bool isBinary() const { return isBinary_; }
    qint64 binarySize() const { return binarySize_; }
    bool isStructure() const { return isStructure_; }

    friend bool operator==(const TagValue& a, const TagValue& b);

private:
    // Few values are lists: their items live apart, so that a single value (most of the tens of
    // thousands an opening holds) costs two texts and a pointer.
    struct ListItems {
        QStringList items;
        QStringList numericItems;
    };
    void setItems(const QStringList& items, const QStringList& numericItems);

    QString text_;
    QString numericText_;
    std::shared_ptr<const ListItems> list_;
    qint64 binarySize_ = 0;
    bool isBinary_ = false;
    bool isStructure_ = false;
};

} // namespace halvex
