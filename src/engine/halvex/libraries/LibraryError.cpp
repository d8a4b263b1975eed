#include "engine/halvex/libraries/LibraryError.h"

#include <QStringList>

namespace halvex {

namespace {

std::string describe(const QList<LocalizedText>& texts)
{
    QStringList parts;
    for (const LocalizedText& text : texts) {
        QStringList arguments;
        for (const QVariant& argument : text.arguments)
            arguments.append(argument.toString());
        parts.append(text.key + u'(' + arguments.join(QStringLiteral(", ")) + u')');
    }
    return parts.join(u' ').toStdString();
}

} // namespace

LibraryError::LibraryError(const QString& key, const QVariantList& arguments)
    : LibraryError(QList<LocalizedText>{{key, arguments}})
{
}

LibraryError::LibraryError(const QList<LocalizedText>& texts) : std::runtime_error(describe(texts)), texts_(texts)
{
}

LibraryError LibraryError::after(const QString& contextKey, const QVariantList& arguments) const
{
    return LibraryError(QList<LocalizedText>{{contextKey, arguments}} + texts_);
}

} // namespace halvex
