#pragma once

#include "platform/photolibrary/PhotoAsset.h"

#include <QList>

namespace photolibrary {

// How a list of assets changed between two fetches of one album: the indexes removed (of the old
// list), inserted and changed (of the new list), and whether the items that stayed changed
// order. A grid applies removals, then insertions, then reloads the changed items; with moves it
// reloads everything.
struct PhotoFetchChange {
    QList<PhotoAsset> fetchResultAfterChanges;
    QList<int> removedIndexes;
    QList<int> insertedIndexes;
    QList<int> changedIndexes;
    bool hasMoves = false;

    bool hasIncrementalChanges() const { return !hasMoves; }
    bool isEmpty() const { return removedIndexes.isEmpty() && insertedIndexes.isEmpty() && changedIndexes.isEmpty() && !hasMoves; }

    static PhotoFetchChange between(const QList<PhotoAsset>& before, const QList<PhotoAsset>& after);
};

} // namespace photolibrary
