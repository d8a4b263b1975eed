#include "engine/halvex/tags/TagEditor.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/tags/TagValueMarker.h"

#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/TagDatabase.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QCoreApplication>
#include <QReadLocker>
#include <QWriteLocker>

#include <atomic>

namespace halvex {

const QString TagEditor::didChangeSourceNotification = QStringLiteral("TagEditorDidChangeSourceNotification");

namespace {

std::atomic<quint64> nextRevision{1};

const ostrak::TagName exifOrientationName(QStringLiteral("IFD0"), QStringLiteral("Orientation"));
const ostrak::TagName quicktimeRotationName(QStringLiteral("Composite"), QStringLiteral("Rotation"));
const ostrak::TagName mimeTypeName(QStringLiteral("File"), QStringLiteral("MIMEType"));

void postSourceChange(const TagEditor* editor)
{
    // Without an application there is no main thread to deliver to.
    if (QCoreApplication::instance())
        brisa::NotificationCenter::defaultCenter().post(TagEditor::didChangeSourceNotification, editor);
}

} // namespace

TagEditor::TagEditor(TagStorage storage, ostrak::ExifToolPool* pool)
    : pool_(pool ? pool : &ostrak::ExifToolPool::shared()), storage_(std::move(storage))
{
}

TagEditor::~TagEditor() = default;

TagStorageSource TagEditor::source() const
{
    QReadLocker locker(&lock_);
    return storage_.source();
}

void TagEditor::setSource(const TagStorageSource& source)
{
    {
        QWriteLocker locker(&lock_);
        if (storage_.source() == source)
            return;
        storage_.setSource(source);
    }
    {
        QMutexLocker binaryLocker(&binaryMutex_);
        binaryValues_.clear();
    }
    postSourceChange(this);
}

QString TagEditor::fileName() const
{
    return source().url().adjusted(QUrl::StripTrailingSlash).fileName();
}

bool TagEditor::isFolder() const
{
    return false;
}

TagStorage TagEditor::storage() const
{
    QReadLocker locker(&lock_);
    return storage_;
}

QList<ostrak::TagName> TagEditor::tagNames() const
{
    QReadLocker locker(&lock_);
    QList<ostrak::TagName> names = storage_.tagNames();
    for (const ostrak::TagName& name : editOrder_) {
        if (!storage_.contains(name))
            names.append(name);
    }
    return names;
}

ostrak::TagItem TagEditor::tagItem(const ostrak::TagName& tagName)
{
    return ostrak::TagDatabase::shared().itemOrFallback(tagName);
}

std::optional<TagValue> TagEditor::originalValue(const ostrak::TagName& tagName) const
{
    QReadLocker locker(&lock_);
    return storage_.value(tagName);
}

QList<ostrak::TagName> TagEditor::originalTags() const
{
    QReadLocker locker(&lock_);
    return storage_.tagNames();
}

QList<ostrak::TagName> TagEditor::editedTags() const
{
    QReadLocker locker(&lock_);
    return editOrder_;
}

std::optional<QString> TagEditor::currentValue(const ostrak::TagName& tagName) const
{
    QReadLocker locker(&lock_);
    const auto edit = edits_.constFind(tagName);
    if (edit != edits_.constEnd())
        return edit->text();
    return storage_.currentValue(tagName);
}

std::optional<QStringList> TagEditor::currentValues(const ostrak::TagName& tagName) const
{
    QReadLocker locker(&lock_);
    const auto edit = edits_.constFind(tagName);
    if (edit != edits_.constEnd())
        return edit->values;
    if (const auto stored = storage_.value(tagName))
        return stored->values();
    return std::nullopt;
}

QByteArray TagEditor::binaryValue(const ostrak::TagName& tagName, ostrak::ExifToolMessage* error) const
{
    if (error)
        *error = {};
    // ExifTool would read every file in a folder.
    if (isFolder())
        return {};
    {
        QMutexLocker binaryLocker(&binaryMutex_);
        const auto cached = binaryValues_.constFind(tagName);
        if (cached != binaryValues_.constEnd())
            return *cached;
    }
    // Read without holding a lock: ExifTool may take a while, and readers must not wait for it.
    const QString path = source().url().toLocalFile();
    ostrak::ExifToolMessage readError;
    const QByteArray bytes = ostrak::ETTagStorageReader(*pool_).readBinary(path, tagName.rawValue(), &readError);
    if (!readError.isEmpty()) {
        if (error)
            *error = readError;
        return {};
    }
    QMutexLocker binaryLocker(&binaryMutex_);
    binaryValues_.insert(tagName, bytes);
    return bytes;
}

bool TagEditor::prefersQuicktime() const
{
    QReadLocker locker(&lock_);
    return storage_.currentValue(mimeTypeName).value_or(QString()).startsWith(QLatin1String("video/"));
}

int TagEditor::originalExifOrientationValue() const
{
    QReadLocker locker(&lock_);
    const auto stored = storage_.value(exifOrientationName);
    bool ok = false;
    const int value = stored ? stored->numericText().toInt(&ok) : 0;
    return ok && value >= 1 && value <= 8 ? value : 1;
}

int TagEditor::originalQuicktimeOrientationValue() const
{
    QReadLocker locker(&lock_);
    const auto stored = storage_.value(quicktimeRotationName);
    bool ok = false;
    const int degrees = stored ? stored->numericText().toInt(&ok) : 0;
    if (!ok)
        return 1;
    switch (((degrees % 360) + 360) % 360) {
    case 90:
        return 6;
    case 180:
        return 3;
    case 270:
        return 8;
    default:
        return 1;
    }
}

bool TagEditor::setValue(const std::optional<QString>& value, const ostrak::TagName& tagName)
{
    if (const auto marker = tagValueMarker(value))
        return *marker == TagValueMarker::restore ? restoreValue(tagName) : clearValue(tagName);
    return stage(tagName, value ? std::optional<QStringList>(QStringList{withoutNoncharacters(*value)}) : std::nullopt);
}

bool TagEditor::setValues(const QStringList& values, const ostrak::TagName& tagName)
{
    if (values.size() == 1 && tagValueMarker(values.first()))
        return setValue(values.first(), tagName);
    QStringList items;
    items.reserve(values.size());
    for (const QString& value : values)
        items.append(withoutNoncharacters(value));
    return stage(tagName, items);
}

bool TagEditor::clearValue(const ostrak::TagName& tagName)
{
    return stage(tagName, std::nullopt);
}

bool TagEditor::restoreValue(const ostrak::TagName& tagName)
{
    EditionManager::Scope edition;
    bool changed = false;
    {
        QWriteLocker locker(&lock_);
        changed = dropEditLocked(tagName);
    }
    if (changed)
        EditionManager::record(*this, {tagName});
    return changed;
}

bool TagEditor::restoreAllValues()
{
    EditionManager::Scope edition;
    QList<ostrak::TagName> restored;
    {
        QWriteLocker locker(&lock_);
        restored = editOrder_;
        edits_.clear();
        editOrder_.clear();
    }
    EditionManager::record(*this, restored);
    return !restored.isEmpty();
}

bool TagEditor::forceValue(const ostrak::TagName& tagName)
{
    EditionManager::Scope edition;
    {
        QWriteLocker locker(&lock_);
        const auto stored = storage_.value(tagName);
        if (edits_.contains(tagName) || !stored || stored->isBinary())
            return false;
        edits_.insert(tagName, TagEdit{tagName, stored->values(), nextRevision++, true});
        editOrder_.append(tagName);
    }
    EditionManager::record(*this, {tagName});
    return true;
}

bool TagEditor::stage(const ostrak::TagName& tagName, const std::optional<QStringList>& values)
{
    // Opened before the lock is taken: a flush never runs under an editor's lock.
    EditionManager::Scope edition;
    bool changed = false;
    {
        QWriteLocker locker(&lock_);
        changed = stageLocked(tagName, values);
    }
    if (changed)
        EditionManager::record(*this, {tagName});
    return changed;
}

bool TagEditor::hasEdits() const
{
    QReadLocker locker(&lock_);
    return !edits_.isEmpty();
}

bool TagEditor::isEdited(const ostrak::TagName& tagName) const
{
    QReadLocker locker(&lock_);
    return edits_.contains(tagName);
}

std::optional<TagEdit> TagEditor::edit(const ostrak::TagName& tagName) const
{
    QReadLocker locker(&lock_);
    const auto found = edits_.constFind(tagName);
    if (found == edits_.constEnd())
        return std::nullopt;
    return *found;
}

QList<TagEdit> TagEditor::edits() const
{
    QReadLocker locker(&lock_);
    QList<TagEdit> list;
    list.reserve(editOrder_.size());
    for (const ostrak::TagName& name : editOrder_)
        list.append(edits_.value(name));
    return list;
}

void TagEditor::reload(TagStorage storage, const QList<TagEdit>& written)
{
    bool sourceChanged = false;
    {
        QWriteLocker locker(&lock_);
        sourceChanged = !(storage.source() == storage_.source());
        storage_ = std::move(storage);
        for (const TagEdit& saved : written) {
            const auto current = edits_.constFind(saved.tagName);
            if (current != edits_.constEnd() && current->revision == saved.revision)
                dropEditLocked(saved.tagName);
        }
        const QList<ostrak::TagName> staged = editOrder_;
        for (const ostrak::TagName& name : staged) {
            const TagEdit edit = edits_.value(name);
            if (!edit.forced && matchesStoredLocked(name, edit.values))
                dropEditLocked(name);
        }
    }
    {
        QMutexLocker binaryLocker(&binaryMutex_);
        binaryValues_.clear();
    }
    if (sourceChanged)
        postSourceChange(this);
}

bool TagEditor::stageLocked(const ostrak::TagName& tagName, const std::optional<QStringList>& values)
{
    auto found = edits_.find(tagName);
    if (found != edits_.end() && found->values == values)
        return false;
    if (matchesStoredLocked(tagName, values))
        return dropEditLocked(tagName);
    if (found != edits_.end()) {
        found->values = values;
        found->revision = nextRevision++;
        found->forced = false;
        return true;
    }
    edits_.insert(tagName, TagEdit{tagName, values, nextRevision++});
    editOrder_.append(tagName);
    return true;
}

bool TagEditor::dropEditLocked(const ostrak::TagName& tagName)
{
    if (!edits_.remove(tagName))
        return false;
    editOrder_.removeOne(tagName);
    return true;
}

bool TagEditor::matchesStoredLocked(const ostrak::TagName& tagName, const std::optional<QStringList>& values) const
{
    // A folder's edits go to every file in it, whatever the folder itself holds.
    if (isFolder())
        return false;
    const auto stored = storage_.value(tagName);
    if (!values || !stored)
        return !values && !stored;
    return !stored->isBinary() && stored->values() == *values;
}

} // namespace halvex
