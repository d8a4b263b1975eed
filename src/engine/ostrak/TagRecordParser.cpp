#include "engine/ostrak/TagRecordParser.h"

#include "engine/ostrak/SharedText.h"

#include <QHash>
#include <QRegularExpression>

#include <cctype>
#include <utility>

namespace ostrak {

namespace {

// A value of the output. Texts stay as the output's bytes until a record takes them, so that a
// text is decoded once, and not at all when an equal one was decoded already.
struct Node {
    enum class Kind { Scalar, List, Map };
    Kind kind = Kind::Scalar;
    // Into the output, or into `decoded` when the text held escapes (a moved byte array keeps
    // its buffer, so the view survives moves of the node).
    QByteArrayView text;
    QByteArray decoded;
    QList<Node> items;
    QList<std::pair<Node, Node>> fields; // key and value

    QString string() const { return QString::fromUtf8(text); }

    const Node* field(QByteArrayView name) const
    {
        for (const auto& [key, value] : fields) {
            if (key.text == name)
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
            return parseString(node);
        return parseBare(node);
    }

private:
    void skipSpace()
    {
        while (pos_ < data_.size() && std::isspace(static_cast<unsigned char>(data_.at(pos_))))
            ++pos_;
    }

    bool consume(QByteArrayView token)
    {
        skipSpace();
        if (QByteArrayView(data_).sliced(pos_).startsWith(token)) {
            pos_ += token.size();
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
                if (item.kind != Node::Kind::Scalar)
                    return false;
                node.fields.append({std::move(item), Node()});
                if (!parseValue(node.fields.last().second))
                    return false;
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

    bool parseString(Node& node)
    {
        ++pos_; // opening quote
        // Most strings hold no escape: kept as the output's bytes.
        const qsizetype start = pos_;
        qsizetype end = start;
        while (end < data_.size() && data_.at(end) != '"' && data_.at(end) != '\\')
            ++end;
        if (end < data_.size() && data_.at(end) == '"') {
            node.text = QByteArrayView(data_.constData() + start, end - start);
            pos_ = end + 1;
            return true;
        }
        QByteArray bytes(data_.constData() + start, end - start);
        pos_ = end;
        while (pos_ < data_.size()) {
            const char c = data_.at(pos_++);
            if (c == '"') {
                node.decoded = std::move(bytes);
                node.text = QByteArrayView(node.decoded.constData(), node.decoded.size());
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

    bool parseBare(Node& node)
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
        node.text = QByteArrayView(data_.constData() + start, pos_ - start);
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
            fields.append(key.string() + QLatin1Char('=') + serialize(value, QLatin1Char('}')));
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
    for (const QChar c : node.string()) {
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
        text = node.string();
        return;
    case Node::Kind::Map:
        isStructure = true;
        text = serialize(node);
        return;
    case Node::Kind::List:
        items.reserve(node.items.size());
        for (const Node& item : node.items) {
            isStructure = isStructure || item.kind == Node::Kind::Map;
            items.append(item.kind == Node::Kind::Scalar ? item.string() : serialize(item));
        }
        // ExifTool's own separator for lists shown as one text.
        text = items.join(QStringLiteral(", "));
        return;
    }
}

// Whether two values have the same output bytes.
bool sameBytes(const Node& a, const Node& b)
{
    if (a.kind != b.kind || a.text != b.text || a.items.size() != b.items.size() || a.fields.size() != b.fields.size())
        return false;
    for (qsizetype i = 0; i < a.items.size(); ++i) {
        if (!sameBytes(a.items[i], b.items[i]))
            return false;
    }
    for (qsizetype i = 0; i < a.fields.size(); ++i) {
        if (a.fields[i].first.text != b.fields[i].first.text || !sameBytes(a.fields[i].second, b.fields[i].second))
            return false;
    }
    return true;
}

// What a tag's key ("Track1:Copy2:HandlerType") says, worked out once per key and thread.
struct KeyInfo {
    enum class Role { Tag, Error, Warning };
    QString group;
    int copy = 0;
    QString name;
    Role role = Role::Tag;
    // A movie header's or track's group, whose dates count from 1904.
    bool isMovieHeader = false;
    // The description last given with this key, shared by every record that has it.
    QByteArray descriptionBytes;
    QString description;
};

KeyInfo keyInfo(const QString& key)
{
    KeyInfo info;
    const QStringList parts = key.split(QLatin1Char(':'));
    info.name = SharedText::shared(parts.back());
    if (parts.size() >= 2)
        info.group = SharedText::shared(parts.front());
    static const QRegularExpression copyPattern(QStringLiteral("^Copy(\\d+)$"));
    if (parts.size() >= 3) {
        const auto match = copyPattern.match(parts.at(1));
        if (match.hasMatch())
            info.copy = match.captured(1).toInt();
    }
    if (info.group == QLatin1String("ExifTool") && info.name == QLatin1String("Error"))
        info.role = KeyInfo::Role::Error;
    else if (info.group == QLatin1String("ExifTool") && info.name == QLatin1String("Warning"))
        info.role = KeyInfo::Role::Warning;
    static const QRegularExpression movieHeaderGroup(QStringLiteral("^(QuickTime|Track\\d+)$"));
    info.isMovieHeader = movieHeaderGroup.match(info.group).hasMatch();
    return info;
}

// Keys repeat in every file: each is split once per thread.
KeyInfo& cachedKeyInfo(const Node& key)
{
    thread_local QHash<QByteArray, KeyInfo> known;
    const QByteArray raw = QByteArray::fromRawData(key.text.data(), key.text.size());
    auto found = known.find(raw);
    if (found == known.end())
        found = known.insert(QByteArray(key.text.data(), key.text.size()), keyInfo(key.string()));
    return *found;
}

TagRecord makeRecord(const Node& key, const Node& node, KeyInfo::Role& role)
{
    KeyInfo& info = cachedKeyInfo(key);
    role = info.role;
    TagRecord record;
    record.group = info.group;
    record.copy = info.copy;
    record.name = info.name;

    // With -l every tag is a map of "desc", "num" and "val"; anything else is the value itself.
    const Node* value = &node;
    const Node* numeric = nullptr;
    if (node.kind == Node::Kind::Map) {
        if (const Node* val = node.field("val")) {
            value = val;
            numeric = node.field("num");
            if (const Node* desc = node.field("desc"); desc && desc->kind == Node::Kind::Scalar) {
                if (desc->text != info.descriptionBytes || info.description.isNull()) {
                    info.descriptionBytes = desc->text.toByteArray();
                    info.description = SharedText::shared(desc->string());
                }
                record.description = info.description;
            }
        }
    }
    flatten(*value, record.value, record.values, record.isStructure);
    if (numeric && !sameBytes(*numeric, *value)) {
        bool ignored = false;
        flatten(*numeric, record.numericValue, record.numericValues, ignored);
    } else {
        // One string for both: most values have no separate numeric form.
        record.numericValue = record.value;
        record.numericValues = record.values;
    }

    // A movie's header and track dates count seconds from 1904 in UTC, and zero means the date was
    // never set: read in UTC, ExifTool gives that zero as the epoch itself. It is no date, as
    // ExifTool's own zeros say.
    static const QString unsetMovieDate = QStringLiteral("1904:01:01 00:00:00+00:00");
    if (info.isMovieHeader && record.value == unsetMovieDate) {
        record.value = QStringLiteral("0000:00:00 00:00:00");
        record.numericValue = record.value;
    }

    static const QRegularExpression binaryPattern(QStringLiteral("^\\(Binary data (\\d+) bytes[,)]"));
    if (value->kind == Node::Kind::Scalar && value->text.startsWith("(Binary data ")) {
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

    sets.reserve(root.items.size());
    for (const Node& file : root.items) {
        if (file.kind != Node::Kind::Map)
            return std::nullopt;
        TagRecordSet set;
        set.records.reserve(file.fields.size());
        for (const auto& [key, node] : file.fields) {
            if (key.text == "SourceFile") {
                set.path = node.string();
                continue;
            }
            KeyInfo::Role role = KeyInfo::Role::Tag;
            TagRecord record = makeRecord(key, node, role);
            if (role == KeyInfo::Role::Error && set.error.isEmpty())
                set.error = ExifToolMessage(QStringLiteral("ExifToolFileReadError"), {set.path, record.value});
            else if (role == KeyInfo::Role::Warning)
                set.warnings.append(record.value);
            set.records.append(std::move(record));
        }
        sets.append(std::move(set));
    }
    return sets;
}

} // namespace ostrak
