#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace halvex {

// The words a user typed into a search field, matched in their order against a text: case,
// accents and character width are ignored (both sides are compared in their folded form).
class SearchWords {
public:
    // Splits at white space; runs of blanks give no empty words. A missing or blank text has no
    // words, and no words match every text.
    explicit SearchWords(const std::optional<QString>& text);

    bool isEmpty() const { return words_.isEmpty(); }
    const QStringList& foldedWords() const { return words_; }

    // Whether every word occurs in `foldedText` (a text made by fold()), each one after the end
    // of the one before.
    bool foundInOrder(const QString& foldedText) const;

    // Compatibility decomposition with the combining marks left out, then case folded: "Ｌａｔ",
    // "lät" and "LAT" all become "lat".
    static QString fold(const QString& text);

private:
    QStringList words_;
};

} // namespace halvex
