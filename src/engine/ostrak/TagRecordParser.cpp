#include "engine/ostrak/TagRecordParser.h"

#include <QRegularExpression>

#include <cctype>
#include <utility>

namespace ostrak {

namespace {

struct Node {
    enum class Kind { Scalar, List, Map };
    Kind kind = Kind::Scalar;
    QString text;
    QList<Node> items;
    QList<std::pair<QString, Node>> fields;

    const Node* field(QLatin1String name) const
    {
        for (const auto& [key, value] : fields) {
            if (key == name)
                return &value;
        }
        return nullptr;
    }
};

// ExifTool's PHP form: Array( ... ) for lists and maps ("key" => value), strings in double
// quotes with \" \\ \$ \n \r \t \xHH escapes, numbers bare.
class Scanner {
public:
    explicit Scanner(const QByteArray& data)
        : data_(data)
    {
    }

    bool atEnd()
    {
        skipSpace();
        while (pos_ < data_.size() && data_.at(pos_) == ';') {
            ++pos_;
            skipSpace();
        }
        return pos_ >= data_.size();
    }

    bool parseValue(Node& node)
    {
        skipSpace();
        if (consume("Array("))
            return parseArray(node);
        node.kind = Node::Kind::Scalar;
        if (pos_ < data_.size() && data_.at(pos_) == '"')
            return parseString(node.text);
        return parseBare(node.text);
    }

private:
    void skipSpace()
    {
        while (pos_ < data_.size() && std::isspace(static_cast<unsigned char>(data_.at(pos_))))
            ++pos_;
    }

    bool consume(const char* token)
    {
        skipSpace();
        const QByteArrayView view(token);
        if (QByteArrayView(data_).sliced(pos_).startsWith(view)) {
            pos_ += view.size();
            return true;
        }
        return false;
    }

    bool parseArray(Node& node)
    {
        node.kind = Node::Kind::List;
        if (consume(")"))
            return true;
        bool first = true;
        for (;;) {
            Node item;
            if (!parseValue(item))
                return false;
            if (consume("=>")) {
                if (!first && node.kind != Node::Kind::Map)
                    return false;
                node.kind = Node::Kind::Map;
                Node value;
                if (item.kind != Node::Kind::Scalar || !parseValue(value))
                    return false;
                node.fields.append({item.text, std::move(value)});
            } else {
                if (node.kind == Node::Kind::Map)
                    return false;
                node.items.append(std::move(item));
            }
            first = false;
            if (consume(")"))
                return true;
            if (!consume(","))
                return false;
        }
    }

    bool parseString(QString& text)
    {
        ++pos_; // opening quote
        // Most strings hold no escape: decoded straight from the output.
        const qsizetype start = pos_;
        qsizetype end = start;
        while (end < data_.size() && data_.at(end) != '"' && data_.at(end) != '\\')
            ++end;
        if (end < data_.size() && data_.at(end) == '"') {
            text = QString::fromUtf8(data_.constData() + start, end - start);
            pos_ = end + 1;
            return true;
        }
        QByteArray bytes(data_.constData() + start, end - start);
        pos_ = end;
        while (pos_ < data_.size()) {
            const char c = data_.at(pos_++);
            if (c == '"') {
                text = QString::fromUtf8(bytes);
                return true;
            }
            if (c != '\\' || pos_ >= data_.size()) {
                bytes += c;
                continue;
            }
            const char e = data_.at(pos_++);
            switch (e) {
            case 'n': bytes += '\n'; break;
            case 'r': bytes += '\r'; break;
            case 't': bytes += '\t'; break;
            case '"':
            case '\\':
            case '$': bytes += e; break;
            case 'x': {
                bool ok = false;
                const int code = data_.mid(pos_, 2).toInt(&ok, 16);
                if (ok && pos_ + 2 <= data_.size()) {
                    bytes += char(code);
                    pos_ += 2;
                } else {
                    bytes += "\\x";
                }
                break;
            }
            default:
                bytes += '\\';
                bytes += e;
            }
        }
        return false;
    }

    bool parseBare(QString& text)
    {
        const qsizetype start = pos_;
        while (pos_ < data_.size()) {
            const char c = data_.at(pos_);
            if (c == ',' || c == ')' || c == ';' || std::isspace(static_cast<unsigned char>(c)))
                break;
            ++pos_;
        }
        if (pos_ == start)
            return false;
        text = QString::fromUtf8(data_.mid(start, pos_ - start));
        return true;
    }

