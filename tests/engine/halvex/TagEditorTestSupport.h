#pragma once

#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <memory>

namespace halvex::test {

// Copies a fixture into `dir` under `name` (any name: the copy is made here, not by a shell).
inline QString copyFixture(const QDir& dir, const QString& fixture, const QString& name = {})
{
    const QString path = dir.filePath(name.isEmpty() ? fixture : name);
    QFile::remove(path);
    if (!QFile::copy(corvelle::test::fixturePath(fixture), path))
        qFatal("could not copy fixture %s", qPrintable(fixture));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return path;
}

inline QList<TagStorageSource> sourcesOf(const QStringList& paths)
{
    QList<TagStorageSource> sources;
    for (const QString& path : paths)
        sources.append(TagStorageSource(QUrl::fromLocalFile(path)));
    return sources;
}

// Runs the task on a task manager of its own and waits until it is done.
inline void runTask(const std::shared_ptr<AbstractTask>& task)
{
    TaskManager manager;
    manager.add(task);
    QDeadlineTimer deadline(std::chrono::minutes(5));
    while (!task->isDone() && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    if (!task->isDone())
        qFatal("the task did not end");
}

inline std::shared_ptr<ImportTagEditorsTask> importFiles(ImportTagEditorsTask::Settings settings)
{
    auto task = std::make_shared<ImportTagEditorsTask>(std::move(settings));
    runTask(task);
    return task;
}

inline std::shared_ptr<ImportTagEditorsTask> importFiles(const QStringList& paths, ostrak::ExifToolPool* pool)
{
    ImportTagEditorsTask::Settings settings(sourcesOf(paths));
    settings.pool = pool;
    return importFiles(std::move(settings));
}

// ExifTool's own reading of a file, the engine left out: its JSON, and its keys in ExifTool's
// order (a JSON object forgets it).
struct ExifToolReading {
    QJsonObject json;
    QStringList keys;
};

inline ExifToolReading exifToolReading(const QString& path)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"),
                   {QStringLiteral("-j"), QStringLiteral("-G1:4"), QStringLiteral("-a"), QStringLiteral("-l"),
                    QStringLiteral("-struct"), QStringLiteral("-api"), QStringLiteral("QuickTimeUTC"),
                    QStringLiteral("-All"), QStringLiteral("-FilePath"), QStringLiteral("-charset"),
                    QStringLiteral("filename=UTF8"), path});
    if (!exiftool.waitForFinished(60000))
        qFatal("exiftool did not finish");
    const QByteArray output = exiftool.readAllStandardOutput();
    ExifToolReading reading;
    reading.json = QJsonDocument::fromJson(output).array().first().toObject();
    // Top-level entries are the lines indented by two spaces.
    static const QRegularExpression keyLine(QStringLiteral("^  \"([^\"]+)\": \\{"), QRegularExpression::MultilineOption);
    for (auto match = keyLine.globalMatch(QString::fromUtf8(output)); match.hasNext();)
        reading.keys.append(match.next().captured(1));
    return reading;
}

// ExifTool's own reading of one tag, printed unless the options say otherwise, list items joined
// by "|"; empty when absent.
inline QString exifToolValue(const QString& path, const QString& tagName, const QStringList& options = {})
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"),
                   QStringList{QStringLiteral("-s3"), QStringLiteral("-sep"), QStringLiteral("|")} << options
                                                                                       << QLatin1Char('-') + tagName << path);
    if (!exiftool.waitForFinished(60000))
        qFatal("exiftool did not finish");
    return QString::fromUtf8(exiftool.readAllStandardOutput()).trimmed();
}

inline QByteArray exifToolBinary(const QString& path, const QString& tag)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-b"), QStringLiteral("-") + tag, path});
    if (!exiftool.waitForFinished(60000))
        qFatal("exiftool did not finish");
    return exiftool.readAllStandardOutput();
}

} // namespace halvex::test
