#include "engine/halvex/tags/TagComparatorExporter.h"

#include "engine/halvex/libraries/LibraryFile.h"

#include <QRegularExpression>

namespace halvex {

namespace {

// The cells of the header and of each row, headings apart.
struct Line {
    bool isHeading = false;
    QStringList cells;
};

QList<Line> linesOf(const TagComparatorTable& table)
{
    QList<Line> lines;
    Line header;
    for (int column = 0; column < table.numberOfColumns(); ++column)
        header.cells << table.columnTitle(column);
    lines << header;
    for (const TagComparatorRow& row : table.rows()) {
        if (row.isHeading()) {
            lines << Line{true, {row.heading()}};
            continue;
        }
        Line line{false, {row.entry().tagName().rawValue()}};
        for (const auto& value : row.entry().values())
            line.cells << (value ? value->text() : QString());
        lines << line;
    }
    return lines;
}

QString plainText(QString text)
{
    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]"));
    return text.replace(breaks, QStringLiteral(" "));
}

QString csvField(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?\\d*\\.?\\d+([eE][+-]?\\d+)?$"));
    QString field = text;
    const bool formula = !field.isEmpty()
                      && (field.startsWith(u'=') || field.startsWith(u'@') || field.startsWith(u'\t')
                          || field.startsWith(u'\r')
                          || ((field.startsWith(u'+') || field.startsWith(u'-')) && !number.match(field).hasMatch()));
    if (formula)
        field.prepend(u'\'');
    if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r'))
        field = u'"' + field.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return field;
}

QByteArray rtfText(const QString& text)
{
    QByteArray rtf;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            rtf += '\\';
            rtf += char(unit);
        } else if (unit == u'\n') {
            rtf += "\\line ";
        } else if (unit == u'\t') {
            rtf += "\\tab ";
        } else if (unit < 0x20) {
            continue;
        } else if (unit < 0x80) {
            rtf += char(unit);
        } else {
            // RTF counts in signed 16-bit UTF-16 units; "?" stands in for readers without Unicode.
            rtf += "\\u" + QByteArray::number(qint16(unit)) + "?";
        }
    }
    return rtf;
}

} // namespace

TagComparatorExporter::TagComparatorExporter(std::shared_ptr<const TagComparatorTable> table)
    : table_(std::move(table))
{
}

void TagComparatorExporter::exportAsTXT(const QString& path) const
{
    QString text;
    for (const Line& line : linesOf(*table_)) {
        if (line.isHeading) {
            text += u'[' + plainText(line.cells.first()) + QStringLiteral("]\n");
            continue;
        }
        QStringList cells;
        for (const QString& cell : line.cells)
            cells << plainText(cell);
        text += cells.join(u'\t') + u'\n';
    }
    LibraryFile::writeFile(path, text.toUtf8());
}

void TagComparatorExporter::exportAsRTF(const QString& path) const
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Helvetica;}}\\f0\\fs22\n";
    const QList<Line> lines = linesOf(*table_);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line& line = lines.at(i);
        QByteArrayList cells;
        for (const QString& cell : line.cells)
            cells << rtfText(cell);
        const bool bold = i == 0 || line.isHeading;
        rtf += (bold ? "{\\b " : "{") + cells.join("\\tab ") + "}\\par\n";
    }
    rtf += "}\n";
    LibraryFile::writeFile(path, rtf);
}

void TagComparatorExporter::exportAsCSV(const QString& path) const
{
    QString text;
    for (const Line& line : linesOf(*table_)) {
        if (line.isHeading)
            continue;
        QStringList fields;
        for (const QString& cell : line.cells)
            fields << csvField(cell);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    LibraryFile::writeFile(path, text.toUtf8());
}

} // namespace halvex
