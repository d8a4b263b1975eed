#include "engine/halvex/tasks/CSVTable.h"

#include <QStringDecoder>

#include <algorithm>

namespace halvex {

QString CSVTable::quoted(const QString& cell)
{
    const bool needsQuotes = cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"'))
                             || cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'))
                             || (!cell.isEmpty() && (cell.front().isSpace() || cell.back().isSpace()));
    if (!needsQuotes)
        return cell;
    QString text = cell;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QByteArray CSVTable::toBytes() const
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        cells.reserve(row.size());
        for (const QString& cell : row)
            cells.append(quoted(cell));
        text += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

std::optional<CSVTable> CSVTable::parse(const QByteArray& bytes, ParseError* error)
{
    auto fail = [&](int line, const QString& reason) -> std::optional<CSVTable> {
        if (error)
            *error = {line, reason};
        return std::nullopt;
    };
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return fail(0, QStringLiteral("not UTF-8 text"));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    CSVTable table;
    QStringList row;
    QString cell;
    bool inQuotes = false;
    bool wasQuoted = false;
    int line = 1;
    int cellLine = 1;
    auto endCell = [&] {
        row.append(cell);
        cell.clear();
        wasQuoted = false;
        cellLine = line;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char(',')) {
            endCell();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++line;
            endCell();
            table.rows.append(row);
            row.clear();
        } else if (c == QLatin1Char('"')) {
            if (!cell.isEmpty() || wasQuoted)
                return fail(cellLine, QStringLiteral("a quote inside a cell that does not start with one"));
            inQuotes = true;
            wasQuoted = true;
        } else {
            if (wasQuoted)
                return fail(cellLine, QStringLiteral("text after the closing quote of a cell"));
            cell += c;
        }
    }
    if (inQuotes)
        return fail(cellLine, QStringLiteral("a quoted cell that is never closed"));
    if (!cell.isEmpty() || !row.isEmpty() || wasQuoted) {
        endCell();
        table.rows.append(row);
    }
    return table;
}

namespace {

const QString listItemSeparator = QStringLiteral(", ");

// The items of a cell in the quoted form, or none when it is not wholly in that form.
std::optional<QStringList> quotedListItems(const QString& cell)
{
    QStringList items;
    qsizetype at = 0;
    while (true) {
        if (at >= cell.size() || cell.at(at) != u'"')
            return std::nullopt;
        QString item;
        ++at;
        while (true) {
            if (at >= cell.size())
                return std::nullopt;
            if (cell.at(at) == u'"') {
                if (at + 1 < cell.size() && cell.at(at + 1) == u'"') {
                    item += u'"';
                    at += 2;
                    continue;
                }
                ++at;
                break;
            }
            item += cell.at(at++);
        }
        items.append(item);
        if (at == cell.size())
            return items;
        if (!QStringView(cell).mid(at).startsWith(listItemSeparator))
            return std::nullopt;
        at += listItemSeparator.size();
    }
}

} // namespace

QString CSVTable::listCell(const QStringList& items)
{
    const bool plain = std::none_of(items.begin(), items.end(), [](const QString& item) {
        return item.contains(listItemSeparator) || item.startsWith(u'"');
    });
    if (plain)
        return items.join(listItemSeparator);
    QStringList quotedItems;
    for (QString item : items)
        quotedItems.append(u'"' + item.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"');
    return quotedItems.join(listItemSeparator);
}

QStringList CSVTable::listItems(const QString& cell)
{
    if (cell.startsWith(u'"')) {
        if (const auto items = quotedListItems(cell))
            return *items;
    }
    return cell.split(listItemSeparator);
}

} // namespace halvex
