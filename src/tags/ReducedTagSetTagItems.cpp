#include "tags/ReducedTagSetTagItems.h"

#include "engine/halvex/libraries/TagSetManager.h"

#include <algorithm>

namespace corvelle {

namespace {

QList<ostrak::TagItem> sortedByTagName(const QSet<ostrak::TagItem>& items)
{
    QList<ostrak::TagItem> list(items.cbegin(), items.cend());
    std::sort(list.begin(), list.end(),
              [](const ostrak::TagItem& a, const ostrak::TagItem& b) { return a.tagName() < b.tagName(); });
    return list;
}

} // namespace

QList<ostrak::TagItem> reducedTagSetTagItems(ReducedTagSetUserChoice choice)
{
    switch (choice) {
    case ReducedTagSetUserChoice::all:
        return ostrak::TagItem::allCases();
    case ReducedTagSetUserChoice::choosen:
        return sortedByTagName(halvex::TagSetManager::shared().chosenTagSet().tagItems());
    case ReducedTagSetUserChoice::popular:
        return sortedByTagName(halvex::TagSetManager::shared().popularTagSet().tagItems());
    }
    return {};
}

} // namespace corvelle
