#include "filemodel/MetadataFileList.h"

#include "filemodel/MetadataFileListFilter.h"
#include "filemodel/MetadataFileListSort.h"
#include "platform/brisa/core/ArrayHelpers.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace corvelle {

using brisa::IndexSet;
using brisa::SelectableArrayEdition;

const QString MetadataFileList::didChangeFilesNotification = QStringLiteral("ProjectDidChangeFilesNotification");

MetadataFileList::MetadataFileList() = default;

MetadataFileList::~MetadataFileList() = default;

std::optional<SelectableArrayEdition> MetadataFileList::fileListEdition(const brisa::Notification& note)
{
    return SelectableArrayEdition::from(note);
}

const QList<MetadataFilePointer>& MetadataFileList::files() const
{
    return privateFiles_;
}

const IndexSet& MetadataFileList::selection() const
{
    return privateSelection_;
}

QList<MetadataFilePointer> MetadataFileList::selectedFiles() const
{
    return brisa::at(privateFiles_, privateSelection_);
}

QList<std::shared_ptr<halvex::TagEditor>> MetadataFileList::selectedEditors() const
{
    QList<std::shared_ptr<halvex::TagEditor>> editors;
    editors.reserve(privateSelection_.count());
    for (const MetadataFilePointer& file : selectedFiles())
        editors.append(file->editor());
    return editors;
}

MetadataFilePointer MetadataFileList::firstSelectedFile() const
{
    return privateSelection_.isEmpty() ? nullptr : privateFiles_.at(privateSelection_.first());
}

MetadataFilePointer MetadataFileList::lastSelectedFile() const
{
    return privateSelection_.isEmpty() ? nullptr : privateFiles_.at(privateSelection_.last());
}

MetadataFilePointer MetadataFileList::singleSelectedFile() const
{
    return privateSelection_.count() == 1 ? privateFiles_.at(privateSelection_.first()) : nullptr;
}

bool MetadataFileList::hasFiles() const
{
    return !privateFiles_.isEmpty();
}

bool MetadataFileList::hasSelection() const
{
    return !privateSelection_.isEmpty();
}

bool MetadataFileList::isSelectionEmpty() const
{
    return privateSelection_.count() == 0;
}

bool MetadataFileList::hasSingleSelection() const
{
    return privateSelection_.count() == 1;
}

bool MetadataFileList::isAllSelected() const
{
    return privateSelection_.count() == privateFiles_.size();
}

bool MetadataFileList::hasUnselectedFiles() const
{
    return privateSelection_.count() != privateFiles_.size();
}

bool MetadataFileList::canSelectPreviousFile(int by) const
{
    return hasSelection() && privateSelection_.first() - by >= 0;
}

bool MetadataFileList::canSelectNextFile(int by) const
{
    return hasSelection() && privateSelection_.last() + by <= privateFiles_.size() - 1;
}

void MetadataFileList::setFiles(const QList<MetadataFilePointer>& files)
{
    if (files == privateFiles_)
        return;
    QList<Entry> entries;
    entries.reserve(files.size());
    for (const MetadataFilePointer& file : files)
        entries.append(Entry{false, file});
    setFileEntries(entries);
}

void MetadataFileList::setFileEntries(const QList<Entry>& entries)
{
    privateFileEntries_ = entries;
    rebuildFilesAndSelection();
    postDidChangeFiles(SelectableArrayEdition::reload(privateSelection_));
}

void MetadataFileList::rebuildFilesAndSelection()
{
    privateFiles_.clear();
    privateFiles_.reserve(privateFileEntries_.size());
    privateSelection_ = IndexSet();
    for (int i = 0; i < privateFileEntries_.size(); ++i) {
        const Entry& entry = privateFileEntries_.at(i);
        privateFiles_.append(entry.file);
        if (entry.isSelected)
            privateSelection_.insert(i);
    }
}

