#include "map/MapPinSnapshot.h"

#include "engine/halvex/places/TagEditorLocation.h"
#include "engine/halvex/tags/TagEditor.h"
#include "filemodel/MetadataFile.h"
#include "filemodel/MetadataFileList.h"

namespace corvelle {

MapPinSnapshot MapPinSnapshot::take(const MetadataFileList& list)
{
    QList<File> files;
    const auto& all = list.files();
    const brisa::IndexSet& selection = list.selection();
    files.reserve(all.size());
    for (qsizetype row = 0; row < all.size(); ++row) {
        File file;
        file.isSelected = selection.contains(int(row));
        if (const std::shared_ptr<halvex::TagEditor>& editor = all[row]->editor()) {
            file.name = editor->fileName();
            file.coordinate = halvex::gpsCoordinate(*editor);
            if (const auto location = halvex::location(*editor))
                file.direction = location->direction();
        }
        files << file;
    }
    return MapPinSnapshot(std::move(files));
}

QList<maps::MapAnnotation> MapPinSnapshot::annotations(MapDisplayOtherItemsUserChoice others,
                                                       MapDisplayFilenameUserChoice names) const
{
    QList<maps::MapAnnotation> pins;
    for (qsizetype row = 0; row < files_.size(); ++row) {
        const File& file = files_[row];
        if (!file.coordinate || !file.coordinate->isValid())
            continue;
        if (!file.isSelected && others == MapDisplayOtherItemsUserChoice::hide)
            continue;
        maps::MapAnnotation pin;
        pin.coordinate = *file.coordinate;
        pin.title = names == MapDisplayFilenameUserChoice::display ? file.name : QString();
        pin.isSelected = file.isSelected;
        pin.priority = file.isSelected ? 1 : 0;
        pin.tint = file.isSelected ? QColor(0xe0, 0x3a, 0x2f) : QColor(0x8e, 0x8e, 0x93);
        pin.direction = file.direction;
        pin.identifier = int(row);
        pins << pin;
    }
    return pins;
}

QList<halvex::Coordinate> MapPinSnapshot::selectedCoordinates() const
{
    QList<halvex::Coordinate> coordinates;
    for (const File& file : files_) {
        if (file.isSelected && file.coordinate && file.coordinate->isValid())
            coordinates << *file.coordinate;
    }
    return coordinates;
}

} // namespace corvelle
