#pragma once

#include "engine/halvex/places/Coordinate.h"
#include "engine/halvex/places/Geocoder.h"
#include "engine/halvex/places/Location.h"
#include "engine/halvex/places/TextLocation.h"
#include "engine/halvex/places/TypedValue.h"
#include "engine/halvex/tasks/TaskMessage.h"

#include <QDateTime>

#include <memory>
#include <optional>

namespace halvex {

class TagEditor;

// GPS positions and places of one editor, family by family (EXIF GPS, XMP, QuickTime, IPTC).
// Reads see the staged edits. Latitudes are negative south, longitudes negative west, whatever
// form a tag keeps them in (EXIF: unsigned with a reference tag; XMP: signed; QuickTime: ISO 6709).
//
// Which families a write goes to depends on the file's type: EXIF for images, QuickTime
// (GPSCoordinates in the blocks ETSettings prefers) for movies and audio, XMP for sidecars and
// documents, IPTC and XMP for addresses of images, XMP for the addresses of other files; plus any
// other family the file already holds a value in that its type can hold, so that no family is
// left with an old place. A folder or a file of unknown type gets every family.

// --- Reads

// The position, from the families in the order the file prefers: QuickTime first for a file
// that keeps its orientation there (a movie), then EXIF and XMP; EXIF, XMP, QuickTime otherwise.
std::optional<Coordinate> gpsCoordinate(const TagEditor& editor);
std::optional<Coordinate> exifGPSCoordinate(const TagEditor& editor);
std::optional<double> exifGPSLatitude(const TagEditor& editor);
std::optional<double> exifGPSLongitude(const TagEditor& editor);
std::optional<Coordinate> xmpGPSCoordinate(const TagEditor& editor);
std::optional<double> xmpGPSLatitude(const TagEditor& editor);
std::optional<double> xmpGPSLongitude(const TagEditor& editor);
// Keys, UserData, then ItemList.
std::optional<Coordinate> quicktimeGPSCoordinate(const TagEditor& editor);
// Sub-location as the place name, city, province or state, country name and code; none when
// all are absent or blank.
std::optional<TextLocation> iptcTextLocation(const TagEditor& editor);
std::optional<TextLocation> xmpTextLocation(const TagEditor& editor);
// GPSDateStamp and GPSTimeStamp as one UTC date and time (midnight without a time stamp); none
// without a date stamp.
std::optional<QDateTime> exifGPSStamp(const TagEditor& editor);
// The position with its altitude, direction, date and address; none without a position.
std::optional<Location> location(const TagEditor& editor);

// --- Writes. Each takes a coordinate, a location (its position is used) or a coordinate text
// CoordinateParser reads; anything else, or an invalid position, changes nothing. Each returns
// whether the editor changed.

// The position in the families the file takes; altitudes and other GPS tags are left as they are.
bool setGPSCoordinate(TagEditor& editor, const TypedValue& value);
// One family, when the file's type can hold it.
bool setExifGPSCoordinate(TagEditor& editor, const TypedValue& value);
bool setXmpGPSCoordinate(TagEditor& editor, const TypedValue& value);
bool setQuicktimeGPSCoordinate(TagEditor& editor, const TypedValue& value);
// Position, altitude and viewing direction in the GPS families, the date in the GPS stamps (UTC),
// the address in the address families. A part the location lacks is removed (an address or an
// altitude left from another place would be wrong), except the date, which is kept. The zip code
// has no IPTC or XMP location tag and is not written; IPTC texts are cut to the length IPTC
// allows, XMP holds them whole. A coordinate alone is setGPSCoordinate().
bool setLocation(TagEditor& editor, const TypedValue& value);

// --- File filter

// A GPS tag of any family (position, altitude, direction, stamps) has a staged edit.
bool oneOrMoreExifLocationTagsAreEdited(const TagEditor& editor);
// A GPS tag of any family has a value.
bool hasOneOrMoreExifLocationValues(const TagEditor& editor);

// --- Autocompletion through Geocoder::shared() (or the one given). It only fills what is
// missing: an address part the file lacks, the position in a family that has none.

enum class AutocompleteResult {
    completed,         // something was filled
    unchanged,         // the file already had everything the geocoder found
    nothingToComplete, // the file has no position (or address) to start from
    notFound,          // the geocoder knows no place there
    noGeocoder,        // none is installed: nothing can be completed
};

// The address from the family's position.
AutocompleteResult autocompleteUsingEXIFCoordinate(TagEditor& editor,
                                                   const std::shared_ptr<Geocoder>& geocoder = Geocoder::shared());
AutocompleteResult autocompleteUsingXMPCoordinate(TagEditor& editor,
                                                  const std::shared_ptr<Geocoder>& geocoder = Geocoder::shared());
AutocompleteResult autocompleteUsingQuickTimeCoordinate(TagEditor& editor,
                                                        const std::shared_ptr<Geocoder>& geocoder = Geocoder::shared());
// The position from the family's address.
AutocompleteResult autocompleteUsingIPTCAddress(TagEditor& editor,
                                                const std::shared_ptr<Geocoder>& geocoder = Geocoder::shared());
AutocompleteResult autocompleteUsingXMPAddress(TagEditor& editor,
                                               const std::shared_ptr<Geocoder>& geocoder = Geocoder::shared());

// The warning a task reports for a result: for noGeocoder and notFound, naming the file; none
// for the others.
std::optional<TaskMessage> autocompleteMessage(const TagEditor& editor, AutocompleteResult result);

} // namespace halvex
