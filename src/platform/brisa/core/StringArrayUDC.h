#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace brisa {

class UserDefaults;

// A list-of-texts setting; a stored list reads only when every element is a text.
struct StringArrayUDC {
    using Value = QStringList;
    static std::optional<QStringList> decode(const UserDefaults& defaults, const QString& key);
    static QVariant encode(const QStringList& value) { return value; }
};

} // namespace brisa
