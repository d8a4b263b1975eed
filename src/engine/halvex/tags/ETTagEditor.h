#pragma once

#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/ETPathFilter.h"

#include <QMutex>

#include <optional>

namespace halvex {

// An opened folder. Its edits are written to the files in it when saved: those directly in it,
// or in its subfolders too with recurseSubfolders, and only those the file-path filter takes.
//
// didChangeRecurseSubfoldersNotification and didChangeFilePathFilterNotification are posted on
// brisa::NotificationCenter::defaultCenter() with the editor (as const TagEditor*) for object
// when the value changes; they arrive on the main thread.
class ETTagEditor : public TagEditor {
public:
    static const QString didChangeRecurseSubfoldersNotification;
    static const QString didChangeFilePathFilterNotification;

    explicit ETTagEditor(TagStorage storage, ostrak::ExifToolPool* pool = nullptr);

    bool isFolder() const override { return true; }

    bool recurseSubfolders() const;
    void setRecurseSubfolders(bool recurse);

    // None takes every file.
    std::optional<ostrak::ETPathFilter> filePathFilter() const;
    void setFilePathFilter(const std::optional<ostrak::ETPathFilter>& filter);

private:
    mutable QMutex mutex_;
    bool recurseSubfolders_ = false;
    std::optional<ostrak::ETPathFilter> filePathFilter_;
};

} // namespace halvex
