#include "engine/halvex/tasks/ImportTagValuesTask.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TagValueStager.h"
#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QFileInfo>

namespace halvex {

ImportTagValuesTask::ImportTagValuesTask(Settings settings) : settings_(std::move(settings))
{
    setTitle({QStringLiteral("ImportTagValuesTaskTitle"), {}});
}

QSet<MediaType> ImportTagValuesTask::supportedSourceTypes()
{
    QSet<MediaType> types = ImportTagEditorsTask::supportedTypes();
    types.remove(MediaType::typeFolder());
    return types;
}

void ImportTagValuesTask::run()
{
    const QString source = settings_.source ? settings_.source->url().toLocalFile() : QString();
    setDescription({QStringLiteral("ImportTagValuesTaskDescription"), {source, qlonglong(settings_.editors.size())}});
    if (source.isEmpty() || !QFileInfo(source).isFile()) {
        addMessage(TaskMessage::error(source, QStringLiteral("ImportSourceMissingError"), {source}));
        return;
    }
    ostrak::ExifToolPool& pool = settings_.pool ? *settings_.pool : ostrak::ExifToolPool::shared();
    const ostrak::TagRecordSet records = ostrak::ETTagStorageReader(pool).read({source}).front();
    if (const auto damage = TagValueStager::damage(records)) {
        addMessage(TaskMessage::error(source, QStringLiteral("ImportSourceReadError"), {source, *damage}));
        return;
    }
    const TagStorage storage(*settings_.source, records);
    TagValueStager stager;
    stager.excludedNames = settings_.excludedNames;
    stager.excludedStreams = settings_.excludedStreams;

    EditionManager::Scope edition;
    forEachItem(int(settings_.editors.size()), 1, [&](int index) {
        TagEditor& editor = *settings_.editors.at(index);
        // A file is not its own source: its values are already its own.
        if (QFileInfo(editor.source().url().toLocalFile()).canonicalFilePath() != QFileInfo(source).canonicalFilePath())
            stager.stage(editor, storage);
    });
}

} // namespace halvex
