#pragma once

#include <QString>
#include <QVariantList>

#include <optional>

namespace corvelle {

// Turns a localisation key and up to four format arguments into the text shown to the user.
// Every visible text of the program goes through localizedString().
class TextLocalizer {
public:
    // No argument list: the looked-up text as it stands, percent signs and placeholders
    // included. An argument list (zero to four strings or numbers): the text with its %1..%4
    // replaced in order, numbers written in the current locale. A key missing from the table
    // yields the key itself. An empty key or five arguments and more stop the program.
    static QString localizedString(const QString& key,
                                   const std::optional<QVariantList>& arguments = std::nullopt);

    static constexpr int maximumArgumentCount = 4;

private:
    // Whether the table is installed in the running application (done on first use).
    static bool ensureInstalled();
};

inline QString localizedString(const QString& key)
{
    return TextLocalizer::localizedString(key);
}

inline QString localizedString(const QString& key, const QVariantList& arguments)
{
    return TextLocalizer::localizedString(key, arguments);
}

} // namespace corvelle
