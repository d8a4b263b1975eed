#include "editor/EditorImageActions.h"

#include "editing/TagEditingWindowController.h"
#include "editing/UpdateDatesWindowController.h"

#include "editor/EditorWindowController.h"
#include "editor/FileDialogSheet.h"
#include "engine/halvex/dates/AllDatesEdition.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tags/TagEditorOrientation.h"
#include "engine/halvex/tasks/FileExportImagesTask.h"
#include "engine/halvex/tasks/OrientationEditionTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "tags/TagNamePickerWindowController.h"
#include "tags/TagsSettings.h"
#include "widgets/TextLocalizer.h"

#include <QMainWindow>

namespace corvelle {

const QString EditorImageActions::panelObjectName = QStringLiteral("ImageExportPanel");

namespace {

using halvex::ExifOrientation;
using Transform = ExifOrientation (ExifOrientation::*)() const;

} // namespace

EditorImageActions::EditorImageActions(EditorWindowController& controller)
    : controller_(controller)
{
    const auto row = [](const QString& command, std::function<bool()> isEnabled, std::function<void()> run) {
        return EditorCommand{command, menuTextKey(command), {}, {}, std::move(isEnabled), {}, std::move(run)};
    };
    const auto selection = [this] { return canEditSelection(); };
    const auto edit = [this, row, selection](const char* command, std::function<void(halvex::TagEditor&)> edition) {
        return row(QString::fromLatin1(command), selection,
                   [this, edition] { editSelectedFiles(canEditSelection(), edition); });
    };
    // Turning and mirroring: a movie whose mirroring cannot be kept is named in the task's report.
    const auto orient = [this, row, selection](const char* command, halvex::OrientationEditionTask::Operation operation) {
        return row(QString::fromLatin1(command), selection, [this, operation] { orientSelectedFiles(operation); });
    };
    // The EXIF and movie families turn the orientation read when the task runs by one table each,
    // and write only their own tag.
    const auto exif = [orient](const char* command, Transform transform) {
        return orient(command, [transform](halvex::TagEditor& editor) {
            return halvex::setExifOrientation(editor, (halvex::exifOrientation(editor).*transform)());
        });
    };
    const auto quicktime = [orient](const char* command, Transform transform) {
        return orient(command, [transform](halvex::TagEditor& editor) {
            return halvex::setQuicktimeOrientation(editor, (halvex::quicktimeOrientation(editor).*transform)());
        });
    };
    // The sheets these commands ask with are not part of this system yet.
    setCommands({
        row(QStringLiteral("updateAllDates:"), selection, [this] { updateAllDates(); }),
        row(QStringLiteral("syncAllDates:"), selection, [this] { syncAllDates(); }),
        orient("horizontalFlip:", &halvex::horizontalFlipOrientation),
        orient("verticalFlip:", &halvex::verticalFlipOrientation),
        orient("rotateLeft:", &halvex::rotateLeftOrientation),
        orient("rotateRight:", &halvex::rotateRightOrientation),
        exif("exifHorizontalFlip:", &ExifOrientation::horizontalFlip),
        exif("exifVerticalFlip:", &ExifOrientation::verticalFlip),
        exif("exifRotateLeft:", &ExifOrientation::rotateLeft),
        exif("exifRotateRight:", &ExifOrientation::rotateRight),
        quicktime("quicktimeHorizontalFlip:", &ExifOrientation::horizontalFlip),
        quicktime("quicktimeVerticalFlip:", &ExifOrientation::verticalFlip),
        quicktime("quicktimeRotateLeft:", &ExifOrientation::rotateLeft),
        quicktime("quicktimeRotateRight:", &ExifOrientation::rotateRight),
        edit("clearEXIFThumbnail:", [](halvex::TagEditor& editor) { halvex::clearExifThumbnail(editor); }),
        edit("restoreEXIFThumbnail:", [](halvex::TagEditor& editor) { halvex::restoreExifThumbnail(editor); }),
        row(QStringLiteral("exportEXIFThumbnail:"), [this] { return canRunImageExport(); }, [this] { exportImages(false); }),
        row(QStringLiteral("exportJPGFromRaw:"), [this] { return canRunImageExport(); }, [this] { exportImages(true); }),
        row(QStringLiteral("editQuicktimeCovertArt:"), selection, [this] { editCoverArt(); }),
    });
}

// --- Rules

bool EditorImageActions::canEditSelection() const
{
    return controller_.effectiveSection() != EditorContentSection::raw && controller_.metadataFileList()->hasSelection();
}

bool EditorImageActions::canRunImageExport() const
{
    return controller_.effectiveSection() != EditorContentSection::raw && controller_.canActOnNonFolderSelection();
}

// --- Actions

void EditorImageActions::editSelectedFiles(bool guard, std::function<void(halvex::TagEditor& editor)> edition)
{
    if (!guard)
        return;
    const halvex::TagEditorList editors(controller_.metadataFileList()->selectedEditors());
    if (editors.isEmpty())
        return;
    halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>([editors, edition] {
        editors.editConcurrently([&edition](const std::shared_ptr<halvex::TagEditor>& editor) { edition(*editor); });
    }));
}

