#include "engine/ostrak/TagDatabase.h"

#include "engine/ostrak/TagDatabaseCache.h"
#include "engine/ostrak/TagDatabaseContents.h"
#include "engine/ostrak/TagListParser.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtGlobal>

namespace ostrak {

struct TagDatabase::Index {
    TagDatabaseContents contents;
    Origin origin = Origin::Unavailable;
    QString error;
    QHash<TagName, qsizetype> byName;
    QHash<QString, QList<qsizetype>> byGroup0;
    QHash<QString, QList<qsizetype>> byGroup1;

    std::optional<TagItem> exact(const TagName& name) const
    {
        const auto found = byName.constFind(name);
        if (found == byName.cend())
            return std::nullopt;
        return contents.items[*found];
    }

    QList<TagItem> itemsAt(const QList<qsizetype>& positions) const
    {
        QList<TagItem> list;
        list.reserve(positions.size());
        for (const qsizetype position : positions)
            list.append(contents.items[position]);
        return list;
    }
};

namespace {

constexpr int versionTimeoutMs = 30'000;
constexpr int listTimeoutMs = 180'000;

QString resolveProgram(const QString& program)
{
    if (QFileInfo(program).isAbsolute())
        return program;
    return QStandardPaths::findExecutable(program);
}

QString fileStamp(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("-");
    return QStringLiteral("%1 %2 %3")
        .arg(info.canonicalFilePath())
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch());
}

// The program file and ExifTool's user configuration (which can add tags) identify the
// installation without starting Perl, which costs more than reading the whole cache.
QString programStamp(const QString& program)
{
    if (program.isEmpty())
        return QString();
    const QByteArray configHome = qgetenv("EXIFTOOL_HOME");
    const QString configDir = configHome.isEmpty() ? QDir::homePath() : QString::fromLocal8Bit(configHome);
    return fileStamp(program) + QLatin1Char('|') + fileStamp(configDir + QStringLiteral("/.ExifTool_config"));
}

QString describeFailure(QProcess& process, const QString& program)
{
    if (process.error() == QProcess::FailedToStart)
        return QStringLiteral("ExifTool (%1) could not be started: %2").arg(program, process.errorString());
    if (process.error() == QProcess::Timedout)
        return QStringLiteral("ExifTool (%1) did not answer in time").arg(program);
    const QString message = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return QStringLiteral("ExifTool (%1) failed with exit code %2%3")
        .arg(program)
        .arg(process.exitCode())
        .arg(message.isEmpty() ? QString() : QStringLiteral(": ") + message);
}

QString queryVersion(const QString& program, QString* error)
{
    if (program.isEmpty()) {
        *error = QStringLiteral("ExifTool is not installed");
        return QString();
    }
    QProcess process;
    process.start(program, {QStringLiteral("-ver")});
    if (!process.waitForFinished(versionTimeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        *error = describeFailure(process, program);
        process.kill();
        process.waitForFinished();
        return QString();
    }
    const QString version = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    static const QRegularExpression versionPattern(QStringLiteral("^\\d+(\\.\\d+)*\\S*$"));
    if (!versionPattern.match(version).hasMatch()) {
        *error = QStringLiteral("ExifTool (%1) gave no version").arg(program);
        return QString();
    }
    return version;
}

// Parses the tag list while ExifTool still writes it, so the two overlap.
std::optional<TagDatabaseContents> readTagList(const QString& program, QString* error)
{
    QProcess process;
    process.start(program, {QStringLiteral("-listx"), QStringLiteral("-f"), QStringLiteral("-lang"),
                            QStringLiteral("en")});
    if (!process.waitForStarted(versionTimeoutMs)) {
        *error = describeFailure(process, program);
        return std::nullopt;
    }
    TagListParser parser;
    QDeadlineTimer deadline(listTimeoutMs);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        if (process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 1000))))
            parser.addData(process.readAllStandardOutput());
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        *error = QStringLiteral("ExifTool (%1) did not finish its tag list in time").arg(program);
        return std::nullopt;
    }
    parser.addData(process.readAllStandardOutput());
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = describeFailure(process, program);
        return std::nullopt;
    }
    if (!parser.finish()) {
        *error = QStringLiteral("ExifTool (%1): %2").arg(program, parser.errorString());
        return std::nullopt;
    }
    return parser.takeContents();
}

// The contents ExifTool gives now, unless its version is `knownVersion` (then none, without error).
std::optional<TagDatabaseContents> buildContents(const QString& program, const QString& knownVersion, QString* error)
{
    const QString version = queryVersion(program, error);
    if (version.isEmpty() || version == knownVersion)
        return std::nullopt;
    std::optional<TagDatabaseContents> built = readTagList(program, error);
    if (built)
        built->exifToolVersion = version;
    return built;
}

} // namespace

TagDatabase::TagDatabase()
    : index_(std::make_shared<const Index>())
{
}

const TagDatabase& TagDatabase::shared()
{
    static const TagDatabase database = [] {
        TagDatabase loaded = load();
        if (!loaded.errorString().isEmpty())
            qWarning("Tag database: %s", qPrintable(loaded.errorString()));
        return loaded;
    }();
    return database;
}

QString TagDatabase::defaultCacheFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/Corvelle/tag-database.bin");
}

TagDatabase TagDatabase::load()
{
    return load(Options());
}

