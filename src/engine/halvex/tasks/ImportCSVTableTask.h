#pragma once

#include "engine/halvex/tasks/AbstractTask.h"

#include <QList>
#include <QUrl>

#include <memory>
#include <optional>

namespace halvex {

class TagEditor;

// Reads a table written by ExportCSVTableTask (or by ExifTool's -csv with family-1 groups) and
// stages its values in the editors, as if typed in: nothing is written before the user saves,
// unsaved edits of other tags stay, and the import is one undo step.
//
// Rows are matched to editors by their "SourceFile" cell: the file's path, absolute or
// relative to the table's folder. An empty cell changes nothing. Each problem is a message
// naming the table, the row and the reason: a row matching no file, a column whose tag is
// unknown or read-only, a value its tag cannot take. The other cells go on; a table that cannot
// be read or has no "SourceFile" column stages nothing.
class ImportCSVTableTask : public AbstractTask {
public:
    struct Settings {
        QList<std::shared_ptr<TagEditor>> editors;
        std::optional<QUrl> table;
    };

    explicit ImportCSVTableTask(Settings settings);

    const Settings& settings() const { return settings_; }
    bool isEdition() const override { return true; }

protected:
    void run() override;

private:
    const Settings settings_;
};

} // namespace halvex
