#pragma once

#include "engine/halvex/places/Coordinate.h"
#include "map/MapDisplayFilenameUserChoice.h"
#include "map/MapDisplayOtherItemsUserChoice.h"
#include "platform/maps/MapAnnotation.h"

#include <QList>
#include <QString>

#include <optional>

namespace corvelle {

class MetadataFileList;

// What the map's pins are made from, read from the file list on the main thread at one moment:
// each open file's name, position, viewing direction and selected state, in list order. The
// pins are then made from this copy alone, so that a change of files or selection meanwhile
// cannot mix two states.
class MapPinSnapshot {
public:
    struct File {
        QString name;
        std::optional<halvex::Coordinate> coordinate;
        std::optional<double> direction;
        bool isSelected = false;
    };

    MapPinSnapshot() = default;
    explicit MapPinSnapshot(QList<File> files) : files_(std::move(files)) {}
    static MapPinSnapshot take(const MetadataFileList& list);

    const QList<File>& files() const { return files_; }

    // One pin per file with a position: selected files always, the others when `others` says
    // display; titled by file name when `names` says display. Selected pins rank above the
    // others. Each pin's identifier is its file's row.
    QList<maps::MapAnnotation> annotations(MapDisplayOtherItemsUserChoice others, MapDisplayFilenameUserChoice names) const;
    // The positions of the selected files.
    QList<halvex::Coordinate> selectedCoordinates() const;

private:
    QList<File> files_;
};

} // namespace corvelle
