#include "engine/halvex/tasks/CleanTagValuesTask.h"

namespace halvex {

CleanTagValuesTask::CleanTagValuesTask(Settings settings)
    : ImmediateWriteTask(settings.pool, settings.ignoreErrors), settings_(std::move(settings))
{
    setTitle({QStringLiteral("CleanTagValuesTaskTitle"), {}});
}

QList<ostrak::TagStream> CleanTagValuesTask::streams() const
{
    QList<ostrak::TagStream> streams;
    for (const ostrak::TagStream& stream : settings_.allStreams ? ostrak::TagStream::allCases() : settings_.tagStreams) {
        if (!stream.name().isEmpty() && !streams.contains(stream))
            streams.append(stream);
    }
    return streams;
}

void CleanTagValuesTask::run()
{
    const QList<ostrak::TagStream> chosen = streams();
    if (chosen.isEmpty())
        return;
    QStringList arguments = ImmediateFileWriter::options(settings_.fixInvalidOffsets, settings_.ignoreErrors);
    for (const ostrak::TagStream& stream : chosen)
        arguments << QLatin1Char('-') + stream.name() + QStringLiteral(":all=");
    const QList<Target> targets = targetsOf(settings_.editors);
    setDescription({QStringLiteral("CleanTagValuesTaskDescription"), {qlonglong(targets.size())}});
    writeEach(targets, [&arguments](const Target& target, const ImmediateFileWriter& writer, QList<TaskMessage>& messages) {
        return writer.write(target.path, arguments, messages);
    });
}

} // namespace halvex
