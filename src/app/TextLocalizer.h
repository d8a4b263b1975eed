#pragma once

#include <QString>
#include <QVariantList>

#include <optional>

namespace corvelle {

// Turns a localisation key and up to four format arguments into the text shown to the user.
// Every visible text of the program goes through localizedString().
class TextLocalizer {
public:
    // No argument list: the looked-up text as it stands. An argument list (zero to four
    // strings or numbers): the text formatted with them. A key missing from the table
    // yields the key itself.
    static QString localizedString(const QString& key,
                                   const std::optional<QVariantList>& arguments = std::nullopt);

private:
    static void ensureLoaded();
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
