#pragma once

#include "engine/halvex/tasks/ImmediateWriteTask.h"

#include <QList>

#include <memory>

namespace halvex {

class TagEditor;

// Removes the iTunes movie property list (the item list's "iTunMOVI" item: cast, directors,
// producers, screenwriters) from the editors' movies at once (ImmediateWriteTask). ExifTool reads
// it but cannot write it, so the item's atom is cut out by the engine itself
// (ItemListAtomRemover); the other tags of the item list stay. Files without it are not touched.
class DeleteItunMoviTask : public ImmediateWriteTask {
public:
    struct Settings {
        // Folder editors are passed over.
        explicit Settings(QList<std::shared_ptr<TagEditor>> editors = {});

        QList<std::shared_ptr<TagEditor>> editors;
        bool ignoreErrors = true;
        // Null: ExifToolPool::shared() (reads the files again).
        ostrak::ExifToolPool* pool = nullptr;
    };

    // The item's name in the item list.
    static const QString itemName;

    explicit DeleteItunMoviTask(Settings settings);

    const Settings& settings() const { return settings_; }

protected:
    void run() override;

private:
    const Settings settings_;
};

} // namespace halvex
