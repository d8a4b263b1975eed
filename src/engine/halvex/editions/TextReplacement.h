#pragma once

#include "engine/halvex/editions/SearchAndReplaceSettings.h"

#include <QRegularExpression>
#include <QString>

namespace halvex {

// The search and replacement of a preset entry, ready to run on any number of texts; safe to use
// from any thread.
//
// The options that ignore diacritics and width compare folded texts (accents taken off, full and
// half width forms made plain) and replace the matching ranges of the original text, so that the
// rest of the text keeps its accents and forms. An empty search string changes nothing.
class TextReplacement {
public:
    explicit TextReplacement(const SearchAndReplaceSettings& settings);

    // False for a regular expression that does not compile.
    bool isValid() const { return expression_.isValid(); }
    // Why the regular expression does not compile; empty when it does.
    QString errorString() const;

    // The text with every non-overlapping match replaced; the text itself when invalid.
    QString apply(const QString& text) const;

private:
    SearchAndReplaceSettings settings_;
    QRegularExpression expression_;
};

} // namespace halvex
