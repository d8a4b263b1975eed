#include "engine/halvex/editions/TextReplacement.h"

#include <QList>

#include <algorithm>

namespace halvex {

namespace {

struct Folding {
    bool caseFold = false;
    bool diacritics = false;
    bool width = false;
};

// A folded text, and for each of its UTF-16 units the range of the original character it comes
// from: several units for a character that folds into several ("ß" into "ss"), none for one
// that folds away (a combining accent).
struct FoldedText {
    QString text;
    QList<int> starts;
    QList<int> ends;
    int originalSize = 0;

    // The range of the original that the folded range covers, with the characters that folded
    // away right after it (the accents of its last letter).
    std::pair<int, int> originalRange(int start, int end) const
    {
        const int size = int(text.size());
        const int from = start < size ? starts.at(start) : originalSize;
        if (end <= start)
            return {from, from};
        const int next = end < size ? starts.at(end) : originalSize;
        return {from, std::max(ends.at(end - 1), next)};
    }
};

QString withoutMarks(const QString& text)
{
    QString kept;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::category(c) != QChar::Mark_NonSpacing)
            kept.append(QString::fromUcs4(&c, 1));
    }
    return kept;
}

QString foldedCharacter(char32_t c, const Folding& folding)
{
    QString piece = QString::fromUcs4(&c, 1);
    if (folding.width) {
        const QChar::Decomposition tag = QChar::decompositionTag(c);
        if (tag == QChar::Wide || tag == QChar::Narrow)
            piece = QChar::decomposition(c);
    }
    if (folding.diacritics)
        piece = withoutMarks(piece.normalized(QString::NormalizationForm_D));
    // Full case mapping, unlike toCaseFolded(): "ß" matches "SS".
    if (folding.caseFold)
        piece = piece.toUpper().toLower();
    return piece;
}

FoldedText fold(const QString& text, const Folding& folding)
{
    FoldedText folded;
    folded.originalSize = int(text.size());
    for (int i = 0; i < text.size();) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const int length = pair ? 2 : 1;
        const char32_t c = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        const QString piece = foldedCharacter(c, folding);
        for (qsizetype unit = 0; unit < piece.size(); ++unit) {
            folded.starts.append(i);
            folded.ends.append(i + length);
        }
        folded.text.append(piece);
        i += length;
    }
    return folded;
}

// The case of the search string is folded with the text's, but the case of a pattern is left to
// the expression: folding it would turn \D into \d.
Folding textFolding(const SearchAndReplaceSettings& settings)
{
    return {!settings.useRegex && settings.ignoreCase, settings.ignoreDiacritic, settings.ignoreWidth};
}

QRegularExpression expressionOf(const SearchAndReplaceSettings& settings)
{
    if (!settings.useRegex)
        return QRegularExpression(QRegularExpression::escape(fold(settings.searchString, textFolding(settings)).text));
    QRegularExpression::PatternOptions options = QRegularExpression::UseUnicodePropertiesOption;
    if (settings.ignoreCase)
        options |= QRegularExpression::CaseInsensitiveOption;
    const QString pattern = settings.ignoreDiacritic
                                ? fold(settings.searchString, Folding{false, true, false}).text
                                : settings.searchString;
    return QRegularExpression(pattern, options);
}

// The replacement with its group references filled in from the original text.
QString expanded(const QString& replacement, const QString& original, const FoldedText& folded,
                 const QRegularExpressionMatch& match)
{
    const int captureCount = match.regularExpression().captureCount();
    QString result;
    for (int i = 0; i < replacement.size(); ++i) {
        const QChar c = replacement.at(i);
        if (c == u'\\' && i + 1 < replacement.size()) {
            result.append(replacement.at(++i));
        } else if (c == u'$' && i + 1 < replacement.size() && replacement.at(i + 1).isDigit()) {
            // Two digits name a group when the expression has that many.
            int group = replacement.at(++i).digitValue();
            if (i + 1 < replacement.size() && replacement.at(i + 1).isDigit()
                && group * 10 + replacement.at(i + 1).digitValue() <= captureCount)
                group = group * 10 + replacement.at(++i).digitValue();
            if (group <= captureCount && match.capturedStart(group) >= 0) {
                const auto [start, end] =
                    folded.originalRange(int(match.capturedStart(group)), int(match.capturedEnd(group)));
                result.append(QStringView(original).mid(start, end - start));
            }
        } else {
            result.append(c);
        }
    }
    return result;
}

} // namespace

TextReplacement::TextReplacement(const SearchAndReplaceSettings& settings)
    : settings_(settings), expression_(expressionOf(settings))
{
}

QString TextReplacement::errorString() const
{
    if (expression_.isValid())
        return {};
    return QStringLiteral("%1 (offset %2)").arg(expression_.errorString()).arg(expression_.patternErrorOffset());
}

QString TextReplacement::apply(const QString& text) const
{
    if (!isValid() || settings_.searchString.isEmpty())
        return text;
    const FoldedText folded = fold(text, textFolding(settings_));
    QString result;
    int copied = 0;
    for (QRegularExpressionMatchIterator it = expression_.globalMatch(folded.text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const auto [start, end] = folded.originalRange(int(match.capturedStart()), int(match.capturedEnd()));
        // Two matches inside one character that folds into several ("s" twice in "ß").
        if (start < copied)
            continue;
        result.append(QStringView(text).mid(copied, start - copied));
        result.append(settings_.useRegex ? expanded(settings_.replaceString, text, folded, match) : settings_.replaceString);
        copied = end;
    }
    result.append(QStringView(text).mid(copied));
    return result;
}

} // namespace halvex
