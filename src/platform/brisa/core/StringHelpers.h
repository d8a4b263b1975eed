#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace brisa {

// The text itself, or none when it is empty or holds only white space.
std::optional<QString> nonBlank(const QString& text);

// At most `length` characters from the start of the text (a surrogate pair is never split).
QString reducedStringAtEnd(const QString& text, int length);

// The text without `prefix` when it starts with it, else the text unchanged.
QString removedPrefix(const QString& text, const QString& prefix);

// The path with the user's home folder at its start written as "~".
QString abbreviateTildeInPath(const QString& path);

// Whether every non-empty word occurs in the text, in list order and without overlapping: each
// word is searched from the end of the previous word's match. Case, diacritics and character
// width are ignored; no locale is used. An empty list, or one of empty words, matches any text.
bool containsAllWords(const QStringList& words, const QString& text);

} // namespace brisa
