#include "editing/TagNumberFormatter.h"

#include <cmath>

namespace corvelle {

TagNumberFormatter::TagNumberFormatter(ostrak::TagType type, const QLocale& locale)
    : integer_(type.isInteger())
    , minimum_(type.minimumNumberValue())
    , maximum_(type.maximumNumberValue())
    , locale_(locale)
{
}

QString TagNumberFormatter::string(double number) const
{
    if (integer_)
        return locale_.toString(qlonglong(std::llround(number)));
    QString text = locale_.toString(number, 'f', maximumFractionDigits());
    // Trailing zeros go down to the minimum number of fraction digits.
    const QString point = locale_.decimalPoint();
    const qsizetype pointIndex = text.lastIndexOf(point);
    if (pointIndex < 0)
        return text;
    const qsizetype keep = pointIndex + point.size() + minimumFractionDigits();
    qsizetype end = text.size();
    while (end > keep && text.at(end - 1) == locale_.zeroDigit().at(0))
        --end;
    text.truncate(end);
    return text;
}

std::optional<double> TagNumberFormatter::number(const QString& text) const
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = locale_.toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    if (integer_ && value != std::floor(value))
        return std::nullopt;
    if ((minimum_ && value < *minimum_) || (maximum_ && value > *maximum_))
        return std::nullopt;
    return value;
}

} // namespace corvelle
