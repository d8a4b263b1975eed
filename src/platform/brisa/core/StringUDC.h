#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace brisa {

class UserDefaults;

// A text setting; only a stored text reads (not a number or a list).
struct StringUDC {
    using Value = QString;
    static std::optional<QString> decode(const UserDefaults& defaults, const QString& key);
    static QVariant encode(const QString& value) { return value; }
};

} // namespace brisa
