#include "engine/halvex/tasks/ItemListAtomRemover.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <stdexcept>

namespace halvex {

namespace {

// Levels of the atoms rewritten on the way to the item lists.
enum Level { movie, userData, metadata, itemList };

const QByteArray moovType = QByteArrayLiteral("moov");

quint32 read32(const QByteArray& data, qint64 at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}

quint64 read64(const QByteArray& data, qint64 at)
{
    return qFromBigEndian<quint64>(data.constData() + at);
}

[[noreturn]] void damaged()
{
    throw std::runtime_error("the movie's atoms are damaged");
}

} // namespace

struct ItemListAtomRemover::Box {
    qint64 offset = 0;
    qint64 size = 0;
    int header = 8;
    QByteArray type;

    qint64 contentStart() const { return offset + header; }
    qint64 end() const { return offset + size; }
};

ItemListAtomRemover::ItemListAtomRemover(QString itemName) : itemName_(itemName.toUtf8())
{
}

namespace {

// The atoms between start and end of `data`; throws when one does not fit.
template <typename BoxType>
QList<BoxType> childrenOf(const QByteArray& data, qint64 start, qint64 end)
{
    QList<BoxType> boxes;
    qint64 offset = start;
    while (offset < end) {
        if (end - offset < 8)
            damaged();
        BoxType box;
        box.offset = offset;
        box.type = data.mid(offset + 4, 4);
        const quint32 size = read32(data, offset);
        if (size == 1) {
            if (end - offset < 16)
                damaged();
            box.header = 16;
            box.size = qint64(read64(data, offset + 8));
        } else {
            box.size = size == 0 ? end - offset : qint64(size);
        }
        if (box.size < box.header || box.size > end - offset)
            damaged();
        boxes.append(box);
        offset += box.size;
    }
    return boxes;
}

QByteArray header(const QByteArray& type, qint64 contentSize, int headerSize)
{
    QByteArray bytes(headerSize, '\0');
    if (headerSize == 16) {
        qToBigEndian<quint32>(1, bytes.data());
        qToBigEndian<quint64>(quint64(contentSize + 16), bytes.data() + 8);
    } else {
        qToBigEndian<quint32>(quint32(contentSize + 8), bytes.data());
    }
    bytes.replace(4, 4, type);
    return bytes;
}

// A QuickTime 'meta' atom holds its children at once; an MP4 one, a full atom, after four bytes
// of version and flags.
qint64 metaChildrenStart(const QByteArray& data, qint64 contentStart, qint64 end)
{
    if (end - contentStart >= 8 && data.mid(contentStart + 4, 4) == "hdlr")
        return contentStart;
    return std::min(contentStart + 4, end);
}

} // namespace

bool ItemListAtomRemover::isItemToRemove(const QByteArray& data, const Box& item) const
{
    if (item.type != "----")
        return false;
    for (const Box& child : childrenOf<Box>(data, item.contentStart(), item.end())) {
        // A full atom: version and flags, then the name.
        if (child.type == "name" && child.size >= child.header + 4)
            return data.mid(child.contentStart() + 4, child.end() - child.contentStart() - 4) == itemName_;
    }
    return false;
}

QByteArray ItemListAtomRemover::rewriteContainer(const QByteArray& data, const Box& box, int level) const
{
    qint64 childrenStart = box.contentStart();
    if (level == metadata)
        childrenStart = metaChildrenStart(data, box.contentStart(), box.end());
    QByteArray content = data.mid(box.contentStart(), childrenStart - box.contentStart());
    for (const Box& child : childrenOf<Box>(data, childrenStart, box.end())) {
        const bool descends = (level == movie && (child.type == "udta" || child.type == "meta"))
                              || (level == userData && child.type == "meta")
                              || (level == metadata && child.type == "ilst");
        if (descends) {
            const int childLevel = child.type == "udta" ? userData : child.type == "meta" ? metadata : itemList;
            content += rewriteContainer(data, child, childLevel);
        } else if (level == itemList && isItemToRemove(data, child)) {
            continue;
        } else {
            content += data.mid(child.offset, child.size);
        }
    }
    return header(box.type, content.size(), box.header) + content;
}

std::optional<QByteArray> ItemListAtomRemover::withoutItems(const QByteArray& moov, qint64& removedBytes) const
{
    const QList<Box> top = childrenOf<Box>(moov, 0, moov.size());
    if (top.size() != 1 || top.first().type != moovType)
        damaged();
    QByteArray rewritten = rewriteContainer(moov, top.first(), movie);
    removedBytes = moov.size() - rewritten.size();
    if (removedBytes == 0)
        return std::nullopt;
    return rewritten;
}

ItemListAtomRemover::Result ItemListAtomRemover::remove(const QString& path, const std::function<bool()>& beforeWriting,
                                                        QString& error) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return Result::failed;
    }
    const qint64 fileSize = file.size();
    // The top-level atoms, read header by header.
    std::optional<Box> moov;
    bool fragmented = false;
    qint64 offset = 0;
    while (offset < fileSize) {
        if (!file.seek(offset)) {
            error = file.errorString();
            return Result::failed;
        }
        const QByteArray head = file.read(16);
        if (head.size() < 8)
            break;
        Box box;
        box.offset = offset;
        box.type = head.mid(4, 4);
        const quint32 size = read32(head, 0);
        if (size == 1 && head.size() == 16) {
            box.header = 16;
            box.size = qint64(read64(head, 8));
        } else {
            box.size = size == 0 ? fileSize - offset : qint64(size);
        }
        const bool printable = std::all_of(box.type.begin(), box.type.end(),
                                           [](char c) { return c >= 0x20 && c < 0x7f; });
        if (!printable || box.size < box.header) {
            // Not a movie at all: nothing to remove.
            if (offset == 0)
                return Result::absent;
            break;
        }
        if (box.type == moovType)
            moov = box;
        if (box.type == "moof")
            fragmented = true;
        offset += box.size;
    }
    if (!moov)
        return Result::absent;
    if (moov->end() > fileSize) {
        error = QStringLiteral("the movie atom is cut short");
        return Result::failed;
    }
    file.seek(moov->offset);
    const QByteArray moovBytes = file.read(moov->size);
    qint64 removed = 0;
    std::optional<QByteArray> rewritten;
    try {
        rewritten = withoutItems(moovBytes, removed);
    } catch (const std::runtime_error& failure) {
        error = QString::fromUtf8(failure.what());
        return Result::failed;
    }
    if (!rewritten)
        return Result::absent;
    // Fragments point at their data by absolute offsets beyond the tracks' tables.
    if (fragmented && moov->end() < fileSize) {
        error = QStringLiteral("fragmented movies cannot be changed here");
        return Result::failed;
    }

    // The media data behind the movie atom moves closer by what was removed.
    const qint64 oldEnd = moov->end();
    QByteArray& atoms = *rewritten;
    const std::function<void(qint64, qint64)> shiftOffsets = [&](qint64 start, qint64 end) {
        for (const Box& box : childrenOf<Box>(atoms, start, end)) {
            if (box.type == "trak" || box.type == "mdia" || box.type == "minf" || box.type == "stbl") {
                shiftOffsets(box.contentStart(), box.end());
            } else if (box.type == "stco" || box.type == "co64") {
                const bool wide = box.type == "co64";
                if (box.size < box.header + 8)
                    damaged();
                const quint32 count = read32(atoms, box.contentStart() + 4);
                const int width = wide ? 8 : 4;
                if (qint64(count) * width > box.end() - box.contentStart() - 8)
                    damaged();
                for (quint32 i = 0; i < count; ++i) {
                    char* at = atoms.data() + box.contentStart() + 8 + qint64(i) * width;
                    const quint64 value = wide ? qFromBigEndian<quint64>(at) : qFromBigEndian<quint32>(at);
                    if (qint64(value) < oldEnd)
                        continue;
                    if (wide)
                        qToBigEndian<quint64>(value - quint64(removed), at);
                    else
                        qToBigEndian<quint32>(quint32(value - quint64(removed)), at);
                }
            }
        }
    };
    try {
        const Box top = childrenOf<Box>(atoms, 0, atoms.size()).first();
        shiftOffsets(top.contentStart(), top.end());
    } catch (const std::runtime_error& failure) {
        error = QString::fromUtf8(failure.what());
        return Result::failed;
    }

    if (beforeWriting && !beforeWriting())
        return Result::failed;
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly)) {
        error = output.errorString();
        return Result::failed;
    }
    const auto copyRange = [&](qint64 from, qint64 to) {
        if (!file.seek(from))
            return false;
        while (from < to) {
            const QByteArray chunk = file.read(std::min<qint64>(to - from, 1 << 20));
            if (chunk.isEmpty() || output.write(chunk) != chunk.size())
                return false;
            from += chunk.size();
        }
        return true;
    };
    if (!copyRange(0, moov->offset) || output.write(atoms) != atoms.size() || !copyRange(oldEnd, fileSize)) {
        error = output.error() != QFileDevice::NoError ? output.errorString() : file.errorString();
        output.cancelWriting();
        return Result::failed;
    }
    if (!output.commit()) {
        error = output.errorString();
        return Result::failed;
    }
    return Result::removed;
}

} // namespace halvex
