#include "engine/ostrak/ExifToolMessage.h"

#include <QStringList>

namespace ostrak {

ExifToolMessage::ExifToolMessage(QString key, QVariantList arguments)
    : key_(std::move(key))
    , arguments_(std::move(arguments))
{
}

QString ExifToolMessage::text() const
{
    if (key_.isEmpty())
        return {};
    QStringList values;
    for (const QVariant& argument : arguments_)
        values.append(argument.toString());

    const QByteArray id = key_.toUtf8();
    QString pattern = qtTrId(id.constData());
    if (pattern.isEmpty() || pattern == key_)
        return values.isEmpty() ? key_ : key_ + QStringLiteral(": ") + values.join(QStringLiteral("; "));

    // Replaced in one pass so that a "%2" inside a file name is left alone.
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('%') && i + 1 < pattern.size() && pattern.at(i + 1).isDigit()) {
            const int index = pattern.at(i + 1).digitValue() - 1;
            if (index >= 0 && index < values.size()) {
                text += values.at(index);
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace ostrak
