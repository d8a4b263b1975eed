#include "mediainfo/EditorMediaInfoActions.h"

#include "editor/EditorFileActions.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/kit/KitSettings.h"
#include "filemodel/MetadataFileList.h"
#include "mediainfo/DownloadInfoWindowController.h"
#include "platform/brisa/ui/SheetPresenter.h"

#include <QAction>
#include <QMainWindow>

#include <algorithm>

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
    return window && !brisa::SheetPresenter::attachedSheet(window) && controller_.fileActions().canActOnSelectedFiles();
}

bool EditorMediaInfoActions::isMovieSupported()
{
    const QSet<halvex::MediaType> types = halvex::KitSettings::shared().supportedMediaTypes();
    return std::any_of(types.begin(), types.end(),
                       [](const halvex::MediaType& type) { return type.kind() == halvex::MediaKind::movie; });
}

void EditorMediaInfoActions::updateItem(const QString& action, QAction* item) const
{
    // Only movies are looked up online.
    if (command(action) && action == QLatin1String("downloadVideoInfo:"))
        item->setVisible(isMovieSupported());
}

DownloadInfoWindowController* EditorMediaInfoActions::sheet() const
{
    return sheet_;
}

void EditorMediaInfoActions::downloadVideoInfo()
{
    if (!canDownloadVideoInfo())
        return;
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
