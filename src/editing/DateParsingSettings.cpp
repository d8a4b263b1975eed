#include "editing/DateParsingSettings.h"

#include "engine/halvex/dates/DateValues.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/TagItem.h"

#include <QRegularExpression>

#include <limits>

namespace corvelle {

DateParsingSettings::DateParsingSettings()
    : tagName(ostrak::TagItem::itemFileFileName().tagName())
    , regexPattern(QStringLiteral(R"((\d{1,4})-(\d{1,2})-(\d{1,2})-(\d{1,2})-(\d{1,2})-(\d{1,2}))"))
{
}

std::optional<QStringList> DateParsingSettings::capturedTexts(const QString& text) const
{
    const QRegularExpression expression(regexPattern);
    if (!expression.isValid())
        return std::nullopt;
    // The whole text, counted in UTF-16 units as QString holds it.
    const QRegularExpressionMatch match = expression.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QStringList texts;
    for (int group = 1; group <= match.lastCapturedIndex(); ++group) {
        if (match.capturedStart(group) >= 0)
            texts.append(match.captured(group));
    }
    return texts;
}

std::optional<int> DateParsingSettings::componentValue(const QString& text)
{
    qsizetype start = 0;
    if (text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')))
        start = 1;
    if (start >= text.size())
        return std::nullopt;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

std::optional<QDateTime> DateParsingSettings::date(const QString& text) const
{
    const std::optional<QStringList> texts = capturedTexts(text);
    if (!texts)
        return std::nullopt;
    const auto component = [&texts](int number) -> std::optional<int> {
        if (number < 0 || number >= texts->size() || texts->at(number).isEmpty())
            return std::nullopt;
        return componentValue(texts->at(number));
    };
    const halvex::DateValues values(component(dayMatchNumber), component(monthMatchNumber), component(yearMatchNumber),
                                    component(hourMatchNumber), component(minuteMatchNumber),
                                    component(secondMatchNumber));
    return values.date();
}

std::optional<QDateTime> DateParsingSettings::date(const halvex::TagEditor& editor) const
{
    const std::optional<QString> text = editor.currentValue(tagName);
    if (!text)
        return std::nullopt;
    return date(*text);
}

} // namespace corvelle
