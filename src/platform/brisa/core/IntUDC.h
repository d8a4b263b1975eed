#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace brisa {

class UserDefaults;

// An integer setting. A stored number reads when it is whole and fits an int (JSON keeps no
// difference between 2 and 2.0); Booleans, texts and fractions do not.
struct IntUDC {
    using Value = int;
    static std::optional<int> decode(const UserDefaults& defaults, const QString& key);
    static QVariant encode(const int& value) { return value; }
};

} // namespace brisa
