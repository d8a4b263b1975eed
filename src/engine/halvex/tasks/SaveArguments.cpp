#include "engine/halvex/tasks/SaveArguments.h"

#include "engine/ostrak/ETSettings.h"
#include "engine/ostrak/TagDatabase.h"
#include "engine/ostrak/TagItem.h"

#include <QRegularExpression>

#include <algorithm>

namespace halvex {

namespace {

const QString quickTimeGroup = QStringLiteral("QuickTime");
const QString iptcGroup = QStringLiteral("IPTC");
const QString xmpGroup = QStringLiteral("XMP");
const QString utf8 = QStringLiteral("UTF8");
const QString codedCharacterSet = QStringLiteral("CodedCharacterSet");

QString family0Group(const ostrak::TagName& name, const ostrak::TagDatabase& database)
{
    if (const auto item = database.item(name); item && !item->family0Group().isEmpty())
        return item->family0Group();
    // A group the database does not list ("XMP-myns", or a family-0 group given as is).
    const QString group = name.group().section(QLatin1Char(':'), 0, 0);
    return group.startsWith(xmpGroup) ? xmpGroup : group;
}

// A QuickTime tag named without its block: the group is the family-0 "QuickTime" and no
// movie-header tag of that name can be written.
bool isBlockless(const ostrak::TagName& name, const ostrak::TagDatabase& database)
{
    if (name.group() != quickTimeGroup)
        return false;
    const auto item = database.item(name);
    return !item || !item->isWritable();
}

QList<ostrak::TagName> blocksHolding(const QString& tagName, const ostrak::TagDatabase& database)
{
    QList<ostrak::TagName> names;
    for (const QString& block : {QStringLiteral("ItemList"), QStringLiteral("UserData"), QStringLiteral("Keys")}) {
        const ostrak::TagName candidate(block, tagName);
        if (const auto item = database.item(candidate); item && item->isWritable())
            names.append(candidate);
    }
    return names;
}

QList<ostrak::TagName> targetsOf(const TagEdit& edit, bool deletes, const ostrak::ETSettings& settings,
                                 const ostrak::TagDatabase& database)
{
    const ostrak::TagName name = SaveArguments::withoutCopyNumber(edit.tagName);
    if (!isBlockless(name, database))
        return {name};
    if (deletes)
        return blocksHolding(name.name(), database);
    QList<ostrak::TagName> names;
    for (const QString& block : settings.quickTimeGroupsToWrite(name.name(), database))
        names.append(ostrak::TagName(block, name.name()));
    return names;
}

// Choices are edited as their stored values, which ExifTool takes only in numeric form.
bool isNumeric(const ostrak::TagItem& item, const QStringList& values)
{
    return !item.choices().isEmpty()
           && std::all_of(values.begin(), values.end(), [&](const QString& value) {
                  return item.indexOfValue(value).has_value();
              });
}

} // namespace

ostrak::TagName SaveArguments::withoutCopyNumber(const ostrak::TagName& name)
{
    static const QRegularExpression copyPart(QStringLiteral("^Copy\\d+$"));
    QStringList parts = name.group().split(QLatin1Char(':'));
    parts.removeIf([](const QString& part) { return copyPart.match(part).hasMatch(); });
    return ostrak::TagName(parts.join(QLatin1Char(':')), name.name());
}

SaveArguments::SaveArguments(const QList<TagEdit>& edits, const Options& options, const FileState& file,
                             const ostrak::ETSettings& settings, const ostrak::TagDatabase& database)
{
    QStringList assignments;
    QStringList iptcExclusions;
    bool setsIPTC = false;
    bool writesXMP = false;
    bool assignsCharacterSet = false;

    for (const TagEdit& edit : edits) {
        // ExifTool deletes a tag assigned an empty value, and an empty item would cut a list short.
        QStringList values = edit.values.value_or(QStringList());
        values.removeAll(QString());
        const bool deletes = values.isEmpty();
        const QList<ostrak::TagName> targets = targetsOf(edit, deletes, settings, database);
        destinations_.append({targets, values});
        for (const ostrak::TagName& target : targets) {
            const QString group = family0Group(target, database);
            const QString tag = QLatin1Char('-') + target.rawValue();
            if (group == iptcGroup) {
                writesIPTC_ = true;
                setsIPTC = setsIPTC || !deletes;
                assignsCharacterSet = assignsCharacterSet || target.name() == codedCharacterSet;
                iptcExclusions << QStringLiteral("--") + target.rawValue();
            }
            writesXMP = writesXMP || group == xmpGroup;

            if (deletes) {
                assignments << tag + QLatin1Char('=');
                continue;
            }
            const QString assign = isNumeric(database.itemOrFallback(target), values) ? QStringLiteral("#=")
                                                                                      : QStringLiteral("=");
            for (const QString& value : values)
                assignments << tag + assign + value;
        }
    }

    // A temporary file renamed over the original, so that no file is ever left half written.
    arguments_ << QStringLiteral("-overwrite_original");
    if (!options.updateFileModifyDate)
        arguments_ << QStringLiteral("-P");
    if (options.fixInvalidOffsets)
        arguments_ << QStringLiteral("-F");
    // Reading takes QuickTime dates as UTC; writing must agree whatever the options say.
    arguments_ << (options.engineOptions | EngineOption::quickTimeUTC).apiArguments();

    // ExifTool encodes IPTC values as the file's CodedCharacterSet says. Marking a Latin file UTF-8
    // alone would garble the values it already holds, so they are copied onto themselves in the
    // same write: read as Latin, written as UTF-8. Edited tags are left out of the copy, or a list
    // would get the new items after the old ones.
    if (options.iptcAsUTF8 && setsIPTC && !assignsCharacterSet && file.iptcCharacterSet != utf8) {
        if (file.hasIPTC)
            arguments_ << QStringLiteral("-tagsFromFile") << QStringLiteral("@") << QStringLiteral("-IPTC:all")
                       << iptcExclusions;
        arguments_ << QStringLiteral("-IPTC:CodedCharacterSet=UTF8");
    }

    arguments_ << assignments;

    // The digest tells readers whether the IPTC is still in step with the XMP; only a change of
    // the IPTC can make it stale.
    if (writesIPTC_) {
        const QString digest = QStringLiteral("-Photoshop:IPTCDigest=");
        switch (options.iptcDigestUpdate) {
        case IPTCDigestUpdate::ignore:
            break;
        case IPTCDigestUpdate::delete_:
            arguments_ << digest;
            break;
        case IPTCDigestUpdate::update:
            arguments_ << digest + QStringLiteral("new");
            break;
        case IPTCDigestUpdate::updateIfExists:
            if (file.hasIPTCDigest)
                arguments_ << digest + QStringLiteral("new");
            break;
        }
    }

    if (writesXMP && !options.xmpToolkit.isEmpty())
        arguments_ << QStringLiteral("-XMP-x:XMPToolkit=") + options.xmpToolkit;
}

} // namespace halvex
