#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace brisa {

class UserDefaults;

// A Boolean setting; only a stored Boolean reads (not a number or a text).
struct BoolUDC {
    using Value = bool;
    static std::optional<bool> decode(const UserDefaults& defaults, const QString& key);
    static QVariant encode(const bool& value) { return value; }
};

} // namespace brisa
