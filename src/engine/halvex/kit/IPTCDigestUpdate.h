#pragma once

#include "platform/brisa/core/EnumStrings.h"

namespace halvex {

// What saving does with the IPTC digest that marks IPTC data as in step with XMP.
enum class IPTCDigestUpdate {
    ignore,
    delete_, // delete is a C++ keyword
    update,
    updateIfExists,
};

} // namespace halvex

template<>
struct brisa::EnumStrings<halvex::IPTCDigestUpdate> {
    static const QList<std::pair<halvex::IPTCDigestUpdate, QString>>& table()
    {
        using E = halvex::IPTCDigestUpdate;
        static const QList<std::pair<E, QString>> entries{
            {E::ignore, QStringLiteral("ignore")},
            {E::delete_, QStringLiteral("delete")},
            {E::update, QStringLiteral("update")},
            {E::updateIfExists, QStringLiteral("update_if_exists")},
        };
        return entries;
    }
};
