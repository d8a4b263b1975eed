#pragma once

#include "engine/halvex/libraries/LibraryFile.h"
#include "engine/halvex/libraries/LibraryListEdition.h"
#include "platform/brisa/core/ArrayHelpers.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QList>

#include <algorithm>
#include <functional>
#include <memory>

namespace halvex {

// The stored, ordered items of a flat library (locations, remote profiles), held by identity,
// for its manager. Each change posts the manager's change notification with its
// LibraryListEdition, inside the changing call; a change that changes nothing posts nothing.
// Before each post the manager brings its selection up to date, so that observers never see a
// selection of items that left the library.
template<class Item>
class LibraryItemList {
public:
    using ItemPtr = std::shared_ptr<Item>;

    // `manager` is the object of the notes; `willPost` runs before each of them.
    LibraryItemList(const QString& filePath, const QString& notification, const void* manager,
                    std::function<void()> willPost)
        : file_(filePath), notification_(notification), manager_(manager), willPost_(std::move(willPost))
    {
    }

    // Throws LibraryError as LibraryFile::load() does; the items are then left as they were.
    void load() { set(file_.load<QList<ItemPtr>>().value_or(QList<ItemPtr>())); }
    // Throws LibraryError as LibraryFile::save() does; the stored file is then unchanged.
    void save() { file_.save(items_); }

    const QList<ItemPtr>& items() const { return items_; }

    bool contains(const Item* item) const
    {
        return std::any_of(items_.cbegin(), items_.cend(),
                           [item](const ItemPtr& held) { return held.get() == item; });
    }

    // Posts a reload.
    void set(const QList<ItemPtr>& items)
    {
        items_ = items;
        post(LibraryListEdition::reload());
    }

    // The items must not be in the list yet. The index is clamped to the list.
    void insert(const QList<ItemPtr>& items, int index)
    {
        if (items.isEmpty())
            return;
        index = std::clamp(index, 0, int(items_.size()));
        for (int i = 0; i < items.size(); ++i) {
            Q_ASSERT(items.at(i) && !contains(items.at(i).get()));
            items_.insert(index + i, items.at(i));
        }
        post(LibraryListEdition::insertion(brisa::IndexSet::range(index, int(items.size()))));
    }

    // Positions beyond the list are ignored.
    void remove(const brisa::IndexSet& indexes)
    {
        const brisa::IndexSet removed = inside(indexes);
        if (removed.isEmpty())
            return;
        brisa::remove(items_, removed);
        post(LibraryListEdition::removal(removed));
    }

    // Moves the items to the drop row, as brisa::move does. Positions beyond the list are
    // ignored and the row is clamped to the list; a move that leaves the order as it was
    // posts nothing.
    void move(const brisa::IndexSet& indexes, int row)
    {
        const brisa::IndexSet moving = inside(indexes);
        row = std::clamp(row, 0, int(items_.size()));
        const QList<ItemPtr> before = items_;
        brisa::move(items_, moving, row);
        if (items_ != before)
            post(LibraryListEdition::move(moving, row));
    }

    void post(const LibraryListEdition& edition)
    {
        willPost_();
        brisa::NotificationCenter::defaultCenter().post(notification_, manager_, edition.userInfo());
    }

    // The edition a note of this list's notification carries; none for another note.
    static std::optional<LibraryListEdition> edition(const brisa::Notification& note, const QString& notification)
    {
        if (note.name != notification)
            return std::nullopt;
        return LibraryListEdition::from(note);
    }

private:
    brisa::IndexSet inside(const brisa::IndexSet& indexes) const
    {
        brisa::IndexSet found;
        for (int index : indexes) {
            if (index < items_.size())
                found.insert(index);
        }
        return found;
    }

    LibraryFile file_;
    QString notification_;
    const void* manager_;
    std::function<void()> willPost_;
    QList<ItemPtr> items_;
};

} // namespace halvex
