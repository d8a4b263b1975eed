#include "editor/EditorPreviewViewController.h"

#include "app/TextLocalizer.h"
#include "editor/EditorFileListBarController.h"
#include "editor/EditorWindowController.h"
#include "editor/FileEditedTagsTableCellView.h"
#include "editor/FileGPSTableCellView.h"
#include "editor/FileOriginalTagsTableCellView.h"
#include "editor/FileQuicktimeDateTimeTableCellView.h"
#include "editor/FileQuicktimeNameTableCellView.h"
#include "editor/FileSaveTableCellView.h"
#include "editor/FileSourceTableCellView.h"
#include "editor/FileThumbnailTableCellView.h"
#include "editor/FormLoader.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/ui/DynamicToolbarItem.h"

#include <QVBoxLayout>

namespace corvelle {

EditorPreviewViewController::EditorPreviewViewController(EditorWindowHost* editorWindowController)
    : EditorViewController(editorWindowController)
{
}

EditorPreviewViewController::~EditorPreviewViewController() = default;

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
    return {FileThumbnailTableCellView::cellType(),         FileSourceTableCellView::cellType(),
            FileOriginalTagsTableCellView::cellType(),      FileEditedTagsTableCellView::cellType(),
            FileQuicktimeNameTableCellView::cellType(),     FileQuicktimeDateTimeTableCellView::cellType(),
            FileGPSTableCellView::cellType(),               FileSaveTableCellView::cellType()};
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
    QWidget* container = FormLoader::outlet<QWidget>(view(), "fileContainerView");
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fileBarController()->view());
    fileBarController()->setTableCellTypes(tableCellTypes());
}

void EditorPreviewViewController::addToolbarItems()
{
    QPointer<EditorPreviewViewController> weakSelf(this);
    auto controller = [weakSelf] { return weakSelf ? weakSelf->windowController() : nullptr; };
    toolbarItemSet().addItem(brisa::DynamicToolbarItemContainer::ImageButtonSettings{
        localizedString(QStringLiteral("EditorWindowToolbarOpenFiles")), QStringLiteral("plus"), [controller] {
            if (EditorWindowController* window = controller())
                window->openFilesFromFinder();
        }});
    toolbarItemSet().addItem(
        brisa::DynamicToolbarItemContainer::ImageButtonSettings{
            localizedString(QStringLiteral("EditorWindowToolbarSaveAllFiles")), QStringLiteral("square.and.arrow.down"),
            [controller] {
                if (EditorWindowController* window = controller())
                    window->saveAllEditedFiles();
            }},
        [controller](brisa::DynamicToolbarItem& item, QWidget*) {
            EditorWindowController* window = controller();
            item.setEnabled(window && window->canSaveAllEditedFiles());
        });
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
