#include "widgets/settings/CoordinateText.h"

#include "engine/halvex/places/CoordinateWriter.h"

namespace corvelle {

QString coordinateText(const std::optional<halvex::Coordinate>& coordinate,
                       GPSFormatGeneralUserChoice format)
{
    if (!coordinate)
        return {};
    const halvex::CoordinateWriter writer;
    switch (format) {
    case GPSFormatGeneralUserChoice::formatDDdddddd:
        return writer.DDddddd(*coordinate);
    case GPSFormatGeneralUserChoice::formatPreDDdddddd:
        return writer.preDDddddd(*coordinate);
    case GPSFormatGeneralUserChoice::formatPreDDMMmmm:
        return writer.preDDMMmmm(*coordinate);
    case GPSFormatGeneralUserChoice::formatPreDDMMSSs:
        return writer.preDDMMSSs(*coordinate);
    case GPSFormatGeneralUserChoice::formatPostDDdddddd:
        return writer.postDDddddd(*coordinate);
    case GPSFormatGeneralUserChoice::formatPostDDMMmmm:
        return writer.postDDMMmmm(*coordinate);
    case GPSFormatGeneralUserChoice::formatPostDDMMSSs:
        return writer.postDDMMSSs(*coordinate);
    case GPSFormatGeneralUserChoice::formatISO6709:
        return writer.iso6709(*coordinate);
    }
    return {};
}

} // namespace corvelle
