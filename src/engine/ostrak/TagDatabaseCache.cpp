#include "engine/ostrak/TagDatabaseCache.h"

#include "engine/ostrak/TagItemData.h"

#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QHash>
#include <QSaveFile>
#include <QtEndian>

#include <cstring>

namespace ostrak {

namespace {

constexpr char magic[8] = {'C', 'V', 'T', 'A', 'G', 'D', 'B', '\0'};
constexpr qsizetype headerSize = 8 + 4 + 4 + 8;
constexpr qsizetype itemRecordSize = 6 * 4 + 4 + 2 + 2 + 4 + 4 + 4;

quint64 checksum(const char* data, qsizetype size)
{
    // FNV-1a over 64-bit words: fast, and enough to catch a damaged or truncated file.
    quint64 hash = 0xcbf29ce484222325ULL;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, data + i, 8);
        hash = (hash ^ word) * 0x100000001b3ULL;
    }
    for (; i < size; ++i)
        hash = (hash ^ quint8(data[i])) * 0x100000001b3ULL;
    return hash;
}

class Writer {
public:
    quint32 string(const QString& text)
    {
        const auto found = indexes_.constFind(text);
        if (found != indexes_.cend())
            return *found;
        const quint32 index = quint32(strings_.size());
        indexes_.insert(text, index);
        strings_.append(text);
        return index;
    }

    void u8(quint8 value) { body_.append(char(value)); }
    void u16(quint16 value)
    {
        char bytes[2];
        qToLittleEndian(value, bytes);
        body_.append(bytes, 2);
    }
    void u32(quint32 value)
    {
        char bytes[4];
        qToLittleEndian(value, bytes);
        body_.append(bytes, 4);
    }

    QByteArray payload() const
    {
        QByteArray out;
        const auto append32 = [&](quint32 value) {
            char bytes[4];
            qToLittleEndian(value, bytes);
            out.append(bytes, 4);
        };
        append32(quint32(strings_.size()));
        quint32 offset = 0;
        append32(offset);
        for (const QString& text : strings_) {
            offset += quint32(text.size());
            append32(offset);
        }
        for (const QString& text : strings_) {
            for (const QChar c : text) {
                char bytes[2];
                qToLittleEndian(c.unicode(), bytes);
                out.append(bytes, 2);
            }
        }
        out.append(body_);
        return out;
    }

private:
    QHash<QString, quint32> indexes_;
    QStringList strings_;
    QByteArray body_;
};

class Reader {
public:
    Reader(const char* data, qsizetype size)
        : data_(data)
        , size_(size)
    {
    }

    bool failed() const { return failed_; }

    quint32 u32()
    {
        if (!need(4))
            return 0;
        const quint32 value = qFromLittleEndian<quint32>(data_ + pos_);
        pos_ += 4;
        return value;
    }
    quint16 u16()
    {
        if (!need(2))
            return 0;
        const quint16 value = qFromLittleEndian<quint16>(data_ + pos_);
        pos_ += 2;
        return value;
    }
    quint8 u8()
    {
        if (!need(1))
            return 0;
        return quint8(data_[pos_++]);
    }

    bool readStrings()
    {
        const quint32 count = u32();
        if (failed_ || qsizetype(count) > (size_ - pos_) / 4)
            return fail();
        const char* offsets = data_ + pos_;
        if (!need(4 * (qsizetype(count) + 1)))
            return false;
        pos_ += 4 * (qsizetype(count) + 1);
        const quint32 total = qFromLittleEndian<quint32>(offsets + 4 * count);
        if (!need(2 * qsizetype(total)))
            return false;
        const char* chars = data_ + pos_;
        pos_ += 2 * qsizetype(total);
        strings_.reserve(count);
        quint32 start = qFromLittleEndian<quint32>(offsets);
        for (quint32 i = 0; i < count; ++i) {
            const quint32 end = qFromLittleEndian<quint32>(offsets + 4 * (i + 1));
            if (end < start || end > total)
                return fail();
            QString text(qsizetype(end - start), Qt::Uninitialized);
            std::memcpy(text.data(), chars + 2 * qsizetype(start), 2 * qsizetype(end - start));
#if Q_BYTE_ORDER == Q_BIG_ENDIAN
            for (QChar& c : text)
                c = QChar(qFromLittleEndian(c.unicode()));
#endif
            strings_.append(text);
            start = end;
        }
        return true;
    }

    const QString& string()
    {
        static const QString empty;
        const quint32 index = u32();
        if (index >= quint32(strings_.size())) {
            fail();
            return empty;
        }
        return strings_[index];
    }

    bool atEnd() const { return pos_ == size_; }

private:
    bool need(qsizetype bytes)
    {
        if (failed_ || bytes < 0 || bytes > size_ - pos_)
            return fail();
        return true;
    }
    bool fail()
    {
        failed_ = true;
        return false;
    }

    const char* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
    bool failed_ = false;
    QStringList strings_;
};

} // namespace

