#include "platform/brisa/core/StringHelpers.h"

#include <QDir>

namespace brisa {

namespace {

// The form in which searching ignores case, diacritics and width: full- and half-width forms
// replaced by their plain letters, canonically decomposed, without non-spacing marks, and
// case-folded. Each character folds on its own, so match order is kept.
QString searchFolded(const QString& text)
{
    QString widthFolded;
    widthFolded.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const QChar::Decomposition tag = QChar::decompositionTag(c);
        if (tag == QChar::Wide || tag == QChar::Narrow)
            widthFolded += QChar::decomposition(c);
        else
            widthFolded += QString::fromUcs4(&c, 1);
    }
    QString folded;
    folded.reserve(widthFolded.size());
    for (char32_t c : widthFolded.normalized(QString::NormalizationForm_D).toUcs4()) {
        if (QChar::category(c) != QChar::Mark_NonSpacing)
            folded += QString::fromUcs4(&c, 1);
    }
    return folded.toCaseFolded();
}

} // namespace

std::optional<QString> nonBlank(const QString& text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    return text;
}

QString reducedStringAtEnd(const QString& text, int length)
{
    if (text.size() <= length)
        return text;
    int kept = qMax(0, length);
    if (kept > 0 && text.at(kept - 1).isHighSurrogate())
        --kept;
    return text.left(kept);
}

QString removedPrefix(const QString& text, const QString& prefix)
{
    if (!prefix.isEmpty() && text.startsWith(prefix))
        return text.mid(prefix.size());
    return text;
}

QString abbreviateTildeInPath(const QString& path)
{
    const QString home = QDir::homePath();
    if (home.isEmpty() || home == QStringLiteral("/"))
        return path;
    if (path == home)
        return QStringLiteral("~");
    if (path.startsWith(home + QLatin1Char('/')))
        return QLatin1Char('~') + path.mid(home.size());
    return path;
}

bool containsAllWords(const QStringList& words, const QString& text)
{
    const QString folded = searchFolded(text);
    qsizetype start = 0;
    for (const QString& word : words) {
        if (word.isEmpty())
            continue;
        const QString needle = searchFolded(word);
        const qsizetype found = folded.indexOf(needle, start);
        if (found < 0)
            return false;
        start = found + needle.size();
    }
    return true;
}

} // namespace brisa
