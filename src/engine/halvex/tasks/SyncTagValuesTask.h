#pragma once

#include "engine/halvex/editions/TagSyncPair.h"
#include "engine/halvex/tasks/ImmediateWriteTask.h"

#include <QList>

#include <memory>

namespace halvex {

class TagEditor;

// Copies tag values inside each file of the folder editors at once (ImmediateWriteTask): for
// each pair, the file's value of the source tag goes into its destination tag (ExifTool's
// "-tagsFromFile @ -DST<SRC"). Only folder editors take part, each over the files its folder
// holds, its recursion and path filter honoured; a file lacking every source is left untouched.
class SyncTagValuesTask : public ImmediateWriteTask {
public:
    struct Settings {
        // Editors that are not folders are passed over.
        explicit Settings(QList<std::shared_ptr<TagEditor>> editors = {});

        QList<std::shared_ptr<TagEditor>> editors;
        bool ignoreErrors = true;
        QList<TagSyncPair> pairs;
        // Null: ExifToolPool::shared().
        ostrak::ExifToolPool* pool = nullptr;
    };

    explicit SyncTagValuesTask(Settings settings);

    const Settings& settings() const { return settings_; }

protected:
    void run() override;

private:
    const Settings settings_;
};

} // namespace halvex
