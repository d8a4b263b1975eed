#include "platform/brisa/core/DateHelpers.h"

namespace brisa {

namespace {

const QString utcFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss'Z'");

} // namespace

QString utcFormatted(const QDateTime& date)
{
    if (!date.isValid())
        return {};
    return date.toUTC().toString(utcFormat);
}

QDateTime dateFromUTCFormatted(const QString& text)
{
    // Read the fields as UTC directly: going through local time could hit a DST gap.
    if (text.size() != 20 || text.at(10) != QLatin1Char('T') || !text.endsWith(QLatin1Char('Z')))
        return {};
    const QDate day = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(text.mid(11, 8), QStringLiteral("HH:mm:ss"));
    if (!day.isValid() || !time.isValid())
        return {};
    return QDateTime(day, time, Qt::UTC);
}

QDateTime yesterday()
{
    return QDateTime::currentDateTime().addDays(-1);
}

} // namespace brisa
