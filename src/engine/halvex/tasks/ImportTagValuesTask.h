#pragma once

#include "engine/halvex/tags/MediaType.h"
#include "engine/halvex/tags/TagStorageSource.h"
#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/ostrak/TagName.h"
#include "engine/ostrak/TagStream.h"

#include <QList>
#include <QSet>

#include <memory>
#include <optional>

namespace ostrak {
class ExifToolPool;
} // namespace ostrak

namespace halvex {

class TagEditor;

// Copies the tag values of one source file into every editor: read once, then staged in each
// editor as edits (see TagValueStager), so nothing is written before the user saves and the
// import is one undo step. The chosen names and the chosen streams are left out. A source that
// cannot be read is reported and nothing is staged.
class ImportTagValuesTask : public AbstractTask {
public:
    struct Settings {
        explicit Settings(QList<std::shared_ptr<TagEditor>> editors) : editors(std::move(editors)) {}

        QList<std::shared_ptr<TagEditor>> editors;
        std::optional<TagStorageSource> source;
        QSet<ostrak::TagName> excludedNames;
        QSet<ostrak::TagStream> excludedStreams;
        // Runs ExifTool; null: ExifToolPool::shared().
        ostrak::ExifToolPool* pool = nullptr;
    };

    explicit ImportTagValuesTask(Settings settings);

    const Settings& settings() const { return settings_; }
    bool isEdition() const override { return true; }

    // The types a source may have: the file types the program opens, folders aside.
    static QSet<MediaType> supportedSourceTypes();

protected:
    void run() override;

private:
    const Settings settings_;
};

} // namespace halvex
