#pragma once

#include "editor/EditorCommandFamily.h"

#include <QPointer>

namespace corvelle {

class DownloadInfoWindowController;
class EditorWindowController;

// The online information command of the editor window: the download-info sheet for the
// selected files, whose values are written into those files when it ends with 1.
class EditorMediaInfoActions : public EditorCommandFamily {
public:
    explicit EditorMediaInfoActions(EditorWindowController& controller);

    // Files are selected outside the raw section, and the window carries no sheet.
    bool canDownloadVideoInfo() const;
    // The engine reads movies: the command is shown.
    static bool isMovieSupported();
    void updateItem(const QString& action, QAction* item) const override;
    void downloadVideoInfo();
    // The sheet on screen; null when none is.
    DownloadInfoWindowController* sheet() const;

private:
    EditorWindowController& controller_;
    QPointer<DownloadInfoWindowController> sheet_;
};

} // namespace corvelle
