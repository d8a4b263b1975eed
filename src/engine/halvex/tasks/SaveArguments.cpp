#include "engine/halvex/tasks/SaveArguments.h"

#include "engine/ostrak/ETSettings.h"
#include "engine/ostrak/TagDatabase.h"
#include "engine/ostrak/TagItem.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>

namespace halvex {

namespace {

const QString quickTimeGroup = QStringLiteral("QuickTime");
const QString iptcGroup = QStringLiteral("IPTC");
const QString xmpGroup = QStringLiteral("XMP");
const QString utf8 = QStringLiteral("UTF8");
const QString codedCharacterSet = QStringLiteral("CodedCharacterSet");
const QString exifGroup = QStringLiteral("EXIF");

// The mark of UTF-8 IPTC, printed or as stored.
bool isUTF8Marker(const QString& value)
{
    return value.compare(utf8, Qt::CaseInsensitive) == 0 || value == QStringLiteral("\x1b%G");
}

// The letters of an EXIF GPS coordinate's hemispheres, positive first; null for other tags.
const char* hemisphereLetters(const QString& tagName)
{
    if (tagName == QLatin1String("GPSLatitude") || tagName == QLatin1String("GPSDestLatitude"))
        return "NS";
    if (tagName == QLatin1String("GPSLongitude") || tagName == QLatin1String("GPSDestLongitude"))
        return "EW";
    return nullptr;
}

// The hemisphere a coordinate's text names: by its sign ("-33.85", "+151.2"), a plain decimal
// number ("48.8584" is north), or a hemisphere letter ("33 51 24 S"). Degrees, minutes and
// seconds without either name none, and the Ref the file holds stays.
std::optional<QString> hemisphereOf(const QString& tagName, const QString& value)
{
    const char* letters = hemisphereLetters(tagName);
    const QString text = value.trimmed();
    if (!letters || text.isEmpty())
        return std::nullopt;
    const QString positive = QString(QLatin1Char(letters[0]));
    const QString negative = QString(QLatin1Char(letters[1]));
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QChar(0x2212)))
        return negative;
    if (text.startsWith(QLatin1Char('+')))
        return positive;
    static const QRegularExpression letter(QStringLiteral("(^[NSEWnsew]\\b)|(\\b[NSEWnsew]$)"));
    if (const auto match = letter.match(text); match.hasMatch()) {
        const QString found = match.captured(0).toUpper();
        if (found == positive || found == negative)
            return found;
        return std::nullopt;
    }
    bool number = false;
    text.toDouble(&number);
    return number ? std::optional<QString>(positive) : std::nullopt;
}

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

const QString base64Prefix = QStringLiteral("base64:");

bool holdsBytes(const ostrak::TagItem& item)
{
    return item.type() == ostrak::TagType::Base64Image || item.type() == ostrak::TagType::Binary;
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
    bool assignsUTF8 = false;
    // Each Ref tag a signed EXIF coordinate calls for, with its letter.
    QList<std::pair<ostrak::TagName, QString>> hemispheres;

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
                if (target.name() == codedCharacterSet) {
                    assignsCharacterSet = true;
                    assignsUTF8 = assignsUTF8 || (!deletes && isUTF8Marker(values.front()));
                }
                iptcExclusions << QStringLiteral("--") + target.rawValue();
            }
            writesXMP = writesXMP || group == xmpGroup;

            if (deletes) {
                assignments << tag + QLatin1Char('=');
                continue;
            }
            const ostrak::TagItem item = database.itemOrFallback(target);
            if (holdsBytes(item) && values.size() == 1 && values.front().startsWith(base64Prefix)) {
                const QString file = writeBinaryValue(values.front());
                if (!file.isEmpty())
                    assignments << tag + QStringLiteral("<=") + file;
                continue;
            }
            const QString assign = isNumeric(item, values) ? QStringLiteral("#=") : QStringLiteral("=");
            for (const QString& value : values)
                assignments << tag + assign + value;
            if (group == exifGroup) {
                if (const auto hemisphere = hemisphereOf(target.name(), values.front()))
                    hemispheres.append({ostrak::TagName(target.group(), target.name() + QStringLiteral("Ref")), *hemisphere});
            }
        }
    }

    // EXIF keeps a coordinate's hemisphere apart, in its Ref tag, and ExifTool drops the sign of
    // the coordinate itself: a signed value written on its own would land in the north or east.
    for (const auto& [ref, hemisphere] : std::as_const(hemispheres)) {
        const bool refEdited = std::any_of(edits.begin(), edits.end(), [&](const TagEdit& edit) {
            return SaveArguments::withoutCopyNumber(edit.tagName).name() == ref.name();
        });
        if (!refEdited)
            assignments << QLatin1Char('-') + ref.rawValue() + QStringLiteral("#=") + hemisphere;
    }

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
    // The same holds however the mark arrives: set here, or as an edit of its own.
    const bool addsMark = options.iptcAsUTF8 && setsIPTC && !assignsCharacterSet;
    if ((addsMark || assignsUTF8) && file.iptcCharacterSet != utf8) {
        if (file.hasIPTC)
            arguments_ << QStringLiteral("-tagsFromFile") << QStringLiteral("@") << QStringLiteral("-IPTC:all")
                       << iptcExclusions;
        if (addsMark)
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

QString SaveArguments::writeBinaryValue(const QString& value)
{
    const auto decoded = QByteArray::fromBase64Encoding(value.mid(base64Prefix.size()).trimmed().toLatin1(),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.isEmpty()) {
        error_ = QStringLiteral("The binary value is not valid base64.");
        return {};
    }
    if (!binaryFolder_) {
        binaryFolder_ = std::make_shared<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/corvelle-values-XXXXXX"));
        if (!binaryFolder_->isValid()) {
            error_ = binaryFolder_->errorString();
            return {};
        }
    }
    QFile file(binaryFolder_->filePath(QStringLiteral("value-%1.bin").arg(binaryFileCount_++)));
    if (!file.open(QIODevice::WriteOnly) || file.write(decoded.decoded) != decoded.decoded.size() || !file.flush()) {
        error_ = file.fileName() + QStringLiteral(": ") + file.errorString();
        return {};
    }
    return file.fileName();
}

} // namespace halvex
