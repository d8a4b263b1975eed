#pragma once

#include <QDateTime>
#include <QString>

namespace brisa {

// The date in UTC, as "yyyy-MM-ddTHH:mm:ssZ" (ISO 8601); empty for an invalid date.
QString utcFormatted(const QDateTime& date);
// The date of a utcFormatted() text; invalid for any other text.
QDateTime dateFromUTCFormatted(const QString& text);

// This moment one day ago.
QDateTime yesterday();

} // namespace brisa
