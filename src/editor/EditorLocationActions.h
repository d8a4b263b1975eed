#pragma once

#include "editor/EditorCommandFamily.h"
#include "engine/halvex/places/Coordinate.h"
#include "engine/halvex/places/TypedValue.h"
#include "engine/ostrak/TagItem.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace halvex {
class AbstractTask;
class TagEditor;
} // namespace halvex

namespace corvelle {

class EditorWindowController;
class FindLocationWindowController;

// The Location menu of the editor window: copy, cut, paste, restore and clear of the location
// tags, all together or one family at a time; the GPS coordinate copied, pasted and taken from
// another file per family; the coordinate and address as text; the GPS stamp from a date; and
// the address completed from the position or the position from the address.
//
// Copies and edits run as edition tasks over the files selected when the command ran; pastes
// read the tag pasteboard when they run, so that they paste what a copy queued before them
// copied. With more than 99 files selected the rules ask nothing of each file.
class EditorLocationActions : public EditorCommandFamily {
public:
    using Editors = QList<std::shared_ptr<halvex::TagEditor>>;

    explicit EditorLocationActions(EditorWindowController& controller);

    // --- Rules

    bool hasSelection() const;
    // Not in the raw section, and files are selected.
    bool canEditLocations() const;
    bool canPasteLocationTags() const;
    bool canPasteCoordinate() const;
    bool canRestoreOrClearLocation() const;
    // More than 99 selected files: the rules take them on trust.
    bool isLargeSelection() const;

    // Shows the find-location sheet on the window with the selected files' common place; Set
    // writes the chosen place into the files selected now. Null when it cannot be shown.
    FindLocationWindowController* searchLocation();

    // --- The EXIF GPS date and time stamps from a date tag of the files

    // Whether the tag is a date tag offered as the source.
    static bool isStampSource(const ostrak::TagItem& item);
    // The date tags offered as the source.
    static QList<ostrak::TagItem> stampSourceItems();
    // Asks which date tag, then copies it into the stamps of the files selected now.
    void syncEXIFGPSStamp();
    // Copies `from` into both stamps of each editor (in UTC), as one edit, and keeps the choice.
    static void syncEXIFGPSStamp(const Editors& editors, const ostrak::TagName& from);

    // --- Geotags: a GPS track into the files, their positions out as a track

    // A folder, or a file of a kind ExifTool geotags.
    static bool canGeotag(const halvex::TagEditor& editor);
    // Files are selected, and one can be geotagged (or more than 99 are selected).
    bool canImportExportGeotags() const;
    // The panels of the three commands.
    void importGeotags();
    void exportGeotags(bool kml);
    // The tasks the panels queue over the selected files that can be geotagged; null when
    // there is none. The import reads the files again once written.
    std::shared_ptr<halvex::AbstractTask> queueGeotagImport(const QString& trackPath, const QString& offsetText);
    std::shared_ptr<halvex::AbstractTask> queueGeotagExport(const QString& destination, bool kml);

    // --- Reading another file, off the main thread

    // Writes the location tags of the file at `path` into `editors` through an edition task:
    // each tag gets the file's value, none when the file has none. A file that cannot be read
    // writes nothing; `failed` is then called on the main thread with the reason.
    static void importLocation(const QString& path, const Editors& editors,
                               std::function<void(const QString& reason)> failed);
    // Writes the file's combined GPS coordinate into `editors` with `write`; nothing when the
    // file cannot be read or has no position.
    using CoordinateWriter = bool (*)(const Editors&, const halvex::TypedValue&);
    static void importCoordinate(const QString& path, const Editors& editors, CoordinateWriter write);

private:
    Editors selectedEditors() const;
    Editors geotagEditors() const;
    void copyCoordinate(std::function<std::optional<halvex::Coordinate>(const Editors&)> read);
    void copyCoordinateText(std::function<QString(const halvex::Coordinate&)> format);
    void copyIPTCLocationAddress();
    void chooseFile(std::function<void(const QString& path, const Editors& editors)> chosen);
    void showImportFailure(const QString& path, const QString& reason);

    EditorWindowController& controller_;
};

} // namespace corvelle
