#pragma once

#include "engine/halvex/libraries/PresetEdition.h"
#include "engine/ostrak/TagItem.h"

#include <QMetaType>

namespace corvelle {

// One entry of a preset as its tables show it: the tag and what the preset does with it.
struct PresetEditionRowValue {
    ostrak::TagItem tagItem;
    halvex::PresetEdition edition;

    friend bool operator==(const PresetEditionRowValue& a, const PresetEditionRowValue& b)
    {
        return a.tagItem == b.tagItem && a.edition == b.edition;
    }
};

} // namespace corvelle

Q_DECLARE_METATYPE(corvelle::PresetEditionRowValue)
