#pragma once

#include "engine/halvex/libraries/LibraryFile.h"
#include "engine/halvex/libraries/TagSet.h"
#include "platform/brisa/core/EnumStrings.h"
#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/core/Notification.h"

#include <QMutex>

#include <functional>
#include <vector>

namespace halvex {

// The tag-set library: one tag set per domain, each with the default it is restored to, each
// stored in its own file ("TagSet-chosen.json", ...) in the application's data folder.
//
// Edits, loading and committing happen on the main thread; tagSet() and its two shortcuts may be
// read from any thread. Every edit that changes a set posts didEditSetsNotification (object = the
// manager, the domain in the user info, see editedDomain()) inside the editing call; an edit that
// changes nothing posts nothing. Handlers may call back into the manager. Edits are kept in memory
// until commit(), which the caller runs after each edit.
class TagSetManager {
public:
    enum class Domain {
        chosen,  // the tags the Tags section shows, as the user composed them
        popular, // the tags most often looked for, offered in the pickers
    };

    static const QString didEditSetsNotification;

    static TagSetManager& shared();

    // A library whose files lie in `folder`. Each domain starts with its default set: forVideos()
    // for `chosen`, popular() for `popular`.
    explicit TagSetManager(const QString& folder);
    TagSetManager(const TagSetManager&) = delete;
    TagSetManager& operator=(const TagSetManager&) = delete;

    // The set restoreDefault() brings back, and that load() takes when nothing is stored. Leaves
    // the current set alone.
    void setDefaultTagSet(Domain domain, const TagSet& tagSet);
    TagSet defaultTagSet(Domain domain) const;

    // Replaces the domain's set by the stored one, or by its default when nothing is stored.
    // Throws LibraryError naming the file and the reason when the file cannot be read; the set is
    // then left as it was, and the next commit keeps the unreadable file aside before writing.
    void load(Domain domain);
    // Loads every domain, even after one failed, and then throws the first failure.
    void load();
    // The domains whose last load failed. To start afresh after a failed load, restore the
    // default of each of them and commit it; the other domains keep what they loaded.
    QList<Domain> unreadableDomains() const;

    // Stores the domain's set. Throws LibraryError naming the file and the reason; the stored file
    // is then unchanged and the edits stay in memory. A failed commit must be reported as such.
    void commit(Domain domain);

    TagSet tagSet(Domain domain) const;
    TagSet chosenTagSet() const { return tagSet(Domain::chosen); }
    TagSet popularTagSet() const { return tagSet(Domain::popular); }

    void restoreDefault(Domain domain);
    // The set becomes what `transform` makes of it. The transform runs on the calling thread,
    // inside this call, and may read the manager; an exception it throws reaches the caller and
    // leaves the set as it was.
    void replace(Domain domain, const std::function<TagSet(const TagSet&)>& transform);
    // Inserts the entries, in order, before `row` (clamped to the set; count() appends). A tag the
    // set already holds is not inserted again; sections always are.
    void insert(Domain domain, const QList<TagSet::FlatEntry>& entries, int row);
    // Rows beyond the set are ignored.
    void remove(Domain domain, const brisa::IndexSet& rows);
    // Moves the entries, in their order, to stand before the entry at `destination` (a drop row,
    // between rows; count() moves them to the end). Rows beyond the set are ignored.
    void move(Domain domain, const brisa::IndexSet& rows, int destination);
    // The section at `row` takes the title exactly as given and becomes the user's own section.
    // Nothing happens when the row holds no section.
    void renameSection(Domain domain, int row, const QString& title);
    // The entry changes places with the one below, or above. Nothing at the end of the set.
    void moveEntryDown(Domain domain, int row);
    void moveEntryUp(Domain domain, int row);

    // The domain a didEditSetsNotification names; none for any other note.
    static std::optional<Domain> editedDomain(const brisa::Notification& note);

private:
    struct Library {
        LibraryFile file;
        TagSet defaultSet;
        TagSet tagSet;
        bool unreadable = false;
    };

    Library& library(Domain domain) { return libraries_[size_t(domain)]; }
    const Library& library(Domain domain) const { return libraries_[size_t(domain)]; }
    // Stores the set and posts, when it differs from the current one.
    void setTagSet(Domain domain, const TagSet& tagSet);
    void editEntries(Domain domain, const std::function<void(QList<TagSet::FlatEntry>&)>& edit);

    // Guards the sets, which other threads may read.
    mutable QMutex mutex_;
    std::vector<Library> libraries_;
};

} // namespace halvex

template<>
struct brisa::EnumStrings<halvex::TagSetManager::Domain> {
    static const QList<std::pair<halvex::TagSetManager::Domain, QString>>& table();
};
