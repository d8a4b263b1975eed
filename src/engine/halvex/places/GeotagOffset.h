#pragma once

#include <QString>

#include <optional>

namespace halvex {

// The time zone the camera clock was set to when the files were made, as the geotag import
// takes it: hours, minutes and seconds east of UTC. Its text has one sign for the whole offset:
// three and a half hours west is "-03:30:00", never "-03:-30:00".
class GeotagOffset {
public:
    // From the three fields of the import panel. The offset is west (negative) when any field
    // is; each field counts by its size. Text that is not a whole number counts as 0.
    static int seconds(const QString& hours, const QString& minutes, const QString& seconds);
    // From an offset text: "-03:30:00", "-3:-30:00", "+5:30", "7". None when a part is not a
    // whole number or there are more than three parts.
    static std::optional<int> seconds(const QString& text);

    // "-03:30:00", "05:30:00", "00:00:00".
    static QString text(int seconds);
    // The offset as ExifTool appends it to a local date: "+05:30", "-03:30", "+00:00:15".
    static QString zone(int seconds);
};

} // namespace halvex
