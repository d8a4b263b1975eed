#pragma once

#include <QDateTime>

#include <optional>

namespace halvex {

// Six optional date and time components. They carry a date to select, fixed numbers to put
// into chosen components, or signed amounts to shift them by (see DateEdition); any int is
// held as given.
class DateValues {
public:
    DateValues() = default;
    DateValues(std::optional<int> day, std::optional<int> month, std::optional<int> year,
               std::optional<int> hour = std::nullopt, std::optional<int> minute = std::nullopt,
               std::optional<int> second = std::nullopt);
    // The wall-clock components of the date as it is expressed (its own time zone), seconds
    // without their fraction; all absent for no date or an invalid one.
    explicit DateValues(const std::optional<QDateTime>& date);

    const std::optional<int>& day() const { return day_; }
    const std::optional<int>& month() const { return month_; }
    const std::optional<int>& year() const { return year_; }
    const std::optional<int>& hour() const { return hour_; }
    const std::optional<int>& minute() const { return minute_; }
    const std::optional<int>& second() const { return second_; }

    bool isEmpty() const;

    // The date these components form, in local time. Year (1..9999), month and day must be
    // present and form a real calendar day (no 31 April, 29 February only in leap years);
    // an absent hour, minute or second counts as 0, a present one must be within 0..23 or
    // 0..59. Nothing otherwise; components are never carried into each other here.
    std::optional<QDateTime> date() const;

    friend bool operator==(const DateValues&, const DateValues&) = default;

private:
    std::optional<int> day_;
    std::optional<int> month_;
    std::optional<int> year_;
    std::optional<int> hour_;
    std::optional<int> minute_;
    std::optional<int> second_;
};

} // namespace halvex
