#pragma once

#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/halvex/tasks/ImmediateFileWriter.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace ostrak {
class ExifToolPool;
} // namespace ostrak

namespace halvex {

class TagEditor;

// Base of the tasks that write into the files at once, outside any save (ImmediateFileWriter):
// each file is backed up, written, and read again into its editor in place, the editor's unsaved
// edits kept. A folder editor stands for the files its folder holds (its recursion and path
// filter honoured); its own values are the folder's and are not read again.
//
// A file that cannot be written ends as a message naming it and the reason and stays as it was.
// With ignoreErrors the other files go on; without, the first failure stops the batch and each
// file left is reported as not written.
class ImmediateWriteTask : public AbstractTask {
protected:
    struct Target {
        std::shared_ptr<TagEditor> editor;
        QString path;
        bool inFolder = false;
    };
    // Writes one file: the writer's result, its problems added to `messages`.
    using Write = std::function<ImmediateFileWriter::Result(const Target& target, const ImmediateFileWriter& writer,
                                                            QList<TaskMessage>& messages)>;

    // `pool` null: ExifToolPool::shared().
    ImmediateWriteTask(ostrak::ExifToolPool* pool, bool ignoreErrors);

    // The files of the editors, each once: a file editor's own file, a folder editor's files.
    // A folder that is gone or holds no file is reported.
    QList<Target> targetsOf(const QList<std::shared_ptr<TagEditor>>& editors);
    void writeEach(const QList<Target>& targets, const Write& write);

    ostrak::ExifToolPool& pool() const { return *pool_; }
    bool ignoresErrors() const { return ignoreErrors_; }

private:
    ostrak::ExifToolPool* pool_;
    const bool ignoreErrors_;
};

} // namespace halvex