    const QByteArray& data_;
    qsizetype pos_ = 0;
};

// ExifTool's own serialised form of a structure, which it also accepts when writing one.
QString serialize(const Node& node, QChar closing = QChar())
{
    switch (node.kind) {
    case Node::Kind::Map: {
        QStringList fields;
        for (const auto& [key, value] : node.fields)
            fields.append(key + QLatin1Char('=') + serialize(value, QLatin1Char('}')));
        return QLatin1Char('{') + fields.join(QLatin1Char(',')) + QLatin1Char('}');
    }
    case Node::Kind::List: {
        QStringList items;
        for (const Node& item : node.items)
            items.append(serialize(item, QLatin1Char(']')));
        return QLatin1Char('[') + items.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    case Node::Kind::Scalar:
        break;
    }
    QString text;
    for (const QChar c : node.text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('|') || (!closing.isNull() && c == closing))
            text += QLatin1Char('|');
        text += c;
    }
    if (!text.isEmpty() && (text.front().isSpace() || text.front() == QLatin1Char('[') || text.front() == QLatin1Char('{')))
        text.prepend(QLatin1Char('|'));
    return text;
}

// A tag's value as text and list items; structures in their serialised form.
void flatten(const Node& node, QString& text, QStringList& items, bool& isStructure)
{
    switch (node.kind) {
    case Node::Kind::Scalar:
        text = node.text;
        return;
    case Node::Kind::Map:
        isStructure = true;
        text = serialize(node);
        return;
    case Node::Kind::List:
        for (const Node& item : node.items) {
            isStructure = isStructure || item.kind == Node::Kind::Map;
            items.append(item.kind == Node::Kind::Scalar ? item.text : serialize(item));
        }
        // ExifTool's own separator for lists shown as one text.
        text = items.join(QStringLiteral(", "));
        return;
    }
}

TagRecord makeRecord(const QString& key, const Node& node)
{
    TagRecord record;
    const QStringList parts = key.split(QLatin1Char(':'));
    record.name = parts.back();
    if (parts.size() >= 2)
        record.group = parts.front();
    static const QRegularExpression copyPattern(QStringLiteral("^Copy(\\d+)$"));
    if (parts.size() >= 3) {
        const auto match = copyPattern.match(parts.at(1));
        if (match.hasMatch())
            record.copy = match.captured(1).toInt();
    }

    // With -l every tag is a map of "desc", "num" and "val"; anything else is the value itself.
    const Node* value = &node;
    const Node* numeric = nullptr;
    if (node.kind == Node::Kind::Map) {
        if (const Node* val = node.field(QLatin1String("val"))) {
            value = val;
            numeric = node.field(QLatin1String("num"));
            if (const Node* desc = node.field(QLatin1String("desc")); desc && desc->kind == Node::Kind::Scalar)
                record.description = desc->text;
        }
    }
    flatten(*value, record.value, record.values, record.isStructure);
    if (numeric) {
        bool ignored = false;
        flatten(*numeric, record.numericValue, record.numericValues, ignored);
    } else {
        record.numericValue = record.value;
        record.numericValues = record.values;
    }

    // A movie's header and track dates count seconds from 1904 in UTC, and zero means the date was
    // never set: read in UTC, ExifTool gives that zero as the epoch itself. It is no date, as
    // ExifTool's own zeros say.
    static const QRegularExpression movieHeaderGroup(QStringLiteral("^(QuickTime|Track\\d+)$"));
    static const QString unsetMovieDate = QStringLiteral("1904:01:01 00:00:00+00:00");
    if (record.value == unsetMovieDate && movieHeaderGroup.match(record.group).hasMatch()) {
        record.value = QStringLiteral("0000:00:00 00:00:00");
        record.numericValue = record.value;
    }

    static const QRegularExpression binaryPattern(QStringLiteral("^\\(Binary data (\\d+) bytes[,)]"));
    if (value->kind == Node::Kind::Scalar && record.value.startsWith(QLatin1String("(Binary data "))) {
        const auto match = binaryPattern.match(record.value);
        if (match.hasMatch()) {
            record.isBinary = true;
            record.binarySize = match.captured(1).toLongLong();
        }
    }
    return record;
}

} // namespace

std::optional<QList<TagRecordSet>> TagRecordParser::parse(const QByteArray& output)
{
    Scanner scanner(output);
    QList<TagRecordSet> sets;
    if (scanner.atEnd())
        return sets;
    Node root;
    if (!scanner.parseValue(root) || root.kind != Node::Kind::List || !scanner.atEnd())
        return std::nullopt;

    for (const Node& file : root.items) {
        if (file.kind != Node::Kind::Map)
            return std::nullopt;
        TagRecordSet set;
        for (const auto& [key, node] : file.fields) {
            if (key == QLatin1String("SourceFile")) {
                set.path = node.text;
                continue;
            }
            TagRecord record = makeRecord(key, node);
            if (record.group == QLatin1String("ExifTool") && record.name == QLatin1String("Error") && set.error.isEmpty())
                set.error = ExifToolMessage(QStringLiteral("ExifToolFileReadError"), {set.path, record.value});
            else if (record.group == QLatin1String("ExifTool") && record.name == QLatin1String("Warning"))
                set.warnings.append(record.value);
            set.records.append(std::move(record));
        }
        sets.append(std::move(set));
    }
    return sets;
}

} // namespace ostrak
