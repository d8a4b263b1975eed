#include "app/PresetLibrary.h"

#include "engine/halvex/LibraryError.h"

#if __has_include("engine/halvex/PresetManager.h")
#include "engine/halvex/PresetFile.h"
#include "engine/halvex/PresetManager.h"

namespace corvelle {

void PresetLibrary::load()
{
    halvex::PresetManager& manager = halvex::PresetManager::shared();
    manager.load();
    QList<halvex::EquatableObjectPtr> selection;
    if (!manager.groups().isEmpty())
        selection << manager.groups().first();
    manager.setSelectedObjects(selection);
}

void PresetLibrary::reset()
{
    halvex::PresetManager& manager = halvex::PresetManager::shared();
    manager.setGroups({});
    manager.save();
}

void PresetLibrary::importFile(const QString& path)
{
    const halvex::PresetFile file = halvex::PresetFile::from(path);
    halvex::PresetManager& manager = halvex::PresetManager::shared();
    manager.insertGroups(file.groups(), int(manager.groups().size()));
    // The presets stay in the library when storing them fails; the caller tells the user.
    manager.save();
}

} // namespace corvelle

#else

namespace corvelle {

// Until the engine keeps presets there is no library to load or reset, and a preset file has
// nowhere to go.
void PresetLibrary::load()
{
}

void PresetLibrary::reset()
{
}

void PresetLibrary::importFile(const QString& path)
{
    throw halvex::LibraryError(QStringLiteral("PresetLibraryUnavailableError"), {path});
}

} // namespace corvelle

#endif
