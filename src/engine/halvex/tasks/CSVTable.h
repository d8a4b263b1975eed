#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace halvex {

// A table of text cells in the comma-separated form spreadsheets read and write: UTF-8, rows
// ended by CRLF, a cell quoted when it holds a comma, a quote, a line break or outer spaces,
// with its quotes doubled. Reading takes LF or CRLF, a leading byte-order mark, and line
// breaks inside quoted cells.
class CSVTable {
public:
    QList<QStringList> rows;

    QByteArray toBytes() const;

    struct ParseError {
        int line = 0; // 1-based line where the bad cell starts
        QString reason;
    };
    // None with `error` set when the text is not a table (an unclosed quote, a quote inside a
    // bare cell, text that is not UTF-8).
    static std::optional<CSVTable> parse(const QByteArray& bytes, ParseError* error = nullptr);

    static QString quoted(const QString& cell);

    // The cell of a list value: its items joined by ", ", as people read and type lists. When an
    // item holds ", " itself, or begins with a quote, every item is written in quotes (inner
    // quotes doubled) so that the items come back as they were: "Paris, France", "summer".
    static QString listCell(const QStringList& items);
    // The items of a list cell written either way.
    static QStringList listItems(const QString& cell);
};

} // namespace halvex
