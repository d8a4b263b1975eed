#include "engine/halvex/dates/DateEdition.h"

#include "engine/halvex/dates/DateText.h"
#include "engine/halvex/tags/TagValueMarker.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace halvex {

namespace {

using DateLevel = DateText::DateLevel;
using TimeLevel = DateText::TimeLevel;

// The component names of the text form, in member order.
constexpr std::array<const char16_t*, 6> componentNames{u"day", u"month", u"year",
                                                         u"hour", u"minute", u"second"};

constexpr std::array<const char16_t*, 5> caseNames{u"select", u"update", u"shift", u"restore", u"remove"};

// The index of a name in a list of names; nothing when it is not there.
template<size_t N>
std::optional<size_t> indexOf(const std::array<const char16_t*, N>& names, QStringView name)
{
    for (size_t i = 0; i < N; ++i) {
        if (name == QStringView(names[i]))
            return i;
    }
    return std::nullopt;
}

std::array<std::optional<int>, 6> componentsOf(const DateValues& values)
{
    return {values.day(), values.month(), values.year(), values.hour(), values.minute(), values.second()};
}

qint64 floorDivision(qint64 value, qint64 divisor)
{
    return value / divisor - ((value % divisor != 0 && (value < 0) != (divisor < 0)) ? 1 : 0);
}

qint64 floorModulo(qint64 value, qint64 divisor)
{
    return value - floorDivision(value, divisor) * divisor;
}

DateLevel givenDateLevel(const DateValues& values)
{
    if (!values.year())
        return DateLevel::none;
    if (!values.month())
        return DateLevel::year;
    return values.day() ? DateLevel::day : DateLevel::month;
}

bool hasTimeComponent(const DateValues& values)
{
    return values.hour() || values.minute() || values.second();
}

std::optional<QString> validText(const DateText& date)
{
    if (!date.isValid())
        return std::nullopt;
    return date.text();
}

std::optional<QString> selected(const DateValues& values, const std::optional<DateText>& current)
{
    DateText result;
    if (current) {
        result = *current;
        if (result.hasDate())
            result.dateLevel = std::max(result.dateLevel, givenDateLevel(values));
        if (result.hasTime() && values.second())
            result.timeLevel = TimeLevel::second;
    } else {
        // Without a text the components given must form a date from the year down.
        result.dateLevel = givenDateLevel(values);
        const bool gap = (values.month() && !values.year()) || (values.day() && !values.month());
        if (gap)
            return std::nullopt;
        if (hasTimeComponent(values))
            result.timeLevel = TimeLevel::second;
        if (!result.hasDate() && !result.hasTime())
            return std::nullopt;
    }
    result.year = values.year().value_or(result.year);
    result.month = values.month().value_or(result.month);
    result.day = values.day().value_or(result.day);
    result.hour = values.hour().value_or(0);
    result.minute = values.minute().value_or(0);
    result.second = values.second().value_or(0);
    result.fraction.clear();
    return validText(result);
}

std::optional<QString> updated(const DateValues& values, const QString& text, const DateText& current)
{
    const bool holdsMonth = current.dateLevel >= DateLevel::month;
    const bool holdsDay = current.dateLevel == DateLevel::day;
    const bool holdsSecond = current.timeLevel == TimeLevel::second;
    const bool touchesDate = (current.hasDate() && values.year()) || (holdsMonth && values.month())
        || (holdsDay && values.day());
    const bool touchesTime = current.hasTime() && (values.hour() || values.minute() || (holdsSecond && values.second()));
    if (!touchesDate && !touchesTime)
        return text;

    const auto within = [](const std::optional<int>& value, int low, int high) {
        return !value || (*value >= low && *value <= high);
    };
    if (!within(values.day(), 1, 31) || !within(values.month(), 1, 12) || !within(values.hour(), 0, 23)
        || !within(values.minute(), 0, 59) || !within(values.second(), 0, 59))
        return std::nullopt;

    DateText result = current;
    if (current.hasDate())
        result.year = values.year().value_or(result.year);
    if (holdsMonth)
        result.month = values.month().value_or(result.month);
    if (holdsDay) {
        result.day = values.day().value_or(result.day);
        // Day 31 of a shorter month means its last day.
        const QDate first(result.year, result.month, 1);
        if (first.isValid() && result.day > first.daysInMonth())
            result.day = first.daysInMonth();
    }
    if (current.hasTime()) {
        result.hour = values.hour().value_or(result.hour);
        result.minute = values.minute().value_or(result.minute);
    }
    if (holdsSecond && values.second()) {
        result.second = *values.second();
        result.fraction.clear();
    }
    return validText(result);
}

std::optional<QString> shifted(const DateValues& values, const DateText& current)
{
    if (!current.isValid())
        return std::nullopt;
    const qint64 years = values.year().value_or(0);
    const qint64 months = current.dateLevel >= DateLevel::month ? values.month().value_or(0) : 0;
    const qint64 days = current.dateLevel == DateLevel::day ? values.day().value_or(0) : 0;

    DateText result = current;
    qint64 carriedDays = 0;
    if (current.hasTime()) {
        const bool holdsSecond = current.timeLevel == TimeLevel::second;
        const qint64 amount = qint64(values.hour().value_or(0)) * 3600 + qint64(values.minute().value_or(0)) * 60
            + (holdsSecond ? values.second().value_or(0) : 0);
        const qint64 total = qint64(current.hour) * 3600 + current.minute * 60 + current.second + amount;
        carriedDays = floorDivision(total, 86400);
        const qint64 ofDay = floorModulo(total, 86400);
        result.hour = int(ofDay / 3600);
        result.minute = int(ofDay / 60 % 60);
        result.second = int(ofDay % 60);
    }

    // Bounds well past the year range, so that nothing below overflows.
    constexpr qint64 reach = 12 * 10000 * 2;
    if (std::abs(years) > reach || std::abs(months) > reach)
        return std::nullopt;
    switch (current.dateLevel) {
    case DateLevel::none:
        break;
    case DateLevel::year:
        result.year = int(current.year + years);
        break;
    case DateLevel::month: {
        const qint64 monthIndex = qint64(current.year) * 12 + (current.month - 1) + years * 12 + months;
        result.year = int(floorDivision(monthIndex, 12));
        result.month = int(floorModulo(monthIndex, 12)) + 1;
        break;
    }
    case DateLevel::day: {
        if (std::abs(days) > reach * 31 || std::abs(carriedDays) > reach * 31)
            return std::nullopt;
        const QDate date = QDate(current.year, current.month, current.day)
                               .addMonths(int(years * 12 + months))
                               .addDays(days + carriedDays);
        if (!date.isValid())
            return std::nullopt;
        result.year = date.year();
        result.month = date.month();
        result.day = date.day();
        break;
    }
    }
    return validText(result);
}

QString number(const std::optional<int>& value, int width)
{
    return value ? QStringLiteral("%1").arg(*value, width, 10, QLatin1Char('0')) : QStringLiteral("--");
}

QString amount(const std::optional<int>& value)
{
    if (!value)
        return QStringLiteral("0");
    return (*value >= 0 ? QStringLiteral("+") : QString()) + QString::number(*value);
}

} // namespace

