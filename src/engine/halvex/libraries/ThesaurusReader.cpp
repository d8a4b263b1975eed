#include "engine/halvex/libraries/ThesaurusReader.h"

#include "engine/halvex/libraries/LibraryFile.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>
#include <langinfo.h>

namespace halvex {

namespace {

struct Entry {
    int depth = 0;
    QString name;
    bool isHeader = false;
    bool isPerson = false;
    QStringList synonyms;
};

bool isLayoutSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

// One line of the file.
class LineParser {
public:
    LineParser(const QString& line, int number) : line_(line), number_(number) {}

    // None for a blank line.
    std::optional<Entry> parse()
    {
        Entry entry;
        while (!atEnd() && peek() == u'\t')
            ++pos_;
        entry.depth = int(pos_);
        skipSpaces();
        if (atEnd())
            return std::nullopt;
        pos_ = entry.depth;
        if (peek() == u' ')
            fail(pos_, QStringLiteral("KeywordFileSpaceIndentError"));
        if (peek() == u'@') {
            entry.isPerson = true;
            ++pos_;
        }
        skipSpaces();
        if (!atEnd() && peek() == u'[') {
            ++pos_;
            entry.isHeader = true;
            entry.name = text(u']');
            expect(u']');
        } else {
            entry.name = text(u'{');
        }
        for (skipSpaces(); !atEnd(); skipSpaces()) {
            if (peek() != u'{')
                fail(pos_, QStringLiteral("KeywordFileUnexpectedCharacterError"), {QString(peek())});
            ++pos_;
            entry.synonyms.append(text(u'}'));
            expect(u'}');
        }
        return entry;
    }

    // Every error names the line and the column (from 1), then what `key` adds.
    [[noreturn]] void fail(qsizetype position, const QString& key, const QVariantList& more = {}) const
    {
        throw LibraryError(key, QVariantList{number_, int(position) + 1} + more);
    }

private:
    bool atEnd() const { return pos_ >= line_.size(); }
    QChar peek() const { return line_.at(pos_); }

    void skipSpaces()
    {
        while (!atEnd() && isLayoutSpace(peek()))
            ++pos_;
    }

    void expect(QChar closing)
    {
        if (atEnd() || peek() != closing)
            fail(pos_, QStringLiteral("KeywordFileMissingCharacterError"), {QString(closing)});
        ++pos_;
    }

    // A name or synonym, up to `closing` or the end of the line.
    QString text(QChar closing)
    {
        skipSpaces();
        if (!atEnd() && peek() == u'"')
            return quotedText();
        QString out;
        qsizetype kept = 0; // spaces at the end are layout unless escaped
        while (!atEnd() && peek() != closing) {
            const QChar c = peek();
            if (c == u'[' || c == u']' || c == u'{' || c == u'}')
                fail(pos_, QStringLiteral("KeywordFileUnescapedCharacterError"), {QString(c)});
            ++pos_;
            out += c == u'\\' ? escaped() : c;
            if (c == u'\\' || !isLayoutSpace(c))
                kept = out.size();
        }
        out.truncate(kept);
        return out;
    }

    QString quotedText()
    {
        const qsizetype start = pos_++;
        QString out;
        while (true) {
            if (atEnd())
                fail(start, QStringLiteral("KeywordFileOpenQuoteError"));
            const QChar c = line_.at(pos_++);
            if (c == u'"') {
                skipSpaces();
                return out;
            }
            out += c == u'\\' ? escaped() : c;
        }
    }

    // The character after a backslash (already read).
    QChar escaped()
    {
        if (atEnd())
            fail(pos_ - 1, QStringLiteral("KeywordFileTrailingBackslashError"));
        const QChar c = line_.at(pos_++);
        switch (c.unicode()) {
        case 't':
            return u'\t';
        case 'n':
            return u'\n';
        case 'r':
            return u'\r';
        case '\\':
        case '[':
        case ']':
        case '{':
        case '}':
        case '"':
        case '@':
            return c;
        }
        fail(pos_ - 2, QStringLiteral("KeywordFileUnknownEscapeError"), {QString(c)});
    }