SelectableArrayEdition MetadataFileList::insertWithoutNotifying(const QList<MetadataFilePointer>& files, int index)
{
    index = std::clamp(index, 0, int(privateFileEntries_.size()));
    QList<Entry> inserted;
    inserted.reserve(files.size());
    for (const MetadataFilePointer& file : files)
        inserted.append(Entry{false, file});
    privateFileEntries_.insert(index, inserted.size(), Entry());
    std::copy(inserted.cbegin(), inserted.cend(), privateFileEntries_.begin() + index);
    rebuildFilesAndSelection();
    return SelectableArrayEdition::insertion(int(files.size()), index);
}

void MetadataFileList::insertFiles(const QList<MetadataFilePointer>& files, int index)
{
    if (files.isEmpty())
        return;
    postDidChangeFiles(insertWithoutNotifying(files, index));
}

void MetadataFileList::prependFiles(const QList<MetadataFilePointer>& files)
{
    insertFiles(files, 0);
}

void MetadataFileList::appendFiles(const QList<MetadataFilePointer>& files)
{
    insertFiles(files, int(privateFileEntries_.size()));
}

void MetadataFileList::replaceFile(int index, const MetadataFilePointer& file)
{
    if (index < 0 || index >= privateFileEntries_.size())
        return;
    privateFileEntries_[index].file = file;
    rebuildFilesAndSelection();
    postDidChangeFiles(SelectableArrayEdition::replacement(index));
}

void MetadataFileList::removeFiles(const IndexSet& indexes)
{
    removeEntries(positionsInside(indexes));
}

void MetadataFileList::removeSelectedFiles()
{
    removeEntries(privateSelection_);
}

void MetadataFileList::removeFiles(const QList<MetadataFilePointer>& files)
{
    QSet<const MetadataFile*> removed;
    for (const MetadataFilePointer& file : files)
        removed.insert(file.get());
    removeEntries(brisa::indexes(privateFiles_, [&](const MetadataFilePointer& file) {
        return removed.contains(file.get());
    }));
}

void MetadataFileList::removeAllFiles()
{
    removeEntries(allPositions());
}

void MetadataFileList::removeEntries(IndexSet indexes)
{
    if (indexes.isEmpty())
        return;
    brisa::remove(privateFileEntries_, indexes);
    rebuildFilesAndSelection();
    postDidChangeFiles(SelectableArrayEdition::removal(indexes));
}

void MetadataFileList::moveFiles(const IndexSet& indexes, int destination)
{
    const IndexSet moved = positionsInside(indexes);
    if (moved.isEmpty())
        return;
    brisa::move(privateFileEntries_, moved, destination);
    rebuildFilesAndSelection();
    postDidChangeFiles(SelectableArrayEdition::move(moved, destination));
}

void MetadataFileList::moveSelectedFiles(int destination)
{
    moveFiles(privateSelection_, destination);
}

void MetadataFileList::sort(const MetadataFileListSort& sort)
{
    if (privateFileEntries_.isEmpty())
        return;
    // Each file's value is read and converted once rather than at every comparison.
    if (std::optional<QList<MetadataFileListSort::Key>> keys = sort.sortKeys(privateFiles_)) {
        // The keys stay where they are; the sort moves small records that point to them, and
        // that hold the start of a text, which orders most pairs without reaching the keys.
        using Key = MetadataFileListSort::Key;
        struct Keyed {
            char16_t prefix[Key::prefixLength];
            bool isText;
            int position;
            const Key* key;
        };
        std::vector<Keyed> keyed(size_t(keys->size()));
        for (int i = 0; i < keys->size(); ++i) {
            Keyed& each = keyed[size_t(i)];
            each.isText = keys->at(i).copyPrefix(each.prefix);
            each.position = i;
            each.key = &keys->at(i);
        }
        const bool ascending = sort.order == MetadataFileListSort::SortOrder::ascending;
        std::stable_sort(keyed.begin(), keyed.end(), [&sort, ascending](const Keyed& first, const Keyed& second) {
            if (first.isText && second.isText) {
                const auto [a, b] = std::mismatch(std::begin(first.prefix), std::end(first.prefix), std::begin(second.prefix));
                if (a != std::end(first.prefix))
                    return ascending ? *a < *b : *a > *b;
            }
            return sort.comesBefore(*first.key, *second.key);
        });
        const QList<Entry> unsorted = privateFileEntries_;
        for (qsizetype i = 0; i < unsorted.size(); ++i)
            privateFileEntries_[i] = unsorted.at(keyed.at(i).position);
    }
    rebuildFilesAndSelection();
    postDidChangeFiles(SelectableArrayEdition::reload(privateSelection_));
}

