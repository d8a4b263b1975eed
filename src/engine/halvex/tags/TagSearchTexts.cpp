#include "engine/halvex/tags/TagSearchTexts.h"

#include "engine/halvex/tags/SearchWords.h"

#include <QHash>
#include <QReadWriteLock>

namespace halvex {

TagSearchTexts TagSearchTexts::of(const ostrak::TagItem& item)
{
    static QReadWriteLock lock;
    static QHash<ostrak::TagName, TagSearchTexts> known;
    {
        const QReadLocker reading(&lock);
        const auto found = known.constFind(item.tagName());
        if (found != known.cend())
            return *found;
    }
    const TagSearchTexts texts{SearchWords::fold(item.title()), SearchWords::fold(item.tagName().rawValue())};
    const QWriteLocker writing(&lock);
    known.insert(item.tagName(), texts);
    return texts;
}

} // namespace halvex
