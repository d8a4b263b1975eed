#pragma once

#include "engine/ostrak/TagItem.h"

#include <QString>

namespace corvelle {

// One value of a found record as it will be written: the tag and the text.
struct StoreInformationRow {
    ostrak::TagItem tag;
    QString value;

    friend bool operator==(const StoreInformationRow& a, const StoreInformationRow& b)
    {
        return a.tag == b.tag && a.value == b.value;
    }
};

} // namespace corvelle
