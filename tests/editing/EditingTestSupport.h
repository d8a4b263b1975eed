#pragma once

#include "engine/ostrak/TagDatabase.h"
#include "engine/ostrak/TagItem.h"

#include <QTest>

#include <functional>

namespace corvelle::test {

// A tag of the database by its full name; the test stops when the database lacks it.
inline ostrak::TagItem tagItem(const char* rawName)
{
    const auto item = ostrak::TagDatabase::shared().item(ostrak::TagName::fromRawValue(QLatin1String(rawName)));
    if (!item)
        qFatal("the tag database has no %s", rawName);
    return *item;
}

// The first tag of the database that fits.
inline ostrak::TagItem firstTagItem(const std::function<bool(const ostrak::TagItem&)>& fits)
{
    for (const ostrak::TagItem& item : ostrak::TagItem::allCases()) {
        if (fits(item))
            return item;
    }
    qFatal("no tag of the database fits");
}

} // namespace corvelle::test
