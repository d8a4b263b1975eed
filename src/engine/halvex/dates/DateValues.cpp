#include "engine/halvex/dates/DateValues.h"

namespace halvex {

namespace {

bool within(const std::optional<int>& value, int low, int high)
{
    return !value || (*value >= low && *value <= high);
}

} // namespace

DateValues::DateValues(std::optional<int> day, std::optional<int> month, std::optional<int> year,
                       std::optional<int> hour, std::optional<int> minute, std::optional<int> second)
    : day_(day), month_(month), year_(year), hour_(hour), minute_(minute), second_(second)
{
}

DateValues::DateValues(const std::optional<QDateTime>& date)
{
    if (!date || !date->isValid())
        return;
    const QDate day = date->date();
    const QTime time = date->time();
    day_ = day.day();
    month_ = day.month();
    year_ = day.year();
    hour_ = time.hour();
    minute_ = time.minute();
    second_ = time.second();
}

bool DateValues::isEmpty() const
{
    return !day_ && !month_ && !year_ && !hour_ && !minute_ && !second_;
}

std::optional<QDateTime> DateValues::date() const
{
    if (!day_ || !month_ || !year_ || !within(year_, 1, 9999))
        return std::nullopt;
    if (!within(hour_, 0, 23) || !within(minute_, 0, 59) || !within(second_, 0, 59))
        return std::nullopt;
    const QDate day(*year_, *month_, *day_);
    if (!day.isValid())
        return std::nullopt;
    const QDateTime date(day, QTime(hour_.value_or(0), minute_.value_or(0), second_.value_or(0)));
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace halvex
