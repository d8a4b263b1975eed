#include "engine/halvex/libraries/PhotosRemoteManager.h"

namespace halvex {

const QString PhotosRemoteManager::didChangeProfilesNotification =
    QStringLiteral("HalvexPhotosRemoteManagerDidChangeProfiles");

PhotosRemoteManager& PhotosRemoteManager::shared()
{
    static PhotosRemoteManager manager(LibraryFile::dataPath(QStringLiteral("RemoteProfiles.json")));
    return manager;
}

PhotosRemoteManager::PhotosRemoteManager(const QString& filePath)
    : list_(filePath, didChangeProfilesNotification, this,
            // Deleting, exporting or applying a profile that left the library must not be possible.
            [this] { selectedProfiles_ = inLibrary(selectedProfiles_); })
{
}

void PhotosRemoteManager::load()
{
    list_.load();
}

void PhotosRemoteManager::save()
{
    list_.save();
}

void PhotosRemoteManager::setProfiles(const QList<PhotosRemoteProfilePtr>& profiles)
{
    list_.set(profiles);
}

void PhotosRemoteManager::setSelectedProfiles(const QList<PhotosRemoteProfilePtr>& profiles)
{
    const QList<PhotosRemoteProfilePtr> selected = inLibrary(profiles);
    if (selected == selectedProfiles_)
        return;
    selectedProfiles_ = selected;
    list_.post(ProfileEdition::selection());
}

void PhotosRemoteManager::insertProfiles(const QList<PhotosRemoteProfilePtr>& profiles, int index)
{
    list_.insert(profiles, index);
}

void PhotosRemoteManager::removeProfiles(const brisa::IndexSet& indexes)
{
    list_.remove(indexes);
}

void PhotosRemoteManager::moveProfiles(const brisa::IndexSet& indexes, int row)
{
    list_.move(indexes, row);
}

std::optional<PhotosRemoteManager::ProfileEdition> PhotosRemoteManager::profileEdition(const brisa::Notification& note)
{
    return LibraryItemList<PhotosRemoteProfile>::edition(note, didChangeProfilesNotification);
}

QList<PhotosRemoteProfilePtr> PhotosRemoteManager::inLibrary(const QList<PhotosRemoteProfilePtr>& profiles) const
{
    QList<PhotosRemoteProfilePtr> kept;
    for (const PhotosRemoteProfilePtr& profile : profiles) {
        if (profile && list_.contains(profile.get()))
            kept.append(profile);
    }
    return kept;
}

} // namespace halvex
