#include "engine/halvex/tags/SearchWords.h"

#include <QRegularExpression>

namespace halvex {

SearchWords::SearchWords(const std::optional<QString>& text)
{
    if (!text)
        return;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& word : text->split(blanks, Qt::SkipEmptyParts)) {
        const QString folded = fold(word);
        if (!folded.isEmpty())
            words_ << folded;
    }
}

bool SearchWords::foundInOrder(const QString& foldedText) const
{
    qsizetype from = 0;
    for (const QString& word : words_) {
        const qsizetype at = foldedText.indexOf(word, from);
        if (at < 0)
            return false;
        from = at + word.size();
    }
    return true;
}

QString SearchWords::fold(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString kept;
    kept.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        switch (c.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            break;
        default:
            kept.append(c);
        }
    }
    return kept.toCaseFolded();
}

} // namespace halvex