void MetadataFileList::sort(const std::function<bool(const MetadataFile&, const MetadataFile&)>& comesBefore)
{
    if (privateFileEntries_.isEmpty())
        return;
    std::stable_sort(privateFileEntries_.begin(), privateFileEntries_.end(),
                     [&comesBefore](const Entry& first, const Entry& second) {
                         return comesBefore(*first.file, *second.file);
                     });
    rebuildFilesAndSelection();
    postDidChangeFiles(SelectableArrayEdition::reload(privateSelection_));
}

void MetadataFileList::reverseFiles()
{
    if (privateFileEntries_.isEmpty())
        return;
    std::reverse(privateFileEntries_.begin(), privateFileEntries_.end());
    rebuildFilesAndSelection();
    postDidChangeFiles(SelectableArrayEdition::reload(privateSelection_));
}

void MetadataFileList::setSelection(const IndexSet& selection)
{
    applySelection(selection);
}

void MetadataFileList::selectFiles(const MetadataFileListFilter& filter)
{
    applySelection(brisa::indexes(privateFiles_, [&filter](const MetadataFilePointer& file) {
        return filter.matches(*file);
    }));
}

void MetadataFileList::selectFirstFile()
{
    if (hasFiles())
        applySelection({0});
}

void MetadataFileList::selectLastFile()
{
    if (hasFiles())
        applySelection({int(privateFiles_.size()) - 1});
}

void MetadataFileList::selectPreviousFile(int by)
{
    if (hasSelection())
        applySelection({std::max(privateSelection_.first() - by, 0)});
}

void MetadataFileList::selectNextFile(int by)
{
    if (hasSelection())
        applySelection({std::min(privateSelection_.last() + by, int(privateFiles_.size()) - 1)});
}

void MetadataFileList::selectAllFiles()
{
    applySelection(allPositions());
}

void MetadataFileList::deselectAllFiles()
{
    applySelection(IndexSet());
}

void MetadataFileList::invertFileSelection()
{
    IndexSet inverted;
    for (int i = 0; i < privateFiles_.size(); ++i) {
        if (!privateFileEntries_.at(i).isSelected)
            inverted.insert(i);
    }
    applySelection(inverted);
}

void MetadataFileList::applySelection(const IndexSet& selection)
{
    if (selection == privateSelection_)
        return;
    for (int i = 0; i < privateFileEntries_.size(); ++i)
        privateFileEntries_[i].isSelected = selection.contains(i);
    rebuildFilesAndSelection();
    postDidChangeFiles(SelectableArrayEdition::selection(privateSelection_));
}

void MetadataFileList::postDidChangeFiles(const SelectableArrayEdition& edition)
{
    brisa::NotificationCenter::defaultCenter().post(didChangeFilesNotification, this, edition.userInfo());
}

IndexSet MetadataFileList::allPositions() const
{
    return IndexSet::range(0, int(privateFileEntries_.size()));
}

IndexSet MetadataFileList::positionsInside(const IndexSet& indexes) const
{
    const int count = int(privateFileEntries_.size());
    return brisa::mapIndexSet(indexes, [count](int index) {
        return index < count ? std::optional<int>(index) : std::nullopt;
    });
}

} // namespace corvelle