TagDatabase TagDatabase::load(const Options& options)
{
    const QString cachePath = options.cacheFilePath.isEmpty() ? defaultCacheFilePath() : options.cacheFilePath;
    const QString program = resolveProgram(options.exifToolProgram);
    const QString stamp = programStamp(program);

    QString cacheProblem;
    std::optional<TagDatabaseCache::Entry> cached;
    if (QFileInfo::exists(cachePath)) {
        cached = TagDatabaseCache::read(cachePath, &cacheProblem);
        if (!cached)
            cacheProblem = QStringLiteral("the cache %1 was not used (%2)").arg(cachePath, cacheProblem);
    }
    if (cached && !stamp.isEmpty() && cached->programStamp == stamp)
        return fromContents(std::move(cached->contents), Origin::Cache, QString());

    QString error;
    QString writeProblem;
    std::optional<TagDatabaseContents> built = buildContents(program, cached ? cached->contents.exifToolVersion : QString(), &error);
    if (cached && !built && error.isEmpty()) {
        // Same ExifTool under a new file date: remember the new stamp so the next start skips Perl.
        cached->programStamp = stamp;
        TagDatabaseCache::write(cachePath, *cached, &writeProblem);
        return fromContents(std::move(cached->contents), Origin::Cache, QString());
    }
    if (built) {
        if (!TagDatabaseCache::write(cachePath, {stamp, *built}, &writeProblem))
            cacheProblem = QStringLiteral("the cache %1 could not be written (%2)").arg(cachePath, writeProblem);
        return fromContents(std::move(*built), Origin::ExifTool, cacheProblem);
    }
    const QString problems = cacheProblem.isEmpty() ? error : error + QStringLiteral("; ") + cacheProblem;
    if (cached) // ExifTool is gone or broken: the last list it gave is better than none
        return fromContents(std::move(cached->contents), Origin::Cache, problems);
    return fromContents(TagDatabaseContents(), Origin::Unavailable, problems);
}

TagDatabase TagDatabase::build(const Options& options)
{
    QString error;
    std::optional<TagDatabaseContents> built = buildContents(resolveProgram(options.exifToolProgram), QString(), &error);
    if (!built)
        return fromContents(TagDatabaseContents(), Origin::Unavailable, error);
    return fromContents(std::move(*built), Origin::ExifTool, QString());
}

TagDatabase TagDatabase::fromContents(TagDatabaseContents contents, Origin origin, QString error)
{
    auto index = std::make_shared<Index>();
    index->origin = origin;
    index->error = std::move(error);
    index->contents = std::move(contents);
    const QList<TagItem>& items = index->contents.items;
    index->byName.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const TagItem& item = items[i];
        index->byName.insert(item.tagName(), i);
        index->byGroup0[item.family0Group()].append(i);
        index->byGroup1[item.tagName().group()].append(i);
    }
    TagDatabase database;
    database.index_ = std::move(index);
    return database;
}

TagDatabase::Origin TagDatabase::origin() const
{
    return index_->origin;
}

QString TagDatabase::errorString() const
{
    return index_->error;
}

QString TagDatabase::exifToolVersion() const
{
    return index_->contents.exifToolVersion;
}

int TagDatabase::tableCount() const
{
    return index_->contents.tableCount;
}

const QList<TagItem>& TagDatabase::allItems() const
{
    return index_->contents.items;
}

std::optional<TagItem> TagDatabase::item(const TagName& name) const
{
    if (auto found = index_->exact(name))
        return found;

    // Groups ExifTool numbers per occurrence, and the copies of a compound group.
    static const QRegularExpression copyPart(QStringLiteral("^Copy\\d+$"));
    static const QRegularExpression numbered(QStringLiteral("^(\\D+)\\d+$"));
    static const QRegularExpression languageSuffix(QStringLiteral("^(.+?)-([a-z]{2,3}(-[A-Za-z]{2,4})?|x-default)$"));
    QStringList groups;
    for (const QString& part : name.group().split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (!copyPart.match(part).hasMatch())
            groups.prepend(part);
    }
    for (qsizetype i = 0, n = groups.size(); i < n; ++i) {
        const QRegularExpressionMatch match = numbered.match(groups[i]);
        if (!match.hasMatch())
            continue;
        const QString stem = match.captured(1);
        groups << stem + QLatin1Char('#');
        if (stem == u"Track")
            groups << QStringLiteral("QuickTime");
        else if (stem == u"IFD" || stem == u"SubIFD")
            groups << QStringLiteral("IFD0") << QStringLiteral("ExifIFD");
    }
    QStringList names{name.name()};
    if (const QRegularExpressionMatch match = languageSuffix.match(name.name()); match.hasMatch())
        names << match.captured(1);
    for (const QString& tag : names) {
        for (const QString& group : std::as_const(groups)) {
            const TagName candidate(group, tag);
            if (candidate == name)
                continue;
            if (const auto found = index_->exact(candidate))
                return found->renamed(name);
        }
    }
    return std::nullopt;
}

TagItem TagDatabase::itemOrFallback(const TagName& name) const
{
    if (auto found = item(name))
        return *found;
    return TagItem::fallback(name);
}

QList<TagItem> TagDatabase::items(const TagStream& stream) const
{
    const QList<qsizetype> byGroup0 = index_->byGroup0.value(stream.name());
    const QList<qsizetype> byGroup1 = index_->byGroup1.value(stream.name());
    if (byGroup1.isEmpty())
        return index_->itemsAt(byGroup0);
    if (byGroup0.isEmpty())
        return index_->itemsAt(byGroup1);
    QList<qsizetype> merged = byGroup0 + byGroup1;
    std::sort(merged.begin(), merged.end());
    merged.erase(std::unique(merged.begin(), merged.end()), merged.end());
    return index_->itemsAt(merged);
}

QList<TagItem> TagDatabase::itemsInGroup(const QString& family1Group) const
{
    return index_->itemsAt(index_->byGroup1.value(family1Group));
}

} // namespace ostrak
