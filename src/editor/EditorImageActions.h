#pragma once

#include "editor/EditorCommandFamily.h"
#include "engine/halvex/tags/ExifOrientation.h"
#include "engine/halvex/tasks/OrientationEditionTask.h"

#include <QString>

#include <functional>
#include <memory>

namespace halvex {
class TagEditor;
} // namespace halvex

namespace corvelle {

class EditorWindowController;

// The Image and Date commands of the editor window on the selected files: turning and
// mirroring (as the engine chooses, or EXIF only, or the movie track only), the EXIF thumbnail
// cleared, restored or saved, raw previews saved, and every date at once.
//
// Each edit is one edition task over the editors selected when the command runs; the files
// change when they are saved. Nothing acts in the raw section.
class EditorImageActions : public EditorCommandFamily {
public:
    // The file dialogs' object name, for whoever drives them.
    static const QString panelObjectName;

    explicit EditorImageActions(EditorWindowController& controller);

    // --- Rules

    // A section other than raw, and a selection.
    bool canEditSelection() const;
    // Also a selected file that is not a folder.
    bool canRunImageExport() const;

    // --- Actions

    // One edition task over the selected editors, each edited apart; nothing when the guard fails.
    void editSelectedFiles(bool guard, std::function<void(halvex::TagEditor& editor)> edition);
    // One task over the selected files; a movie that loses a mirroring is named in its report.
    void orientSelectedFiles(const halvex::OrientationEditionTask::Operation& operation);
    // Asks for a folder, then saves the chosen image of each selected file into it.
    void exportImages(bool rawPreviews);
    // The tag editing sheet on the movie cover art of the selected files.
    void editCoverArt();
    // Asks for one date action in the update-dates sheet, then applies it to every date tag of
    // each file selected now.
    void updateAllDates();
    // Asks for one date tag (last time's first), then copies its date into every other date tag
    // of each file selected now, and keeps the choice.
    void syncAllDates();

private:
    EditorWindowController& controller_;
};

} // namespace corvelle
