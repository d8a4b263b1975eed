#include "engine/halvex/tags/ETTagEditor.h"

#include "platform/brisa/core/NotificationCenter.h"

#include <QCoreApplication>

namespace halvex {

const QString ETTagEditor::didChangeRecurseSubfoldersNotification =
    QStringLiteral("ETTagEditorDidChangeRecurseSubfoldersNotification");
const QString ETTagEditor::didChangeFilePathFilterNotification =
    QStringLiteral("ETTagEditorDidChangeFilePathFilterNotification");

namespace {

void postChange(const QString& name, const ETTagEditor* editor)
{
    if (QCoreApplication::instance())
        brisa::NotificationCenter::defaultCenter().post(name, static_cast<const TagEditor*>(editor));
}

} // namespace

ETTagEditor::ETTagEditor(TagStorage storage, ostrak::ExifToolPool* pool) : TagEditor(std::move(storage), pool) {}

bool ETTagEditor::recurseSubfolders() const
{
    QMutexLocker locker(&mutex_);
    return recurseSubfolders_;
}

void ETTagEditor::setRecurseSubfolders(bool recurse)
{
    {
        QMutexLocker locker(&mutex_);
        if (recurseSubfolders_ == recurse)
            return;
        recurseSubfolders_ = recurse;
    }
    postChange(didChangeRecurseSubfoldersNotification, this);
}

std::optional<ostrak::ETPathFilter> ETTagEditor::filePathFilter() const
{
    QMutexLocker locker(&mutex_);
    return filePathFilter_;
}

void ETTagEditor::setFilePathFilter(const std::optional<ostrak::ETPathFilter>& filter)
{
    {
        QMutexLocker locker(&mutex_);
        if (filePathFilter_ == filter)
            return;
        filePathFilter_ = filter;
    }
    postChange(didChangeFilePathFilterNotification, this);
}

} // namespace halvex
