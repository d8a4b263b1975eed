#include "engine/halvex/tasks/ExportCSVTableTask.h"

#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/BackupStore.h"
#include "engine/halvex/tasks/CSVTable.h"
#include "engine/ostrak/ETSettings.h"

#include <QFileInfo>
#include <QSaveFile>

namespace halvex {

const QString ExportCSVTableTask::sourceFileColumn = QStringLiteral("SourceFile");
const QString ExportCSVTableTask::listSeparator = QStringLiteral(", ");

ExportCSVTableTask::ExportCSVTableTask(Settings settings) : settings_(std::move(settings))
{
    setTitle({QStringLiteral("ExportCSVTableTaskTitle"), {}});
}

void ExportCSVTableTask::run()
{
    const QString destination = settings_.destination ? settings_.destination->toLocalFile() : QString();
    setDescription({QStringLiteral("ExportCSVTableTaskDescription"), {destination, qlonglong(settings_.editors.size())}});
    if (destination.isEmpty()) {
        addMessage(TaskMessage::error(destination, QStringLiteral("CSVTableWriteError"), {destination, QStringLiteral("no file")}));
        return;
    }

    CSVTable table;
    QStringList header{sourceFileColumn};
    for (const ostrak::TagItem& item : settings_.tagItems)
        header.append(item.tagName().rawValue());
    table.rows.append(header);
    forEachItem(int(settings_.editors.size()), 1, [&](int index) {
        const TagEditor& editor = *settings_.editors.at(index);
        QStringList row{editor.source().url().toLocalFile()};
        for (const ostrak::TagItem& item : settings_.tagItems) {
            const QStringList values = editor.currentValues(item.tagName()).value_or(QStringList());
            row.append(item.listKind() != ostrak::TagItem::ListKind::None ? CSVTable::listCell(values)
                                                                          : values.join(listSeparator));
        }
        table.rows.append(row);
    });
    if (isCancelled())
        return;

    const QFileInfo info(destination);
    if (info.exists()) {
        if (!info.isFile()) {
            addMessage(TaskMessage::error(destination, QStringLiteral("CSVTableWriteError"), {destination, QStringLiteral("not a file")}));
            return;
        }
        const QString backupFolder = ostrak::ETSettings::shared().backupFolder();
        const BackupStore::Outcome backup = BackupStore::shared().backUp(destination, backupFolder);
        if (!backup.succeeded()) {
            addMessage(TaskMessage::error(destination, QStringLiteral("CSVTableBackupError"), {destination, backupFolder, backup.error}));
            return;
        }
    }
    QSaveFile file(destination);
    const QByteArray bytes = table.toBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        addMessage(TaskMessage::error(destination, QStringLiteral("CSVTableWriteError"), {destination, file.errorString()}));
}

} // namespace halvex
