#pragma once

#include "engine/halvex/places/Coordinate.h"
#include "engine/halvex/places/Location.h"
#include "engine/halvex/places/TextLocation.h"
#include "engine/halvex/places/TypedValue.h"

#include <QDateTime>
#include <QList>

#include <memory>
#include <optional>

namespace halvex {

class TagEditor;

// The GPS and place operations of TagEditorLocation.h on a list of editors edited together.
//
// A read answers the value every editor gives, and none when one of them gives none or another
// value (or the list is empty): a list of files shows one place only when it is theirs alike.
// A write applies to every editor and returns whether any changed.

std::optional<Coordinate> gpsCoordinate(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<Coordinate> exifGPSCoordinate(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<double> exifGPSLatitude(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<double> exifGPSLongitude(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<Coordinate> xmpGPSCoordinate(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<double> xmpGPSLatitude(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<double> xmpGPSLongitude(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<Coordinate> quicktimeGPSCoordinate(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<TextLocation> iptcTextLocation(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<TextLocation> xmpTextLocation(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<QDateTime> exifGPSStamp(const QList<std::shared_ptr<TagEditor>>& editors);
std::optional<Location> location(const QList<std::shared_ptr<TagEditor>>& editors);

bool setGPSCoordinate(const QList<std::shared_ptr<TagEditor>>& editors, const TypedValue& value);
bool setExifGPSCoordinate(const QList<std::shared_ptr<TagEditor>>& editors, const TypedValue& value);
bool setXmpGPSCoordinate(const QList<std::shared_ptr<TagEditor>>& editors, const TypedValue& value);
bool setQuicktimeGPSCoordinate(const QList<std::shared_ptr<TagEditor>>& editors, const TypedValue& value);
bool setLocation(const QList<std::shared_ptr<TagEditor>>& editors, const TypedValue& value);

} // namespace halvex
