#include "engine/halvex/tags/TagEditorList.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagValueMarker.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/TagDatabase.h"

#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <exception>
#include <mutex>

namespace halvex {

namespace {

// Keeps list items apart on the pasteboard; a noncharacter never reaches an editor's values.
constexpr QChar itemSeparator(0xFDD1);

const QString xmpGroup = QStringLiteral("XMP");

QString family0Group(const ostrak::TagName& name)
{
    if (const auto item = ostrak::TagDatabase::shared().item(name); item && !item->family0Group().isEmpty())
        return item->family0Group();
    const QString head = name.group().section(QLatin1Char(':'), 0, 0);
    return head.startsWith(xmpGroup) ? xmpGroup : head;
}

bool isInStreams(const ostrak::TagName& name, const QList<ostrak::TagStream>& streams)
{
    const QString head = name.group().section(QLatin1Char(':'), 0, 0);
    QString family0;
    for (const ostrak::TagStream& stream : streams) {
        if (head == stream.name())
            return true;
        if (family0.isNull())
            family0 = family0Group(name);
        if (family0 == stream.name())
            return true;
    }
    return false;
}

// The tags ExifTool copies from file to file: writable, and not one of those that only make sense
// in their own file (unsafe: the IPTC character set, the EXIF layout, a movie's track matrix)
// or that it guards (protected).
bool isCopyable(const ostrak::TagName& name, bool likeExifTool)
{
    const ostrak::TagItem item = TagEditor::tagItem(name);
    if (!item.isWritable())
        return false;
    return !likeExifTool || !(item.flags() & (ostrak::TagItem::Unsafe | ostrak::TagItem::Protected));
}

// Clearing takes what a copy takes; deleting a permanent tag would only zero it.
bool isClearable(const ostrak::TagName& name)
{
    return isCopyable(name, true) && !(TagEditor::tagItem(name).flags() & ostrak::TagItem::Permanent);
}

// The names of the editors that belong to the streams, each once, in editor order.
QList<ostrak::TagName> namesInStreams(const TagEditorList::Editors& editors, const QList<ostrak::TagStream>& streams)
{
    QList<ostrak::TagName> names;
    QSet<ostrak::TagName> seen;
    for (const auto& editor : editors) {
        for (const ostrak::TagName& name : editor->tagNames()) {
            if (!seen.contains(name) && isInStreams(name, streams)) {
                seen.insert(name);
                names.append(name);
            }
        }
    }
    return names;
}

void clearInStreams(TagEditor& editor, const QList<ostrak::TagStream>& streams, const QSet<ostrak::TagName>& kept = {})
{
    for (const ostrak::TagName& name : editor.tagNames()) {
        if (kept.contains(name) || !isInStreams(name, streams))
            continue;
        // A tag that only an edit added is dropped whatever it is.
        if (!editor.originalValue(name) || isClearable(name))
            editor.clearValue(name);
    }
}

void pasteValue(TagEditor& editor, const ostrak::TagName& name, const std::optional<QString>& value)
{
    if (tagValueMarker(value)) {
        editor.setValue(value, name);
        return;
    }
    const std::optional<QStringList> items = TagEditorList::copiedItems(value);
    if (items && items->size() > 1)
        editor.setValues(*items, name);
    else
        editor.setValue(items ? std::optional<QString>(items->value(0)) : std::nullopt, name);
}

} // namespace

TagEditorList::TagEditorList(const Editors& editors)
{
    QSet<const TagEditor*> seen;
    for (const auto& editor : editors) {
        if (editor && !seen.contains(editor.get())) {
            seen.insert(editor.get());
            editors_.append(editor);
        }
    }
}

TagEditorList::TagEditorList(std::initializer_list<std::shared_ptr<TagEditor>> editors)
    : TagEditorList(Editors(editors))
{
}

void TagEditorList::setValue(const std::optional<QString>& value, const QList<ostrak::TagName>& tagNames) const
{
    EditionManager::Scope edition;
    for (const auto& editor : editors_) {
        for (const ostrak::TagName& name : tagNames)
            editor->setValue(value, name);
    }
}

void TagEditorList::setValue(const std::optional<QString>& value, const ostrak::TagName& tagName) const
{
    setValue(value, QList<ostrak::TagName>{tagName});
}

void TagEditorList::setValues(const Values& values) const
{
    EditionManager::Scope edition;
    QList<ostrak::TagName> names = values.keys();
    std::sort(names.begin(), names.end());
    for (const auto& editor : editors_) {
        for (const ostrak::TagName& name : std::as_const(names))
            editor->setValue(values.value(name), name);
    }
}

void TagEditorList::forceValues(const QList<ostrak::TagName>& tagNames) const
{
    EditionManager::Scope edition;
    for (const auto& editor : editors_) {
        for (const ostrak::TagName& name : tagNames)
            editor->forceValue(name);
    }
}

void TagEditorList::restoreValues(const QList<ostrak::TagStream>& tagStreams) const
{
    EditionManager::Scope edition;
    for (const auto& editor : editors_) {
        for (const ostrak::TagName& name : editor->editedTags()) {
            if (isInStreams(name, tagStreams))
                editor->restoreValue(name);
        }
    }
}

void TagEditorList::clearValues(const QList<ostrak::TagStream>& tagStreams) const
{
    EditionManager::Scope edition;
    for (const auto& editor : editors_)
        clearInStreams(*editor, tagStreams);
}

void TagEditorList::copyTags(const QList<ostrak::TagStream>& tagStreams) const
{
    copyTags(namesInStreams(editors_, tagStreams), true);
}

void TagEditorList::copyTags(const QList<ostrak::TagName>& tagNames) const
{
    copyTags(tagNames, false);
}

void TagEditorList::copyTags(const QList<ostrak::TagName>& tagNames, bool likeExifTool) const
{
    Values copied;
    for (const ostrak::TagName& name : tagNames) {
        if (copied.contains(name) || !isCopyable(name, likeExifTool))
            continue;
        for (const auto& editor : editors_) {
            const std::optional<QStringList> items = editor->currentValues(name);
            if (!items)
                continue;
            const std::optional<TagValue> stored = editor->originalValue(name);
            if (!editor->isEdited(name) && stored && stored->isBinary())
                continue;
            copied.insert(name, copiedValue(items));
            break;
        }
    }
    TagPasteboard::shared().setCopiedTags(copied);
}

void TagEditorList::pasteTags(bool clearOther) const
{
    const Values copied = TagPasteboard::shared().copiedTags();
    paste(copied, copied.keys(), clearOther);
}

void TagEditorList::pasteTags(const QList<ostrak::TagName>& tagNames) const
{
    if (!EditionManager::currentEdition() && TaskManager::shared().isEditing()) {
        const TagEditorList editors = *this;
        TaskManager::shared().add(std::make_shared<EditionTask>([editors, tagNames] { editors.pasteTags(tagNames); }));
        return;
    }
    paste(TagPasteboard::shared().copiedTags(), tagNames, false);
}

void TagEditorList::paste(const Values& copied, const QList<ostrak::TagName>& tagNames, bool clearOther) const
{
    QList<ostrak::TagName> names;
    for (const ostrak::TagName& name : tagNames) {
        if (copied.contains(name) && !names.contains(name))
            names.append(name);
    }
    if (names.isEmpty())
        return;
    std::sort(names.begin(), names.end());

    QList<ostrak::TagStream> streams;
    if (clearOther) {
        for (const ostrak::TagName& name : std::as_const(names)) {
            const ostrak::TagStream stream(family0Group(name));
            if (!streams.contains(stream))
                streams.append(stream);
        }
    }
    const QSet<ostrak::TagName> pasted(names.begin(), names.end());

    EditionManager::Scope edition;
    for (const auto& editor : editors_) {
        if (clearOther)
            clearInStreams(*editor, streams, pasted);
        for (const ostrak::TagName& name : std::as_const(names))
            pasteValue(*editor, name, copied.value(name));
    }
}

void TagEditorList::editConcurrently(const Block& block) const
{
    if (editors_.isEmpty() || !block)
        return;
    EditionManager::Scope edition;
    const auto recording = EditionManager::currentEdition();
    std::exception_ptr failure;
    std::mutex failureMutex;
    auto runOne = [&](const std::shared_ptr<TagEditor>& editor) {
        EditionManager::Scope joined(recording);
        try {
            block(editor);
        } catch (...) {
            std::lock_guard lock(failureMutex);
            if (!failure)
                failure = std::current_exception();
        }
    };

    if (editors_.size() == 1) {
        runOne(editors_.first());
    } else {
        QThreadPool pool;
        pool.setMaxThreadCount(int(std::min<qsizetype>(editors_.size(), std::max(1, QThread::idealThreadCount()))));
        for (const auto& editor : editors_)
            pool.start([&runOne, editor] { runOne(editor); });
        pool.waitForDone();
    }
    if (failure)
        std::rethrow_exception(failure);
}

QStringList TagEditorList::currentOrEmptyValues(const ostrak::TagName& tagName) const
{
    QStringList values;
    for (const auto& editor : editors_) {
        const QString value = editor->currentValue(tagName).value_or(QString());
        if (!values.contains(value))
            values.append(value);
    }
    return values;
}

bool TagEditorList::haveWrittenValues(const QList<ostrak::TagName>& tagNames) const
{
    return std::any_of(editors_.begin(), editors_.end(), [&](const auto& editor) {
        return std::any_of(tagNames.begin(), tagNames.end(), [&](const ostrak::TagName& name) {
            return editor->isEdited(name) || editor->currentValue(name).has_value();
        });
    });
}

std::optional<QString> TagEditorList::copiedValue(const std::optional<QStringList>& items)
{
    if (!items)
        return std::nullopt;
    return items->join(itemSeparator);
}

std::optional<QStringList> TagEditorList::copiedItems(const std::optional<QString>& value)
{
    if (!value)
        return std::nullopt;
    return value->split(itemSeparator);
}

} // namespace halvex
