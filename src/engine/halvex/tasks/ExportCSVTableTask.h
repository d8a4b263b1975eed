#pragma once

#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/ostrak/TagItem.h"

#include <QList>
#include <QUrl>

#include <memory>
#include <optional>

namespace halvex {

class TagEditor;

// Writes one table of the editors' values: a "SourceFile" column with each file's path, then
// one column per tag item named "Group:Name", one row per editor in order. The values are
// those the editors show, unsaved edits included; list items are joined by ", ". See CSVTable
// for the form; ImportCSVTableTask reads it back.
//
// The table is written whole or not at all. A file already at the destination is backed up
// first (ETSettings' backup folder), or kept and reported when no backup can be made.
class ExportCSVTableTask : public AbstractTask {
public:
    struct Settings {
        explicit Settings(QList<std::shared_ptr<TagEditor>> editors) : editors(std::move(editors)) {}

        QList<std::shared_ptr<TagEditor>> editors;
        QList<ostrak::TagItem> tagItems;
        std::optional<QUrl> destination;
    };

    static const QString sourceFileColumn;
    static const QString listSeparator;

    explicit ExportCSVTableTask(Settings settings);

    const Settings& settings() const { return settings_; }

protected:
    void run() override;

private:
    const Settings settings_;
};

} // namespace halvex
