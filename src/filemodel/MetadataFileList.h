#pragma once

#include "filemodel/MetadataFile.h"
#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/core/Notification.h"
#include "platform/brisa/core/SelectableArrayEdition.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace corvelle {

class MetadataFileListFilter;
class MetadataFileListSort;

// The files open in the editor window, in display order, each with its selected flag.
//
// Every change of the files or of the selection posts didChangeFilesNotification on the default
// notification centre, synchronously, with the list as object and one brisa::SelectableArrayEdition
// under SelectableArrayEdition::editionKey that says exactly what changed; observers read the
// list in its new state inside the post. An operation that changes nothing posts nothing.
// Positions outside the list are ignored (a removal or move carries only the positions it acted
// on). Main thread only.
class MetadataFileList {
public:
    struct Entry {
        bool isSelected = false;
        MetadataFilePointer file;
    };

    // "ProjectDidChangeFilesNotification"
    static const QString didChangeFilesNotification;

    MetadataFileList();
    virtual ~MetadataFileList();
    MetadataFileList(const MetadataFileList&) = delete;
    MetadataFileList& operator=(const MetadataFileList&) = delete;

    // The edition a notification of a file list carries; none when it carries none.
    static std::optional<brisa::SelectableArrayEdition> fileListEdition(const brisa::Notification& note);

    // --- Reading

    virtual const QList<MetadataFilePointer>& files() const;
    virtual const brisa::IndexSet& selection() const;
    const QList<Entry>& privateFileEntries() const { return privateFileEntries_; }

    QList<MetadataFilePointer> selectedFiles() const;
    // The editors of the selected files, in list order.
    QList<std::shared_ptr<halvex::TagEditor>> selectedEditors() const;
    // Null when nothing is selected.
    MetadataFilePointer firstSelectedFile() const;
    MetadataFilePointer lastSelectedFile() const;
    // Null unless exactly one file is selected.
    MetadataFilePointer singleSelectedFile() const;

    bool hasFiles() const;
    bool hasSelection() const;
    bool isSelectionEmpty() const;
    bool hasSingleSelection() const;
    // Also true for the empty list.
    bool isAllSelected() const;
    bool hasUnselectedFiles() const;
    bool canSelectPreviousFile(int by = 1) const;
    bool canSelectNextFile(int by = 1) const;

    // --- Changing the files

    // Every file anew, all unselected; reload. Nothing when the same objects stand in the same
    // order.
    virtual void setFiles(const QList<MetadataFilePointer>& files);
    // Always posts a reload.
    void setFileEntries(const QList<Entry>& entries);
    // The entries for a caller that changes their flags or order itself: it calls
    // rebuildFilesAndSelection() and then posts its edition with postDidChangeFiles().
    QList<Entry>& privateFileEntries() { return privateFileEntries_; }
    // files() and selection() made again from the entries; posts nothing.
    void rebuildFilesAndSelection();

    // Inserts unselected entries before `index` (clamped to the list) and returns the insertion
    // edition without posting it.
    brisa::SelectableArrayEdition insertWithoutNotifying(const QList<MetadataFilePointer>& files, int index);
    void insertFiles(const QList<MetadataFilePointer>& files, int index);
    void prependFiles(const QList<MetadataFilePointer>& files);
    void appendFiles(const QList<MetadataFilePointer>& files);
    // The entry keeps its selected flag. Nothing for a position outside the list.
    void replaceFile(int index, const MetadataFilePointer& file);
    void removeFiles(const brisa::IndexSet& indexes);
    void removeSelectedFiles();
    // The entries holding one of these objects (by identity).
    void removeFiles(const QList<MetadataFilePointer>& files);
    void removeAllFiles();
    // The entries at `indexes`, in their order, come just before the entry that was at
    // `destination` (brisa::move).
    void moveFiles(const brisa::IndexSet& indexes, int destination);
    void moveSelectedFiles(int destination);
    // Stable: files the sort does not order keep their order. Reload, also when nothing moved.
    void sort(const MetadataFileListSort& sort);
    // `comesBefore(first, second)`: the first file comes before the second.
    void sort(const std::function<bool(const MetadataFile& first, const MetadataFile& second)>& comesBefore);
    void reverseFiles();

    // --- Changing the selection (posts only when the selection changes)

    // Positions outside the list are dropped.
    virtual void setSelection(const brisa::IndexSet& selection);
    void selectFiles(const MetadataFileListFilter& filter);
    void selectFirstFile();
    void selectLastFile();
    // The single file `by` places before the first selected one, or after the last, clamped.
    void selectPreviousFile(int by = 1);
    void selectNextFile(int by = 1);
    void selectAllFiles();
    void deselectAllFiles();
    void invertFileSelection();

    virtual void postDidChangeFiles(const brisa::SelectableArrayEdition& edition);

private:
    void applySelection(const brisa::IndexSet& selection);
    // By value: callers pass the selection, which the removal rebuilds.
    void removeEntries(brisa::IndexSet indexes);
    brisa::IndexSet allPositions() const;
    brisa::IndexSet positionsInside(const brisa::IndexSet& indexes) const;

    QList<Entry> privateFileEntries_;
    QList<MetadataFilePointer> privateFiles_;
    brisa::IndexSet privateSelection_;
};

} // namespace corvelle
