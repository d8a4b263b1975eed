#pragma once

#include "TagEditorTestSupport.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/SaveTagEditorsTask.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace halvex::test {

// Fixture copies opened through the import task, edited in memory, saved through the save task
// and read back by ExifTool itself.
class EndToEnd {
public:
    EndToEnd() : pool_(std::make_unique<ostrak::ExifToolPool>(2)) {}

    bool isValid() const { return dir_.isValid(); }

    QString copy(const QString& fixture, const QString& name = {}) const
    {
        return copyFixture(QDir(dir_.path()), fixture, name);
    }

    QList<std::shared_ptr<TagEditor>> open(const QStringList& paths) const
    {
        const auto task = importFiles(paths, pool_.get());
        return task->editors();
    }

    std::shared_ptr<TagEditor> open(const QString& path) const
    {
        const QList<std::shared_ptr<TagEditor>> editors = open(QStringList{path});
        return editors.isEmpty() ? nullptr : editors.front();
    }

    // Saves and answers the task's messages, one line each; empty when all went well.
    QString save(const QList<std::shared_ptr<TagEditor>>& editors) const
    {
        SaveTagEditorsTask::Settings settings;
        settings.editors = editors;
        settings.pool = pool_.get();
        auto task = std::make_shared<SaveTagEditorsTask>(settings);
        runTask(task);
        QStringList lines;
        for (const TaskMessage& message : task->messages()) {
            QStringList arguments;
            for (const QVariant& argument : message.reason.arguments)
                arguments << argument.toString();
            lines << message.reason.key + QStringLiteral(": ") + arguments.join(QStringLiteral("; "));
        }
        return lines.join(QLatin1Char('\n'));
    }

    // ExifTool's reading of tags, one line per tag ("-" for an absent one);
    // `numeric` reads them before print conversion (-n).
    static QString read(const QString& path, const QStringList& tags, bool numeric = false)
    {
        QStringList arguments{QStringLiteral("-s3"), QStringLiteral("-f"), QStringLiteral("-api"),
                              QStringLiteral("QuickTimeUTC")};
        if (numeric)
            arguments << QStringLiteral("-n");
        for (const QString& tag : tags)
            arguments << QLatin1Char('-') + tag;
        arguments << path;
        QProcess exiftool;
        exiftool.start(QStringLiteral("exiftool"), arguments);
        if (!exiftool.waitForFinished(60000))
            qFatal("exiftool did not finish");
        QString output = QString::fromUtf8(exiftool.readAllStandardOutput());
        if (output.endsWith(QLatin1Char('\n')))
            output.chop(1);
        return output;
    }

    // A number ExifTool reads (-n); none when the tag is absent.
    static std::optional<double> number(const QString& path, const QString& tag)
    {
        bool ok = false;
        const double value = read(path, {tag}, true).toDouble(&ok);
        return ok ? std::optional<double>(value) : std::nullopt;
    }

    static void exifTool(const QStringList& arguments)
    {
        QProcess process;
        process.start(QStringLiteral("exiftool"), QStringList{QStringLiteral("-overwrite_original")} << arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            qFatal("exiftool failed");
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<ostrak::ExifToolPool> pool_;
};

} // namespace halvex::test
