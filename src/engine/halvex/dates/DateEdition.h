#pragma once

#include "engine/halvex/dates/DateValues.h"
#include "engine/halvex/kit/LocalizedText.h"

#include <QString>

#include <optional>

namespace halvex {

// One action on a date tag: select a date, update chosen components to fixed numbers, shift
// chosen components by signed amounts, restore the file's value, or remove the tag.
class DateEdition {
public:
    enum class Kind { select, update, shift, restore, remove };

    static DateEdition select(const DateValues& values) { return {Kind::select, values}; }
    static DateEdition update(const DateValues& values) { return {Kind::update, values}; }
    static DateEdition shift(const DateValues& values) { return {Kind::shift, values}; }
    static DateEdition restore() { return {Kind::restore, {}}; }
    static DateEdition remove() { return {Kind::remove, {}}; }

    Kind kind() const { return kind_; }
    // The components of select, update and shift; nothing for restore and remove.
    std::optional<DateValues> values() const;
    // The same case with other components; restore and remove stay as they are.
    DateEdition withValues(const DateValues& values) const;

    // Text form, "select(day=4,month=7,year=2021,hour=13,minute=5,second=59)",
    // "shift(day=-1,hour=2)", "update()", "restore()", "remove()": the case, then the present
    // components in the order day, month, year, hour, minute, second.
    QString description() const;
    // The edition of a description() text; also reads blanks around the parts, "+" signs and
    // components in any order. Nothing for any other text (a date value included), for a
    // component named twice or an unknown one, and for a number beyond int.
    static std::optional<DateEdition> fromDescription(const QString& text);

    // Display text: a localisation key and its argument, the components in ExifTool's order
    // "Y:M:D h:m:s" ("--" for an absent one; signed amounts for a shift, "0" for an absent one).
    LocalizedText localizedDescription() const;
    // The localisation key of the case's title ("DateEditionSelectValueTitle", …).
    QString titleKey() const;

    // What the edition makes of a tag's date text (see DateText for the forms read):
    // - select: the given components replace the text's; absent time components become 0 and
    //   absent date components keep the text's. The text's form is kept: a time alone stays a
    //   time, a date alone stays a date, a partial date grows to the components given. With no
    //   text (or one that is no date), the form of the given components: "YYYY[:MM[:DD]]",
    //   then "HH:MM:SS" when any time component is given.
    // - update: the given components that the text holds are replaced, the others kept; a day
    //   beyond the month's last becomes the last (31 → 30 April, 29 February only in leap years).
    // - shift: the components the text holds are moved by the given amounts, years and months
    //   first (a month end stays within its month: 31 January + 1 month = 28/29 February),
    //   then days and time, each overflow carried into the next larger component, negative
    //   amounts included. A time alone wraps around midnight; a date alone ignores time amounts.
    // - restore, remove: TagValueRestore and TagValueClear, for the editor.
    // The second's fraction and the time zone are kept (select and a replaced second drop the
    // fraction). Nothing when the result is no real date or time (select of 31 April, a
    // component out of its range, a year beyond 1..9999) and, for update and shift, when
    // there is no date text: the tag is then to be left as it is.
    std::optional<QString> editedValue(const std::optional<QString>& value) const;

    friend bool operator==(const DateEdition&, const DateEdition&) = default;

private:
    DateEdition(Kind kind, const DateValues& values) : kind_(kind), values_(values) {}

    Kind kind_;
    DateValues values_;
};

} // namespace halvex
