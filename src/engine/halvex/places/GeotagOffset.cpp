#include "engine/halvex/places/GeotagOffset.h"

#include <QStringList>

#include <cstdlib>

namespace halvex {

namespace {

int combine(const QList<int>& parts)
{
    bool west = false;
    int total = 0;
    const int sizes[] = {3600, 60, 1};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        west = west || parts[i] < 0;
        total += std::abs(parts[i]) * sizes[i];
    }
    return west ? -total : total;
}

} // namespace

int GeotagOffset::seconds(const QString& hours, const QString& minutes, const QString& seconds)
{
    return combine({hours.trimmed().toInt(), minutes.trimmed().toInt(), seconds.trimmed().toInt()});
}

std::optional<int> GeotagOffset::seconds(const QString& text)
{
    const QStringList fields = text.trimmed().split(QLatin1Char(':'));
    if (fields.isEmpty() || fields.size() > 3)
        return std::nullopt;
    QList<int> parts;
    bool west = false;
    for (const QString& field : fields) {
        bool ok = false;
        const int value = field.trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
        // "-0:30" is west although its hours are no negative number.
        west = west || field.trimmed().startsWith(QLatin1Char('-'));
        parts << std::abs(value);
    }
    const int total = combine(parts);
    return west ? -total : total;
}

QString GeotagOffset::text(int seconds)
{
    const int size = std::abs(seconds);
    return QStringLiteral("%1%2:%3:%4")
        .arg(seconds < 0 ? QStringLiteral("-") : QString())
        .arg(size / 3600, 2, 10, QLatin1Char('0'))
        .arg(size % 3600 / 60, 2, 10, QLatin1Char('0'))
        .arg(size % 60, 2, 10, QLatin1Char('0'));
}

QString GeotagOffset::zone(int seconds)
{
    const int size = std::abs(seconds);
    QString zone = QStringLiteral("%1%2:%3")
                       .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                       .arg(size / 3600, 2, 10, QLatin1Char('0'))
                       .arg(size % 3600 / 60, 2, 10, QLatin1Char('0'));
    if (size % 60)
        zone += QStringLiteral(":%1").arg(size % 60, 2, 10, QLatin1Char('0'));
    return zone;
}

} // namespace halvex
