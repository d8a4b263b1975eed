#include "engine/halvex/dates/TagEditorDates.h"

#include "engine/halvex/dates/DateText.h"
#include "engine/halvex/dates/DateTextZone.h"
#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagValueMarker.h"

#include <QDateTime>

namespace halvex {

namespace {

using DateLevel = DateText::DateLevel;
using TimeLevel = DateText::TimeLevel;

bool holdsDateOnly(ostrak::TagType type)
{
    return type == ostrak::TagType::PartialDate || type == ostrak::TagType::DigitsDate;
}

bool holdsTimeOnly(ostrak::TagType type)
{
    return type == ostrak::TagType::PartialTime || type == ostrak::TagType::DigitsTime;
}

// The components a tag of the type can hold; the others are dropped.
DateValues restrictedTo(ostrak::TagType type, const DateValues& values)
{
    if (holdsDateOnly(type))
        return DateValues(values.day(), values.month(), values.year());
    if (holdsTimeOnly(type))
        return DateValues(std::nullopt, std::nullopt, std::nullopt, values.hour(), values.minute(), values.second());
    return values;
}

bool apply(TagEditor& editor, const ostrak::TagName& name, const std::optional<QString>& value)
{
    if (!value)
        return false;
    if (const auto marker = tagValueMarker(value))
        return *marker == TagValueMarker::restore ? editor.restoreValue(name) : editor.clearValue(name);
    return editor.setValue(*value, name);
}

// EXIF keeps the zone of its three dates in tags of their own.
QString exifOffsetOf(const TagEditor& editor, const ostrak::TagName& date)
{
    static const QList<std::pair<QString, QString>> offsets{
        {QStringLiteral("DateTimeOriginal"), QStringLiteral("OffsetTimeOriginal")},
        {QStringLiteral("CreateDate"), QStringLiteral("OffsetTimeDigitized")},
        {QStringLiteral("ModifyDate"), QStringLiteral("OffsetTime")},
    };
    if (date.group() != u"ExifIFD" && date.group() != u"IFD0")
        return {};
    for (const auto& [name, offset] : offsets) {
        if (date.name() == name) {
            const QString value = editor.currentValue(ostrak::TagName(QStringLiteral("ExifIFD"), offset)).value_or(QString());
            return DateTextZone::offsetSeconds(value.trimmed()) ? value.trimmed() : QString();
        }
    }
    return {};
}

bool isUTCStamp(const ostrak::TagName& name)
{
    return name.group() == u"GPS" || (name.group() == u"XMP-exif" && name.name() == u"GPSDateTime");
}

// The date and time in UTC; unchanged when its zone is not known or it has no full date and time.
DateText inUTC(DateText date)
{
    if (!DateTextZone::offsetSeconds(date.zone) || !date.hasTime())
        return date;
    const std::optional<QDateTime> utc = DateTextZone::utcDateTime(date);
    if (!utc)
        return date;
    date.year = utc->date().year();
    date.month = utc->date().month();
    date.day = utc->date().day();
    date.hour = utc->time().hour();
    date.minute = utc->time().minute();
    date.second = utc->time().second();
    date.zone = QStringLiteral("Z");
    return date;
}

// The source date in the form the target tag holds; none when the source lacks what it needs.
std::optional<QString> converted(DateText date, const ostrak::TagItem& target)
{
    const ostrak::TagName& name = target.tagName();
    const ostrak::TagType type = target.type();
    if (isUTCStamp(name)) {
        date = inUTC(date);
        if (name.group() == u"GPS")
            date.zone.clear();
    }
    if (holdsDateOnly(type)) {
        if (date.dateLevel != DateLevel::day)
            return std::nullopt;
        date.timeLevel = TimeLevel::none;
        date.zone.clear();
        date.fraction.clear();
    } else if (holdsTimeOnly(type)) {
        if (!date.hasTime())
            return std::nullopt;
        date.dateLevel = DateLevel::none;
        if (type == ostrak::TagType::PartialTime)
            date.zone.clear();
    } else if (type != ostrak::TagType::Date) {
        // A date and time: a date alone starts the day.
        if (date.dateLevel != DateLevel::day)
            return std::nullopt;
        if (!date.hasTime()) {
            date.timeLevel = TimeLevel::second;
            date.hour = date.minute = date.second = 0;
        }
        if (type == ostrak::TagType::DateTime) {
            date.zone.clear();
            date.fraction.clear();
        }
    }
    if (!date.isValid())
        return std::nullopt;
    return date.text();
}

} // namespace

bool isEditableDateTag(const ostrak::TagItem& tagItem)
{
    const QString& family0 = tagItem.family0Group();
    return tagItem.isWritable() && tagItem.type().isDateTimeOrPartial() && family0 != u"Composite" && family0 != u"File"
           && tagItem.tagName().group() != u"System";
}

// Each public edit opens one edition (EditionManager::Scope), so that every tag it writes is
// reported by a single history flush.

bool editDate(TagEditor& editor, const DateEdition& edition, const ostrak::TagItem& tagItem)
{
    const EditionManager::Scope oneEdition;
    if (!isEditableDateTag(tagItem))
        return false;
    const ostrak::TagName& name = tagItem.tagName();
    const std::optional<QString> current = editor.currentValue(name);
    DateEdition applied = edition;
    if (edition.kind() == DateEdition::Kind::select && !(current && DateText::parse(*current)))
        applied = edition.withValues(restrictedTo(tagItem.type(), *edition.values()));
    return apply(editor, name, applied.editedValue(current));
}

bool editDate(TagEditor& editor, const DateEdition& edition, const QList<ostrak::TagName>& tagNames)
{
    const EditionManager::Scope oneEdition;
    bool changed = false;
    for (const ostrak::TagName& name : tagNames)
        changed = editDate(editor, edition, TagEditor::tagItem(name)) || changed;
    return changed;
}

bool editDate(const QList<std::shared_ptr<TagEditor>>& editors, const DateEdition& edition,
              const QList<ostrak::TagName>& tagNames)
{
    const EditionManager::Scope oneEdition;
    bool changed = false;
    for (const std::shared_ptr<TagEditor>& editor : editors)
        changed = editDate(*editor, edition, tagNames) || changed;
    return changed;
}

bool copyDate(TagEditor& editor, const ostrak::TagName& from, const ostrak::TagName& to)
{
    const EditionManager::Scope oneEdition;
    const ostrak::TagItem target = TagEditor::tagItem(to);
    if (from == to || !isEditableDateTag(target))
        return false;
    std::optional<DateText> date = DateText::parse(editor.currentValue(from).value_or(QString()));
    if (!date || !date->isValid())
        return false;
    if (date->zone.isEmpty() && date->hasTime())
        date->zone = exifOffsetOf(editor, from);
    return apply(editor, to, converted(*date, target));
}

} // namespace halvex
