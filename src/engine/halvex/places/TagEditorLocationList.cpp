#include "engine/halvex/places/TagEditorLocationList.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/places/TagEditorLocation.h"
#include "engine/halvex/tags/TagEditor.h"

namespace halvex {

namespace {

using Editors = QList<std::shared_ptr<TagEditor>>;

// The value every editor reads alike, or none.
template<class T>
std::optional<T> agreed(const Editors& editors, std::optional<T> (*read)(const TagEditor&))
{
    std::optional<T> common;
    for (const std::shared_ptr<TagEditor>& editor : editors) {
        std::optional<T> value = read(*editor);
        if (!value || (common && !(*common == *value)))
            return std::nullopt;
        common = std::move(value);
    }
    return common;
}

bool everyEditor(const Editors& editors, const TypedValue& value, bool (*write)(TagEditor&, const TypedValue&))
{
    bool changed = false;
    for (const std::shared_ptr<TagEditor>& editor : editors)
        changed = write(*editor, value) || changed;
    return changed;
}

} // namespace

std::optional<Coordinate> gpsCoordinate(const Editors& editors)
{
    return agreed<Coordinate>(editors, &gpsCoordinate);
}

std::optional<Coordinate> exifGPSCoordinate(const Editors& editors)
{
    return agreed<Coordinate>(editors, &exifGPSCoordinate);
}

std::optional<double> exifGPSLatitude(const Editors& editors)
{
    return agreed<double>(editors, &exifGPSLatitude);
}

std::optional<double> exifGPSLongitude(const Editors& editors)
{
    return agreed<double>(editors, &exifGPSLongitude);
}

std::optional<Coordinate> xmpGPSCoordinate(const Editors& editors)
{
    return agreed<Coordinate>(editors, &xmpGPSCoordinate);
}

std::optional<double> xmpGPSLatitude(const Editors& editors)
{
    return agreed<double>(editors, &xmpGPSLatitude);
}

std::optional<double> xmpGPSLongitude(const Editors& editors)
{
    return agreed<double>(editors, &xmpGPSLongitude);
}

std::optional<Coordinate> quicktimeGPSCoordinate(const Editors& editors)
{
    return agreed<Coordinate>(editors, &quicktimeGPSCoordinate);
}

std::optional<TextLocation> iptcTextLocation(const Editors& editors)
{
    return agreed<TextLocation>(editors, &iptcTextLocation);
}

std::optional<TextLocation> xmpTextLocation(const Editors& editors)
{
    return agreed<TextLocation>(editors, &xmpTextLocation);
}

std::optional<QDateTime> exifGPSStamp(const Editors& editors)
{
    return agreed<QDateTime>(editors, &exifGPSStamp);
}

std::optional<Location> location(const Editors& editors)
{
    return agreed<Location>(editors, &location);
}

// Each public edit opens one edition (EditionManager::Scope), so that every tag it writes is
// reported by a single history flush.

bool setGPSCoordinate(const Editors& editors, const TypedValue& value)
{
    const EditionManager::Scope oneEdition;
    return everyEditor(editors, value, &setGPSCoordinate);
}

bool setExifGPSCoordinate(const Editors& editors, const TypedValue& value)
{
    const EditionManager::Scope oneEdition;
    return everyEditor(editors, value, &setExifGPSCoordinate);
}

bool setXmpGPSCoordinate(const Editors& editors, const TypedValue& value)
{
    const EditionManager::Scope oneEdition;
    return everyEditor(editors, value, &setXmpGPSCoordinate);
}

bool setQuicktimeGPSCoordinate(const Editors& editors, const TypedValue& value)
{
    const EditionManager::Scope oneEdition;
    return everyEditor(editors, value, &setQuicktimeGPSCoordinate);
}

bool setLocation(const Editors& editors, const TypedValue& value)
{
    const EditionManager::Scope oneEdition;
    return everyEditor(editors, value, &setLocation);
}

} // namespace halvex
