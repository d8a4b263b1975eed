#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace brisa {

class UserDefaults;

// A real-number setting; any stored number reads (an integral value is stored as an integer),
// Booleans and texts do not.
struct CGFloatUDC {
    using Value = double;
    static std::optional<double> decode(const UserDefaults& defaults, const QString& key);
    static QVariant encode(const double& value) { return value; }
};

} // namespace brisa