std::optional<DateValues> DateEdition::values() const
{
    if (kind_ == Kind::restore || kind_ == Kind::remove)
        return std::nullopt;
    return values_;
}

DateEdition DateEdition::withValues(const DateValues& values) const
{
    if (kind_ == Kind::restore || kind_ == Kind::remove)
        return *this;
    return {kind_, values};
}

QString DateEdition::description() const
{
    QStringList parts;
    const auto components = componentsOf(values_);
    for (size_t i = 0; i < components.size(); ++i) {
        if (components[i])
            parts.append(QString::fromUtf16(componentNames[i]) + u'=' + QString::number(*components[i]));
    }
    return QString::fromUtf16(caseNames[size_t(kind_)]) + u'(' + parts.join(u',') + u')';
}

std::optional<DateEdition> DateEdition::fromDescription(const QString& text)
{
    static const QRegularExpression form(QStringLiteral(R"(^\s*([a-z]+)\s*\((.*)\)\s*$)"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression component(QStringLiteral(R"(^\s*([a-z]+)\s*=\s*([+-]?\d+)\s*$)"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<size_t> kindIndex = indexOf(caseNames, match.captured(1));
    if (!kindIndex)
        return std::nullopt;
    const Kind kind = Kind(*kindIndex);

    std::array<std::optional<int>, 6> components;
    const QString inside = match.captured(2);
    if (!inside.trimmed().isEmpty()) {
        if (kind == Kind::restore || kind == Kind::remove)
            return std::nullopt;
        for (const QString& part : inside.split(u',')) {
            const QRegularExpressionMatch pair = component.match(part);
            if (!pair.hasMatch())
                return std::nullopt;
            const std::optional<size_t> index = indexOf(componentNames, pair.captured(1));
            if (!index)
                return std::nullopt;
            std::optional<int>& slot = components[*index];
            bool ok = false;
            const int value = pair.captured(2).toInt(&ok);
            if (slot || !ok)
                return std::nullopt;
            slot = value;
        }
    }
    const DateValues values(components[0], components[1], components[2], components[3], components[4],
                            components[5]);
    return DateEdition(kind, values);
}

LocalizedText DateEdition::localizedDescription() const
{
    const DateValues& v = values_;
    switch (kind_) {
    case Kind::select:
    case Kind::update: {
        const QString components = number(v.year(), 4) + u':' + number(v.month(), 2) + u':'
            + number(v.day(), 2) + u' ' + number(v.hour(), 2) + u':' + number(v.minute(), 2) + u':'
            + number(v.second(), 2);
        return {kind_ == Kind::select ? QStringLiteral("DateEditionSelectDescription")
                                      : QStringLiteral("DateEditionUpdateDescription"),
                {components}};
    }
    case Kind::shift: {
        const QString amounts = amount(v.year()) + u':' + amount(v.month()) + u':' + amount(v.day()) + u' '
            + amount(v.hour()) + u':' + amount(v.minute()) + u':' + amount(v.second());
        return {QStringLiteral("DateEditionShiftDescription"), {amounts}};
    }
    case Kind::restore:
        return {QStringLiteral("DateEditionRestoreDescription"), {}};
    case Kind::remove:
        return {QStringLiteral("DateEditionRemoveDescription"), {}};
    }
    return {};
}

QString DateEdition::titleKey() const
{
    switch (kind_) {
    case Kind::select:
        return QStringLiteral("DateEditionSelectValueTitle");
    case Kind::update:
        return QStringLiteral("DateEditionUpdateValueTitle");
    case Kind::shift:
        return QStringLiteral("DateEditionShiftValueTitle");
    case Kind::restore:
        return QStringLiteral("DateEditionRestoreValueTitle");
    case Kind::remove:
        return QStringLiteral("DateEditionRemoveValueTitle");
    }
    return {};
}

std::optional<QString> DateEdition::editedValue(const std::optional<QString>& value) const
{
    if (kind_ == Kind::restore)
        return TagValueRestore;
    if (kind_ == Kind::remove)
        return TagValueClear;

    const QString text = value.value_or(QString());
    const std::optional<DateText> current = DateText::parse(text);
    switch (kind_) {
    case Kind::select:
        return selected(values_, current);
    case Kind::update:
        return current ? updated(values_, text, *current) : std::nullopt;
    case Kind::shift:
        return current ? shifted(values_, *current) : std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace halvex
