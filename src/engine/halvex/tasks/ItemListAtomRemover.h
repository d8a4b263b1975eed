#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace halvex {

// Removes the freeform items of one name ('----' atoms whose "name" is, say, "iTunMOVI") from
// the item lists of a QuickTime or MP4 movie (moov/udta/meta/ilst and moov/meta/ilst): the tags
// ExifTool reads there but cannot write. Everything else stays byte for byte; the enclosing atoms
// shrink by what was removed, and the chunk offsets of every track (stco, co64) that point behind
// the movie atom move with the media data.
//
// The file is written whole beside itself and renamed over it, so a failure leaves it as it was;
// a file without such an item, or that is no movie, is not touched.
class ItemListAtomRemover {
public:
    enum class Result { removed, absent, failed };

    explicit ItemListAtomRemover(QString itemName);

    // `beforeWriting` runs once the file is known to hold the item, before anything is written;
    // false stops there. `error` gets the reason of a failure.
    Result remove(const QString& path, const std::function<bool()>& beforeWriting, QString& error) const;

    // The movie atom `moov` (header included) without the items; none when it holds none.
    // `removedBytes` gets how much shorter it is. Throws std::runtime_error for damaged atoms.
    std::optional<QByteArray> withoutItems(const QByteArray& moov, qint64& removedBytes) const;

private:
    struct Box;

    QByteArray rewriteContainer(const QByteArray& data, const Box& box, int level) const;
    bool isItemToRemove(const QByteArray& data, const Box& item) const;

    QByteArray itemName_;
};

} // namespace halvex