bool TagDatabaseCache::write(const QString& path, const Entry& entry, QString* error)
{
    Writer writer;
    writer.u32(writer.string(entry.contents.exifToolVersion));
    writer.u32(writer.string(entry.programStamp));
    writer.u32(quint32(entry.contents.tableCount));
    writer.u32(quint32(entry.contents.items.size()));
    quint32 choiceStart = 0;
    for (const TagItem& item : entry.contents.items) {
        writer.u32(writer.string(item.tagName().group()));
        writer.u32(writer.string(item.tagName().name()));
        writer.u32(writer.string(item.family0Group()));
        writer.u32(writer.string(item.family2Group()));
        writer.u32(writer.string(item.tagId()));
        writer.u32(writer.string(item.description()));
        writer.u8(quint8(item.type().value()));
        writer.u8(item.isWritable() ? 1 : 0);
        writer.u8(quint8(item.listKind()));
        writer.u8(0);
        writer.u16(quint16(item.flags().toInt()));
        writer.u16(0);
        writer.u32(quint32(item.count().value_or(0)));
        writer.u32(choiceStart);
        writer.u32(quint32(item.choices().size()));
        choiceStart += quint32(item.choices().size());
    }
    writer.u32(choiceStart);
    for (const TagItem& item : entry.contents.items) {
        for (const auto& choice : item.choices()) {
            writer.u32(writer.string(choice.first));
            writer.u32(writer.string(choice.second));
        }
    }
    const QByteArray payload = writer.payload();

    QByteArray header(magic, sizeof magic);
    char bytes[8];
    qToLittleEndian(formatVersion, bytes);
    header.append(bytes, 4);
    qToLittleEndian(quint32(payload.size()), bytes);
    header.append(bytes, 4);
    qToLittleEndian(checksum(payload.constData(), payload.size()), bytes);
    header.append(bytes, 8);

    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size()
        || file.write(payload) != payload.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<TagDatabaseCache::Entry> TagDatabaseCache::read(const QString& path, QString* error)
{
    const auto failure = [&](const QString& why) -> std::optional<Entry> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file.errorString());
    const QByteArray bytes = file.readAll();
    if (bytes.size() < headerSize || std::memcmp(bytes.constData(), magic, sizeof magic) != 0)
        return failure(QStringLiteral("not a tag database file"));
    const char* header = bytes.constData() + sizeof magic;
    if (qFromLittleEndian<quint32>(header) != formatVersion)
        return failure(QStringLiteral("written in another format"));
    const quint32 payloadSize = qFromLittleEndian<quint32>(header + 4);
    if (qsizetype(payloadSize) != bytes.size() - headerSize)
        return failure(QStringLiteral("truncated"));
    const char* payload = bytes.constData() + headerSize;
    if (qFromLittleEndian<quint64>(header + 8) != checksum(payload, payloadSize))
        return failure(QStringLiteral("damaged (checksum mismatch)"));

    Reader reader(payload, payloadSize);
    if (!reader.readStrings())
        return failure(QStringLiteral("damaged string table"));
    Entry entry;
    entry.contents.exifToolVersion = reader.string();
    entry.programStamp = reader.string();
    entry.contents.tableCount = int(reader.u32());
    const quint32 itemCount = reader.u32();
    if (reader.failed() || itemCount > payloadSize / itemRecordSize)
        return failure(QStringLiteral("damaged item count"));

    struct ChoiceRange {
        quint32 start, count;
    };
    std::vector<std::shared_ptr<TagItemData>> records;
    std::vector<ChoiceRange> ranges;
    records.reserve(itemCount);
    ranges.reserve(itemCount);
    for (quint32 i = 0; i < itemCount && !reader.failed(); ++i) {
        auto data = std::make_shared<TagItemData>();
        const QString& group = reader.string();
        const QString& name = reader.string();
        data->name = TagName(group, name);
        data->family0 = reader.string();
        data->family2 = reader.string();
        data->tagId = reader.string();
        data->description = reader.string();
        const quint8 type = reader.u8();
        data->writable = reader.u8() != 0;
        const quint8 listKind = reader.u8();
        reader.u8();
        data->flags = TagItem::Flags::fromInt(reader.u16());
        reader.u16();
        data->count = int(reader.u32());
        const ChoiceRange range{reader.u32(), reader.u32()};
        if (type > TagType::Struct || listKind > quint8(TagItem::ListKind::Alt))
            return failure(QStringLiteral("damaged item record"));
        data->type = TagType(TagType::Case(type));
        data->listKind = TagItem::ListKind(listKind);
        records.push_back(std::move(data));
        ranges.push_back(range);
    }
    const quint32 choiceCount = reader.u32();
    if (reader.failed() || choiceCount > payloadSize / 8)
        return failure(QStringLiteral("damaged item records"));
    std::vector<std::pair<QString, QString>> choices;
    choices.reserve(choiceCount);
    for (quint32 i = 0; i < choiceCount && !reader.failed(); ++i) {
        const QString& value = reader.string();
        choices.emplace_back(value, reader.string());
    }
    if (reader.failed() || !reader.atEnd())
        return failure(QStringLiteral("damaged choices"));

    entry.contents.items.reserve(itemCount);
    for (quint32 i = 0; i < itemCount; ++i) {
        const ChoiceRange range = ranges[i];
        if (range.start > choiceCount || range.count > choiceCount - range.start)
            return failure(QStringLiteral("damaged choice range"));
        if (range.count > 0) {
            records[i]->choices.reserve(range.count);
            for (quint32 c = range.start; c < range.start + range.count; ++c)
                records[i]->choices.append(choices[c]);
        }
        entry.contents.items.append(TagItem(std::move(records[i])));
    }
    return entry;
}

} // namespace ostrak
