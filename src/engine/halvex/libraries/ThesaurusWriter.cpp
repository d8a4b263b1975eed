#include "engine/halvex/libraries/ThesaurusWriter.h"

#include "engine/halvex/libraries/LibraryFile.h"

namespace halvex {

namespace {

QString escapedCharacter(QChar c)
{
    switch (c.unicode()) {
    case '\t':
        return QStringLiteral("\\t");
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    case '\\':
        return QStringLiteral("\\\\");
    }
    return c;
}

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (QChar c : text)
        out += c == u'"' ? QStringLiteral("\\\"") : escapedCharacter(c);
    return out + u'"';
}

// `name`: the text starts the keyword, where "@" would mark a person.
QString written(const QString& text, bool name)
{
    // Spaces at either end would be taken for layout.
    if (text.isEmpty() || text.front() == u' ' || text.back() == u' ')
        return quoted(text);
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool special = c == u'[' || c == u']' || c == u'{' || c == u'}'
                             || (i == 0 && (c == u'"' || (name && c == u'@')));
        out += special ? QString(u'\\') + c : escapedCharacter(c);
    }
    return out;
}

void writeItems(const QList<KeywordItemPtr>& items, int depth, QString& out)
{
    for (const KeywordItemPtr& item : items) {
        out += QString(depth, u'\t');
        if (item->isPerson())
            out += u'@';
        out += item->isHeader() ? u'[' + written(item->name(), false) + u']' : written(item->name(), true);
        for (const QString& synonym : item->synonyms())
            out += QStringLiteral(" {") + written(synonym, false) + u'}';
        out += u'\n';
        writeItems(item->children(), depth + 1, out);
    }
}

} // namespace

QString ThesaurusWriter::string(const QList<KeywordItemPtr>& items)
{
    QString out;
    writeItems(items, 0, out);
    return out;
}

void ThesaurusWriter::write(const QList<KeywordItemPtr>& items, const QString& path)
{
    LibraryFile::writeFile(path, string(items).toUtf8());
}

} // namespace halvex
