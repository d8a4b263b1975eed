#include "engine/halvex/tasks/ImportCSVTableTask.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tasks/CSVTable.h"
#include "engine/halvex/tasks/ExportCSVTableTask.h"
#include "engine/ostrak/ValueConverter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace halvex {

namespace {

struct Column {
    int index = 0;
    ostrak::TagName name;
    std::optional<ostrak::TagItem> item;
};

// The file a row names: its path as written, absolute or from the table's folder, then with
// links resolved.
QString rowFile(const QDir& tableFolder, const QString& cell)
{
    const QString path = QDir::cleanPath(tableFolder.absoluteFilePath(cell));
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

} // namespace

ImportCSVTableTask::ImportCSVTableTask(Settings settings) : settings_(std::move(settings))
{
    setTitle({QStringLiteral("ImportCSVTableTaskTitle"), {}});
}

void ImportCSVTableTask::run()
{
    const QString tablePath = settings_.table ? settings_.table->toLocalFile() : QString();
    setDescription({QStringLiteral("ImportCSVTableTaskDescription"), {tablePath}});
    QFile file(tablePath);
    if (tablePath.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        addMessage(TaskMessage::error(tablePath, QStringLiteral("CSVTableReadError"), {tablePath, file.errorString()}));
        return;
    }
    CSVTable::ParseError parseError;
    const auto table = CSVTable::parse(file.readAll(), &parseError);
    if (!table) {
        addMessage(TaskMessage::error(tablePath, QStringLiteral("CSVTableParseError"),
                                      {tablePath, parseError.line, parseError.reason}));
        return;
    }
    if (table->rows.isEmpty()) {
        addMessage(TaskMessage::error(tablePath, QStringLiteral("CSVTableNoSourceFileError"), {tablePath}));
        return;
    }
    const QStringList& header = table->rows.front();
    const auto sourceColumn = header.indexOf(ExportCSVTableTask::sourceFileColumn);
    if (sourceColumn < 0) {
        addMessage(TaskMessage::error(tablePath, QStringLiteral("CSVTableNoSourceFileError"), {tablePath}));
        return;
    }

    QList<Column> columns;
    for (int i = 0; i < header.size(); ++i) {
        if (i == sourceColumn || header.at(i).trimmed().isEmpty())
            continue;
        const ostrak::TagName name = ostrak::TagName::fromRawValue(header.at(i).trimmed());
        const auto item = name.group().isEmpty() ? std::nullopt : name.item();
        if (!item)
            addMessage(TaskMessage::error(tablePath, QStringLiteral("CSVTableUnknownColumnError"), {tablePath, header.at(i)}));
        else if (!item->isWritable())
            addMessage(TaskMessage::error(tablePath, QStringLiteral("CSVTableReadOnlyColumnError"), {tablePath, header.at(i)}));
        else
            columns.append({i, name, item});
    }

    QHash<QString, std::shared_ptr<TagEditor>> editors;
    for (const std::shared_ptr<TagEditor>& editor : settings_.editors) {
        const QString path = editor->source().url().toLocalFile();
        const QString canonical = QFileInfo(path).canonicalFilePath();
        editors.insert(canonical.isEmpty() ? QDir::cleanPath(path) : canonical, editor);
    }

    const QDir tableFolder = QFileInfo(tablePath).absoluteDir();
    EditionManager::Scope edition;
    forEachItem(int(table->rows.size() - 1), 1, [&](int index) {
        const int rowNumber = index + 2; // the header is row 1
        const QStringList& row = table->rows.at(index + 1);
        if (row.size() == 1 && row.front().isEmpty())
            return; // a blank line
        const QString source = row.value(sourceColumn);
        const auto editor = source.isEmpty() ? nullptr : editors.value(rowFile(tableFolder, source));
        if (!editor) {
            addMessage(TaskMessage::error(tablePath, QStringLiteral("CSVTableRowNoFileError"), {tablePath, rowNumber, source}));
            return;
        }
        for (const Column& column : std::as_const(columns)) {
            const QString cell = row.value(column.index);
            // An empty cell, or the value the file shows already, changes nothing.
            const bool isList = column.item->listKind() != ostrak::TagItem::ListKind::None;
            const QStringList current = editor->currentValues(column.name).value_or(QStringList());
            if (cell.isEmpty()
                || (isList ? CSVTable::listCell(current) : current.join(ExportCSVTableTask::listSeparator)) == cell)
                continue;
            const ostrak::ValueConverter converter(*column.item);
            const QStringList elements = isList ? CSVTable::listItems(cell) : QStringList{cell};
            QStringList values;
            for (const QString& element : elements) {
                const auto converted = converter.stringValueFromStringValue(element);
                if (!converted) {
                    values.clear();
                    break;
                }
                values.append(*converted);
            }
            if (values.isEmpty()) {
                addMessage(TaskMessage::error(tablePath, QStringLiteral("CSVTableValueError"),
                                              {tablePath, rowNumber, source, column.name.rawValue(), cell}));
                continue;
            }
            if (isList)
                editor->setValues(values, column.name);
            else
                editor->setValue(values.front(), column.name);
        }
    });
}

} // namespace halvex
