#include "mediainfo/EditorMediaInfoActions.h"

#include "editor/EditorWindowController.h"
#include "filemodel/MetadataFileList.h"
#include "mediainfo/DownloadInfoWindowController.h"
#include "platform/brisa/ui/SheetPresenter.h"

#include <QMainWindow>

namespace corvelle {

EditorMediaInfoActions::EditorMediaInfoActions(EditorWindowController& controller)
    : controller_(controller)
{
    setCommands({
        EditorCommand{QStringLiteral("downloadVideoInfo:"), QStringLiteral("MainMenuDownloadVideoInfo"), {},
                      QStringLiteral("film"), [this] { return canDownloadVideoInfo(); },
                      {}, [this] { downloadVideoInfo(); }},
    });
}

bool EditorMediaInfoActions::canDownloadVideoInfo() const
{
    QWidget* window = static_cast<EditorWindowHost&>(controller_).window();
    return window && !brisa::SheetPresenter::attachedSheet(window) && controller_.canActOnNonFolderSelection();
}

DownloadInfoWindowController* EditorMediaInfoActions::sheet() const
{
    return sheet_;
}

void EditorMediaInfoActions::downloadVideoInfo()
{
    QWidget* window = static_cast<EditorWindowHost&>(controller_).window();
    const QList<std::shared_ptr<halvex::TagEditor>> editors = controller_.metadataFileList()->selectedEditors();
    auto* sheet = new DownloadInfoWindowController();
    sheet->loadInitialSearchTitle(editors);
    sheet_ = sheet;
    const bool presented = brisa::SheetPresenter::presentSheet(window, sheet, [sheet, editors](int returnCode) {
        if (returnCode == 1)
            sheet->applyResult(editors);
        sheet->deleteLater();
    });
    if (!presented)
        sheet->deleteLater();
}

} // namespace corvelle
