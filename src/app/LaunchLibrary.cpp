#include "app/LaunchLibrary.h"

#include "engine/halvex/libraries/KeywordManager.h"
#include "engine/halvex/libraries/LocationManager.h"
#include "engine/halvex/libraries/PhotosRemoteManager.h"
#include "engine/halvex/libraries/PresetManager.h"
#include "engine/halvex/libraries/TagSetManager.h"

namespace corvelle {

namespace {

LaunchLibrary tagSets()
{
    using halvex::TagSetManager;
    return {
        QStringLiteral("TagSets"),
        QStringLiteral("TagSetLoadingFailedAlert"),
        [] {
            TagSetManager& manager = TagSetManager::shared();
            manager.setDefaultTagSet(TagSetManager::Domain::chosen, halvex::TagSet::forVideos());
            manager.load();
        },
        // Only the domains that could not be read start afresh: a readable one keeps the user's set.
        [] {
            TagSetManager& manager = TagSetManager::shared();
            for (const TagSetManager::Domain domain : manager.unreadableDomains()) {
                manager.restoreDefault(domain);
                manager.commit(domain);
            }
        },
    };
}

LaunchLibrary presets()
{
    using halvex::PresetManager;
    return {
        QStringLiteral("Presets"),
        QStringLiteral("PresetLoadingFailedAlert"),
        [] {
            PresetManager& manager = PresetManager::shared();
            manager.load();
            QList<halvex::EquatableObjectPtr> selection;
            if (!manager.groups().isEmpty())
                selection << manager.groups().first();
            manager.setSelectedObjects(selection);
        },
        [] {
            PresetManager& manager = PresetManager::shared();
            manager.setGroups({});
            manager.save();
        },
    };
}

LaunchLibrary keywords()
{
    using halvex::KeywordManager;
    return {
        QStringLiteral("Keywords"),
        QStringLiteral("KeywordLoadingFailedAlert"),
        [] {
            KeywordManager& manager = KeywordManager::shared();
            manager.load();
            manager.setCurrentItem(manager.items().value(0));
        },
        [] {
            KeywordManager& manager = KeywordManager::shared();
            manager.setItems({});
            manager.save();
        },
    };
}

LaunchLibrary remoteProfiles()
{
    using halvex::PhotosRemoteManager;
    return {
        QStringLiteral("RemoteProfiles"),
        QStringLiteral("RemoteProfileLoadingFailedAlert"),
        [] {
            PhotosRemoteManager& manager = PhotosRemoteManager::shared();
            manager.load();
            QList<halvex::PhotosRemoteProfilePtr> selection;
            if (!manager.profiles().isEmpty())
                selection << manager.profiles().first();
            manager.setSelectedProfiles(selection);
        },
        [] {
            PhotosRemoteManager& manager = PhotosRemoteManager::shared();
            manager.setProfiles({});
            manager.save();
        },
    };
}

LaunchLibrary locations()
{
    using halvex::LocationManager;
    return {
        QStringLiteral("Locations"),
        QStringLiteral("LocationLoadingFailedAlert"),
        [] { LocationManager::shared().load(); },
        [] {
            LocationManager& manager = LocationManager::shared();
            manager.setItems({});
            manager.save();
        },
    };
}

} // namespace

QList<LaunchLibrary> LaunchLibrary::inLaunchOrder()
{
    return {tagSets(), presets(), keywords(), remoteProfiles(), locations()};
}

} // namespace corvelle
