#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "platform/brisa/core/UserDefaults.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace brisa {

// An enum setting stored as its raw string (EnumStrings<E>); a text that names no case reads
// as nothing.
template<class E>
struct EnumStringUDC {
    using Value = E;

    static std::optional<E> decode(const UserDefaults& defaults, const QString& key)
    {
        const QVariant stored = defaults.object(key);
        if (stored.typeId() != QMetaType::QString)
            return std::nullopt;
        return caseFromRawValue<E>(stored.toString());
    }

    static QVariant encode(const E& value) { return rawValue(value); }
};

} // namespace brisa