void EditorImageActions::editCoverArt()
{
    if (!canEditSelection() || !controller_.window())
        return;
    const QList<std::shared_ptr<halvex::TagEditor>> editors = controller_.metadataFileList()->selectedEditors();
    if (editors.isEmpty())
        return;
    const EditorEditionCache cache(EditorEditionCache::ValueSet(editors, {ostrak::TagItem::itemQuickTimeCoverArt()}));
    TagEditingWindowController::present(controller_.window(), cache);
}

void EditorImageActions::updateAllDates()
{
    if (!canEditSelection() || !controller_.window())
        return;
    // The files selected when the command is given, whatever the selection when the sheet ends.
    const halvex::TagEditorList editors(controller_.metadataFileList()->selectedEditors());
    if (editors.isEmpty())
        return;
    auto* sheet = new UpdateDatesWindowController;
    const bool shown = brisa::SheetPresenter::presentSheet(controller_.window(), sheet, [sheet, editors](int returnCode) {
        const std::optional<halvex::DateEdition> edition = returnCode == 1 ? sheet->selectedDateEdition() : std::nullopt;
        sheet->deleteLater();
        if (!edition)
            return;
        halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>([editors, edition] {
            editors.editConcurrently([&edition](const std::shared_ptr<halvex::TagEditor>& editor) {
                halvex::AllDatesEdition::update(*editor, *edition);
            });
        }));
    });
    if (!shown)
        delete sheet;
}

void EditorImageActions::orientSelectedFiles(const halvex::OrientationEditionTask::Operation& operation)
{
    if (!canEditSelection())
        return;
    const halvex::TagEditorList editors(controller_.metadataFileList()->selectedEditors());
    if (editors.isEmpty())
        return;
    halvex::TaskManager::shared().add(std::make_shared<halvex::OrientationEditionTask>(editors, operation));
}

void EditorImageActions::syncAllDates()
{
    if (!canEditSelection() || !controller_.window())
        return;
    const halvex::TagEditorList editors(controller_.metadataFileList()->selectedEditors());
    if (editors.isEmpty())
        return;
    auto* picker = new TagNamePickerWindowController;
    picker->setInstructions(localizedString(QStringLiteral("SelectOneDateTagNamePickerTitle")));
    picker->selectTagItem(brisa::UserDefaults::standard().value(Settings::syncDateTimeChosenName()).item());
    picker->setAdditionalFiltering([](const ostrak::TagItem& item) { return item.type().isDateTimeOrPartial(); });
    TagPickerSheet::presentOnce(controller_.window(), picker, [picker, editors] {
        if (!picker->selectedTagItem())
            return;
        const ostrak::TagName chosen = picker->selectedTagItem()->tagName();
        brisa::UserDefaults::standard().set(Settings::syncDateTimeChosenName(), chosen);
        halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>([editors, chosen] {
            editors.editConcurrently([&chosen](const std::shared_ptr<halvex::TagEditor>& editor) {
                halvex::AllDatesEdition::sync(*editor, chosen);
            });
        }));
    });
}

void EditorImageActions::exportImages(bool rawPreviews)
{
    if (!canRunImageExport() || !controller_.window())
        return;
    const auto editors = controller_.metadataFileList()->selectedEditors();
    if (editors.isEmpty())
        return;
    const auto kind = rawPreviews ? halvex::FileExportImagesTask::Kind::rawPreview : halvex::FileExportImagesTask::Kind::thumbnail;
    FileDialogSheet::present(
        controller_.window(),
        FileDialogSheet::makeFolderPanel(controller_.window(), panelObjectName, QStringLiteral("ExportPanelExportButtonTitle")),
        [editors, kind](const QUrl& url) {
            halvex::TaskManager::shared().add(std::make_shared<halvex::FileExportImagesTask>(
                halvex::FileExportImagesTask::Settings{editors, kind, url, nullptr}));
        });
}

} // namespace corvelle