    const QString& line_;
    const int number_;
    qsizetype pos_ = 0;
};

// The entries from `next` on at `depth`, each with the deeper entries that follow it.
QList<KeywordItemPtr> build(const QList<Entry>& entries, qsizetype& next, int depth)
{
    QList<KeywordItemPtr> items;
    while (next < entries.size() && entries.at(next).depth == depth) {
        const Entry& entry = entries.at(next++);
        const QList<KeywordItemPtr> children = build(entries, next, depth + 1);
        items.append(std::make_shared<KeywordItem>(entry.name, entry.isHeader, entry.isPerson,
                                                   entry.synonyms, children));
    }
    return items;
}

std::optional<QString> decoded(const QByteArray& bytes, QStringDecoder decoder)
{
    if (!decoder.isValid())
        return std::nullopt;
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The bytes in the named encoding through the C library's converter, which knows every
// encoding a locale can have (Qt's own decoders know only the Unicode ones and Latin-1). None
// for an unknown encoding or bytes that are not in it.
std::optional<QString> decodedWithIconv(const QByteArray& bytes, const char* encoding)
{
    iconv_t converter = iconv_open("UTF-8", encoding);
    if (converter == iconv_t(-1))
        return std::nullopt;
    QByteArray utf8;
    char buffer[4096];
    char* input = const_cast<char*>(bytes.constData());
    std::size_t inputLeft = std::size_t(bytes.size());
    bool failed = false;
    while (inputLeft > 0) {
        char* output = buffer;
        std::size_t outputLeft = sizeof buffer;
        const std::size_t converted = iconv(converter, &input, &inputLeft, &output, &outputLeft);
        utf8.append(buffer, qsizetype(sizeof buffer - outputLeft));
        if (converted == std::size_t(-1) && errno != E2BIG) {
            failed = true; // EILSEQ, EINVAL: not text of that encoding, or cut in a character
            break;
        }
    }
    if (!failed) {
        // Whatever a stateful encoding still holds back.
        char* output = buffer;
        std::size_t outputLeft = sizeof buffer;
        failed = iconv(converter, nullptr, nullptr, &output, &outputLeft) == std::size_t(-1);
        utf8.append(buffer, qsizetype(sizeof buffer - outputLeft));
    }
    iconv_close(converter);
    if (failed)
        return std::nullopt;
    return QString::fromUtf8(utf8);
}

// The encoding of a byte-order mark; else UTF-8 when the bytes are valid UTF-8; else the
// locale's encoding (a file written by an older tool on this system). None when nothing fits.
std::optional<QString> decodedText(const QByteArray& bytes)
{
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes))
        return decoded(bytes, QStringDecoder(*marked));
    if (std::optional<QString> text = decoded(bytes, QStringDecoder(QStringConverter::Utf8)))
        return text;
    const char* codeset = nl_langinfo(CODESET);
    if (!codeset || !*codeset || QByteArray(codeset).toUpper().replace('-', "") == "UTF8")
        return std::nullopt;
    // Plain ASCII, the C locale's, has no letters beyond the ones UTF-8 has already refused.
    if (QByteArray(codeset) == "ANSI_X3.4-1968")
        return std::nullopt;
    if (QStringDecoder decoder(codeset); decoder.isValid())
        return decoded(bytes, std::move(decoder));
    return decodedWithIconv(bytes, codeset);
}

} // namespace

QList<KeywordItemPtr> ThesaurusReader::read(const QString& string)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    const QString text = string.startsWith(QChar(0xFEFF)) ? string.mid(1) : string;
    const QStringList lines = text.split(lineBreak);
    QList<Entry> entries;
    int depth = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        LineParser parser(lines.at(i), int(i) + 1);
        const std::optional<Entry> entry = parser.parse();
        if (!entry)
            continue;
        if (entry->depth > depth + 1) {
            parser.fail(0, entries.isEmpty() ? QStringLiteral("KeywordFileIndentedFirstLineError")
                                             : QStringLiteral("KeywordFileIndentSkipError"));
        }
        if (entry->depth >= maximumDepth)
            parser.fail(0, QStringLiteral("KeywordFileTooDeepError"), {maximumDepth});
        depth = entry->depth;
        entries.append(*entry);
    }
    qsizetype next = 0;
    return build(entries, next, 0);
}

QList<KeywordItemPtr> ThesaurusReader::readFile(const QString& path)
{
    const QByteArray bytes = LibraryFile::readFile(path);
    const std::optional<QString> text = decodedText(bytes);
    if (!text)
        throw LibraryError(QStringLiteral("KeywordFileEncodingError"), {path});
    try {
        return read(*text);
    } catch (const LibraryError& error) {
        throw error.after(QStringLiteral("KeywordFileError"), {path});
    }
}

} // namespace halvex
