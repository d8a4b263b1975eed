#include "engine/ostrak/ETTagStorageReader.h"

#include "engine/ostrak/ExifToolCommand.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/TagRecordParser.h"

#include <QFuture>
#include <QHash>
#include <QSet>
#include <QRegularExpression>
#include <QThreadPool>

#include <algorithm>

namespace ostrak {

namespace {

using namespace std::chrono_literals;

// Small enough that every process gets work and one slow file holds up few others; large
// enough that the per-command cost stays small.
constexpr qsizetype chunksPerProcess = 4;
constexpr qsizetype largestChunk = 50;

std::chrono::milliseconds chunkTimeout(qsizetype files)
{
    return 30s + 2s * files;
}

// ExifTool reports a file it could not open only on its error output: "Error: REASON - PATH".
QString errorReason(const QString& errorOutput, const QString& path)
{
    const QString suffix = QStringLiteral(" - ") + path;
    for (const QString& line : errorOutput.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Error: ")) && line.endsWith(suffix))
            return line.mid(7, line.size() - 7 - suffix.size());
    }
    return {};
}

TagRecordSet failedSet(const QString& path, ExifToolMessage error)
{
    TagRecordSet set;
    set.path = path;
    set.error = std::move(error);
    return set;
}

ExifToolMessage fileError(const QString& path, const QString& reason)
{
    return ExifToolMessage(QStringLiteral("ExifToolFileReadError"), {path, reason});
}

// Parses answers. Its own threads: a reader waiting in a shared pool's thread must never keep
// the parsing of its own answers from starting.
QThreadPool& parsingPool()
{
    static QThreadPool pool;
    return pool;
}

QList<TagRecordSet> setsOfChunk(const QStringList& paths, const ExifToolResult& result)
{
    QList<TagRecordSet> sets;
    if (!result.isFinished()) {
        for (const QString& path : paths)
            sets.append(failedSet(path, fileError(path, result.error.text())));
        return sets;
    }
    auto parsed = TagRecordParser::parse(result.output);
    if (!parsed) {
        for (const QString& path : paths)
            sets.append(failedSet(path, ExifToolMessage(QStringLiteral("ExifToolBadAnswerError"), {path})));
        return sets;
    }
    QHash<QString, qsizetype> byPath;
    for (qsizetype i = 0; i < parsed->size(); ++i)
        byPath.insert(parsed->at(i).path, i);
    for (const QString& path : paths) {
        const auto found = byPath.constFind(path);
        if (found != byPath.constEnd()) {
            sets.append(std::move((*parsed)[*found]));
            continue;
        }
        const QString reason = errorReason(result.errorOutput, path);
        sets.append(failedSet(path, reason.isEmpty() ? ExifToolMessage(QStringLiteral("ExifToolNoAnswerError"), {path})
                                                     : fileError(path, reason)));
    }
    return sets;
}

} // namespace

ETTagStorageReader::ETTagStorageReader(ExifToolPool& pool)
    : pool_(pool)
{
}

ETTagStorageReader::ETTagStorageReader()
    : ETTagStorageReader(ExifToolPool::shared())
{
}

QStringList ETTagStorageReader::readArguments()
{
    // -G1:4 keeps tags that share a name (a movie's tracks) apart by copy number; -l gives the
    // printed value, the numeric value and the description of each. ExifTool gives the file's
    // full path only when asked by name, and asking for one tag alone would give nothing else.
    return {QStringLiteral("-php"),    QStringLiteral("-G1:4"), QStringLiteral("-a"),
            QStringLiteral("-l"),      QStringLiteral("-struct"), QStringLiteral("-api"),
            QStringLiteral("QuickTimeUTC"), QStringLiteral("-All"), QStringLiteral("-FilePath")};
}

QStringList ETTagStorageReader::distinctFiles(const QStringList& paths)
{
    QStringList files;
    QSet<QString> seen;
    for (const QString& path : paths) {
        QString absolute = ExifToolCommand::absolutePath(path);
        if (!seen.contains(absolute)) {
            seen.insert(absolute);
            files.append(std::move(absolute));
        }
    }
    return files;
}

QList<TagRecordSet> ETTagStorageReader::read(const QStringList& paths) const
{
    const QStringList files = distinctFiles(paths);
    const qsizetype processes = pool_.maximumProcessCount();
    const qsizetype chunkSize = std::clamp<qsizetype>((files.size() + processes * chunksPerProcess - 1)
                                                          / (processes * chunksPerProcess),
                                                      1, largestChunk);
    return readInChunks(paths, files, chunkSize);
}

QList<TagRecordSet> ETTagStorageReader::readTogether(const QStringList& paths) const
{
    const QStringList files = distinctFiles(paths);
    return readInChunks(paths, files, std::max<qsizetype>(1, files.size()));
}

QList<TagRecordSet> ETTagStorageReader::readInChunks(const QStringList& paths, const QStringList& files,
                                                      qsizetype chunkSize) const
{
    QList<QStringList> chunks;
    for (qsizetype i = 0; i < files.size(); i += chunkSize)
        chunks.append(files.mid(i, chunkSize));

    QHash<QString, TagRecordSet> sets;
    QList<TagRecordSet> read = readChunks(chunks);
    sets.reserve(read.size());
    for (TagRecordSet& set : read)
        sets.insert(set.path, std::move(set));

    QHash<QString, int> requests;
    for (const QString& path : paths)
        ++requests[ExifToolCommand::absolutePath(path)];
    QList<TagRecordSet> ordered;
    ordered.reserve(paths.size());
    for (const QString& path : paths) {
        // The last request for a path takes its set; an earlier one gets a copy.
        const QString absolute = ExifToolCommand::absolutePath(path);
        const auto found = sets.find(absolute);
        if (found == sets.end())
            ordered.append(TagRecordSet());
        else if (--requests[absolute] > 0)
            ordered.append(*found);
        else
            ordered.append(std::move(*found));
    }
    return ordered;
}

QList<TagRecordSet> ETTagStorageReader::readChunks(const QList<QStringList>& chunks) const
{
    // What became of one chunk: its sets, or its files to read again one by one.
    struct Outcome {
        QList<TagRecordSet> sets;
        QStringList retries;
    };
    // Each answer is parsed as soon as it comes, beside the others, rather than one after
    // another once all have come.
    QList<QFuture<Outcome>> futures;
    for (const QStringList& chunk : chunks) {
        ExifToolRequest request;
        request.arguments = readArguments();
        request.files = chunk;
        request.readsEveryTag = true;
        request.timeout = chunkTimeout(chunk.size());
        futures.append(pool_.submit(std::move(request)).then(&parsingPool(), [chunk](const ExifToolResult& result) {
            const bool fileMayBeAtFault = result.state == ExifToolResult::State::TimedOut
                || result.state == ExifToolResult::State::Crashed
                || result.state == ExifToolResult::State::InvalidRequest;
            // One file that hangs or kills ExifTool, or whose name cannot be passed, must not
            // cost its neighbours their tags.
            if (fileMayBeAtFault && chunk.size() > 1)
                return Outcome{{}, chunk};
            return Outcome{setsOfChunk(chunk, result), {}};
        }));
    }

    QList<TagRecordSet> sets;
    QList<QStringList> retries;
    for (QFuture<Outcome>& future : futures) {
        Outcome outcome = future.takeResult();
        sets.append(std::move(outcome.sets));
        for (const QString& path : std::as_const(outcome.retries))
            retries.append({path});
    }
    if (!retries.isEmpty())
        sets.append(readChunks(retries));
    return sets;
}

QByteArray ETTagStorageReader::readBinary(const QString& path, const QString& tagName, ExifToolMessage* error) const
{
    const auto fail = [error](ExifToolMessage message) {
        if (error)
            *error = std::move(message);
        return QByteArray();
    };
    if (error)
        *error = {};

    // Also keeps a name from being taken for an option ("b", "execute").
    static const QRegularExpression namePattern(QStringLiteral("^[A-Za-z0-9][\\w-]*(:[A-Za-z0-9][\\w-]*)*$"));
    if (!namePattern.match(tagName).hasMatch())
        return fail(ExifToolMessage(QStringLiteral("ExifToolBadTagNameError"), {tagName}));

    const QString file = ExifToolCommand::absolutePath(path);
    ExifToolRequest request;
    const QString tagArgument = tagName.contains(QLatin1Char(':')) ? QStringLiteral("-") + tagName
                                                                  : QStringLiteral("-All:") + tagName;
    request.arguments = {QStringLiteral("-b"), tagArgument};
    request.files = {file};
    const ExifToolResult result = pool_.execute(std::move(request));
    if (!result.isFinished())
        return fail(fileError(file, result.error.text()));
    const QString reason = errorReason(result.errorOutput, file);
    if (!reason.isEmpty())
        return fail(fileError(file, reason));
    return result.output;
}

} // namespace ostrak
