#include "platform/photolibrary/PhotoFetchChange.h"

#include <QHash>

namespace photolibrary {

PhotoFetchChange PhotoFetchChange::between(const QList<PhotoAsset>& before, const QList<PhotoAsset>& after)
{
    PhotoFetchChange change;
    change.fetchResultAfterChanges = after;
    QHash<QString, int> afterRows;
    afterRows.reserve(after.size());
    for (int row = 0; row < after.size(); ++row)
        afterRows.insert(after[row].path, row);
    QHash<QString, int> beforeRows;
    beforeRows.reserve(before.size());
    for (int row = 0; row < before.size(); ++row) {
        beforeRows.insert(before[row].path, row);
        if (!afterRows.contains(before[row].path))
            change.removedIndexes << row;
    }
    // The items kept must come in the same order in both lists; else it is a move.
    int lastKeptBefore = -1;
    for (int row = 0; row < after.size(); ++row) {
        const auto found = beforeRows.constFind(after[row].path);
        if (found == beforeRows.constEnd()) {
            change.insertedIndexes << row;
            continue;
        }
        if (*found < lastKeptBefore)
            change.hasMoves = true;
        lastKeptBefore = *found;
        if (!(before[*found] == after[row]))
            change.changedIndexes << row;
    }
    return change;
}

} // namespace photolibrary
