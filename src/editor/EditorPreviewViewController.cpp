#include "editor/EditorPreviewViewController.h"

#include "editor/EditorFileListBarController.h"
#include "editor/EditorTouchBarItems.h"
#include "editor/EditorWindowController.h"
#include "editor/FileEditedTagsTableCellView.h"
#include "editor/FileExifDateTimeTableCellView.h"
#include "editor/FileExifMakeTableCellView.h"
#include "editor/FileGPSTableCellView.h"
#include "editor/FileOriginalTagsTableCellView.h"
#include "editor/FileQuicktimeDateTimeTableCellView.h"
#include "editor/FileQuicktimeNameTableCellView.h"
#include "editor/FileSaveTableCellView.h"
#include "editor/FileSourceTableCellView.h"
#include "editor/FileThumbnailTableCellView.h"
#include "engine/halvex/kit/KitSettings.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/MenuTree.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_EditorPreviewView.h"

#include <QMenu>
#include <QSet>

#include <algorithm>
#include <QVBoxLayout>

namespace corvelle {

EditorPreviewViewController::EditorPreviewViewController(EditorWindowHost* editorWindowController)
    : EditorViewController(editorWindowController)
{
}

EditorPreviewViewController::~EditorPreviewViewController() = default;

void EditorPreviewViewController::loadView()
{
    ui_ = std::make_unique<Ui::EditorPreviewView>();
    ui_->setupUi(this);
    // A command's colon cannot stand in a C++ name, so uic names the menu items otherwise: the
    // form gives each its command, which names the item as the menus route it.
    for (QMenu* menu : {ui_->tagToolbarMenu, ui_->clockToolbarMenu, ui_->gpsToolbarMenu, ui_->sidecarToolbarMenu}) {
        for (QAction* item : menu->actions()) {
            const QString command = item->property("command").toString();
            if (!command.isEmpty())
                item->setObjectName(command);
        }
    }
    FormTexts::localize(this);
}

QString EditorPreviewViewController::windowTitle() const
{
    return localizedString(QStringLiteral("PreviewMetadataCorvelleWindowTitle"));
}

QString EditorPreviewViewController::windowSubtitle() const
{
    const MetadataFileList* list = metadataFileList();
    return localizedString(QStringLiteral("EditorMetadataWindowSubtitle"), {qlonglong(list ? list->files().size() : 0)});
}

QList<FileTableCellType> EditorPreviewViewController::tableCellTypes()
{
    const QSet<halvex::MediaType> types = halvex::KitSettings::shared().supportedMediaTypes();
    const auto supports = [&types](halvex::MediaKind kind) {
        return std::any_of(types.begin(), types.end(), [kind](const halvex::MediaType& type) { return type.kind() == kind; });
    };
    // The tag values that tell the files apart: the camera and the shot of pictures, else the
    // name and the making of movies.
    QList<FileTableCellType> tagValues;
    if (supports(halvex::MediaKind::image))
        tagValues = {FileExifMakeTableCellView::cellType(), FileExifDateTimeTableCellView::cellType()};
    else if (supports(halvex::MediaKind::movie))
        tagValues = {FileQuicktimeNameTableCellView::cellType(), FileQuicktimeDateTimeTableCellView::cellType()};
    return QList<FileTableCellType>{FileThumbnailTableCellView::cellType(), FileSourceTableCellView::cellType(),
                                    FileOriginalTagsTableCellView::cellType(), FileEditedTagsTableCellView::cellType()}
           + tagValues + QList<FileTableCellType>{FileGPSTableCellView::cellType(), FileSaveTableCellView::cellType()};
}

EditorWindowController* EditorPreviewViewController::windowController() const
{
    return qobject_cast<EditorWindowController*>(editorWindowController());
}

EditorFileListBarController* EditorPreviewViewController::fileBarController()
{
    if (!fileBarController_)
        fileBarController_ = new EditorFileListBarController(this);
    return fileBarController_;
}

void EditorPreviewViewController::setupViews()
{
    view();
    auto* layout = new QVBoxLayout(ui_->fileContainerView);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fileBarController()->view());
    fileBarController()->setTableCellTypes(tableCellTypes());

    clockToolbarMenu_ = ui_->clockToolbarMenu;
    tagToolbarMenu_ = ui_->tagToolbarMenu;
    gpsToolbarMenu_ = ui_->gpsToolbarMenu;
    sidecarToolbarMenu_ = ui_->sidecarToolbarMenu;
    // Their items name window commands: the window's actions stand in their place; a command
    // the window has no action of yet is not offered.
    EditorWindowHost* window = editorWindowController();
    for (QMenu* menu : {clockToolbarMenu_, tagToolbarMenu_, gpsToolbarMenu_, sidecarToolbarMenu_}) {
        const QList<QAction*> left = brisa::MenuTree::shareItems(
            menu, [window](const QString& name) { return window ? window->commandAction(name) : nullptr; });
        for (QAction* item : left)
            item->setEnabled(false);
    }
}

void EditorPreviewViewController::addToolbarItems()
{
    addOpenFilesToolbarItem();
    addToolbarItem(ToolbarCommand::removeFiles);
    addToolbarItem(ToolbarCommand::inspectFiles);
    addToolbarItem(ToolbarCommand::saveAllFiles);
    addFlexibleSpaceToolbarItem();
    addSectionSwitcherToolbarItem(0);
    addTasksToolbarItem();
    addFlexibleSpaceToolbarItem();
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarEditTags"), QStringLiteral("tag"), tagToolbarMenu_);
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarSyncDates"), QStringLiteral("clock"), clockToolbarMenu_);
    addToolbarItem(ToolbarCommand::editCoverArt);
    addToolbarItem(ToolbarCommand::downloadInfo);
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarEditLocation"), QStringLiteral("mappin.and.ellipse"),
                       gpsToolbarMenu_);
    addMenuToolbarItem(QStringLiteral("EditorWindowToolbarSidecars"), QStringLiteral("doc.on.doc"),
                       sidecarToolbarMenu_);
    addPresetsToolbarItem();
    addHelpToolbarItem();
}

void EditorPreviewViewController::addTouchBarItems()
{
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar().addItemSet({});
    EditorTouchBarItems::addFileSectionItems(items, EditorTouchBarItems::Controller(windowController()));
}

void EditorPreviewViewController::stopObserving()
{
    if (fileBarController_)
        fileBarController_->stopObserving();
}

void EditorPreviewViewController::saveScrollPosition()
{
    if (fileBarController_ && fileBarController_->isViewLoaded())
        fileBarController_->saveScrollPosition();
}

void EditorPreviewViewController::restoreScrollPosition()
{
    fileBarController()->restoreScrollPosition();
}

void EditorPreviewViewController::focusFileBar()
{
    fileBarController()->focus();
}

std::optional<int> EditorPreviewViewController::takePendingDropIndex()
{
    return fileBarController_ ? fileBarController_->takeDropFilesIndex() : std::nullopt;
}

} // namespace corvelle
