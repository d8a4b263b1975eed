#pragma once

#include "engine/halvex/libraries/LibraryItemList.h"
#include "engine/halvex/libraries/PhotosRemoteProfile.h"

namespace halvex {

// The remote-profile library: the ordered profiles of the remote-profiles window and the
// selection list, the profiles selected in that window in table order. Stored in
// "RemoteProfiles.json" in the application's data folder.
//
// Main thread only. Every change posts didChangeProfilesNotification (object = the manager, with
// a ProfileEdition) inside the changing call; handlers may call back into the manager.
class PhotosRemoteManager {
public:
    using ProfileEdition = LibraryListEdition;

    static const QString didChangeProfilesNotification;

    static PhotosRemoteManager& shared();

    // A library stored at `filePath`.
    explicit PhotosRemoteManager(const QString& filePath);
    PhotosRemoteManager(const PhotosRemoteManager&) = delete;
    PhotosRemoteManager& operator=(const PhotosRemoteManager&) = delete;

    // Replaces the profiles by the stored ones; no stored file means no profiles. Throws
    // LibraryError, naming the file and the reason, when the file cannot be read; the profiles
    // are then left as they were, and the next save() keeps the unreadable file aside.
    void load();
    // Throws LibraryError naming the file and the reason; the stored file is then unchanged.
    void save();

    const QList<PhotosRemoteProfilePtr>& profiles() const { return list_.items(); }
    // Posts a reload; profiles no longer in the library leave the selection list. Reset is
    // setProfiles({}) then save(), which keeps an unreadable file aside.
    void setProfiles(const QList<PhotosRemoteProfilePtr>& profiles);

    const QList<PhotosRemoteProfilePtr>& selectedProfiles() const { return selectedProfiles_; }
    // Profiles that are not in the library are left out. Posts a selection edition, only when
    // the list differs from the selection list (the same profiles in the same order).
    void setSelectedProfiles(const QList<PhotosRemoteProfilePtr>& profiles);

    // The profiles must not be in the library yet. The index is clamped. Posts an insertion.
    void insertProfiles(const QList<PhotosRemoteProfilePtr>& profiles, int index);
    // Positions beyond the list are ignored. The removed profiles leave the selection list,
    // then the removal of the removed positions is posted.
    void removeProfiles(const brisa::IndexSet& indexes);
    // Moves the profiles to the drop row (see brisa::move). Posts the move, unless the order
    // stays.
    void moveProfiles(const brisa::IndexSet& indexes, int row);

    // The change a didChangeProfilesNotification carries; none for another note.
    static std::optional<ProfileEdition> profileEdition(const brisa::Notification& note);

private:
    QList<PhotosRemoteProfilePtr> inLibrary(const QList<PhotosRemoteProfilePtr>& profiles) const;

    LibraryItemList<PhotosRemoteProfile> list_;
    QList<PhotosRemoteProfilePtr> selectedProfiles_;
};

} // namespace halvex
