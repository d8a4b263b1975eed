#include "map/EditorMapSidebarController.h"

#include "editor/EditorContentSection.h"
#include "editor/EditorViewController.h"
#include "editor/EditorWindowHost.h"
#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/places/CoordinateWriter.h"
#include "engine/halvex/places/TagEditorLocationList.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_EditorMapSidebar.h"

namespace corvelle {

namespace {

const QString none = QStringLiteral("-");

QString orNone(const QString& text)
{
    return text.isEmpty() ? none : text;
}

struct SegmentLook {
    const char* name;
    const char* titleKey;
    const char* symbol;
};

// Each command's action name, title and symbol, in segment order.
const SegmentLook segmentLooks[] = {
    {"copyLocation", "MapSidebarCopyLocation", "doc.on.doc"},
    {"cutLocation", "MapSidebarCutLocation", ""},
    {"pasteLocation", "MapSidebarPasteLocation", "list.bullet.clipboard"},
    {"clearLocation", "MapSidebarClearLocation", "eraser.line.dashed"},
    {"restoreLocation", "MapSidebarRestoreLocation", "arrow.uturn.left.circle"},
    {"importLocation", "MapSidebarImportLocation", "arrow.down.doc"},
    {"searchLocation", "MapSidebarSearchLocation", "mappin.and.ellipse"},
};

} // namespace

const QStringList EditorMapSidebarController::windowCommands{
    QStringLiteral("copyLocationTags:"), QStringLiteral("cutLocationTags:"), QStringLiteral("pasteLocationTags:"),
    QStringLiteral("clearLocation:"),    QStringLiteral("restoreLocation:"), QStringLiteral("importLocation:"),
    QStringLiteral("searchLocation:"),
};

EditorMapSidebarController::EditorMapSidebarController(EditorViewController* editorViewController)
    : EditorBarController(editorViewController)
{
    setObjectName(QStringLiteral("mapSidebar"));
}

EditorMapSidebarController::~EditorMapSidebarController() = default;

void EditorMapSidebarController::loadView()
{
    ui_ = std::make_unique<Ui::EditorMapSidebar>();
    ui_->setupUi(this);
    FormTexts::localize(this);
}

QWidget* EditorMapSidebarController::editionView() const { return ui_ ? ui_->editionView : nullptr; }
QWidget* EditorMapSidebarController::placeholderView() const { return ui_ ? ui_->placeholderView : nullptr; }
QLineEdit* EditorMapSidebarController::coordinateDDdddddField() const { return ui_ ? ui_->coordinateDDdddddField : nullptr; }
QLineEdit* EditorMapSidebarController::coordinateDDMMmmmField() const { return ui_ ? ui_->coordinateDDMMmmmField : nullptr; }
QLineEdit* EditorMapSidebarController::coordinateDDMMSSsField() const { return ui_ ? ui_->coordinateDDMMSSsField : nullptr; }
QLineEdit* EditorMapSidebarController::coordinateISO6709Field() const { return ui_ ? ui_->coordinateISO6709Field : nullptr; }
QLineEdit* EditorMapSidebarController::addressIPTCField() const { return ui_ ? ui_->addressIPTCField : nullptr; }
QToolButton* EditorMapSidebarController::copyButton() const { return ui_ ? ui_->copyButton : nullptr; }
QToolButton* EditorMapSidebarController::cutButton() const { return ui_ ? ui_->cutButton : nullptr; }
QToolButton* EditorMapSidebarController::pasteButton() const { return ui_ ? ui_->pasteButton : nullptr; }

QToolButton* EditorMapSidebarController::segmentButton(int segment) const
{
    if (!ui_)
        return nullptr;
    const QList<QToolButton*> buttons{ui_->copySegment,    ui_->cutSegment,    ui_->pasteSegment, ui_->clearSegment,
                                      ui_->restoreSegment, ui_->importSegment, ui_->searchSegment};
    return buttons.value(segment);
}

void EditorMapSidebarController::setupViews()
{
    for (int segment = copySegment; segment <= searchSegment; ++segment) {
        const SegmentLook& look = segmentLooks[segment];
        auto* action = new QAction(localizedString(QString::fromLatin1(look.titleKey)), this);
        action->setObjectName(QString::fromLatin1(look.name));
        const QIcon icon = *look.symbol ? brisa::SymbolIcons::icon(QString::fromLatin1(look.symbol)) : QIcon();
        action->setIcon(icon);
        connect(action, &QAction::triggered, this, [this, segment] { perform(segment); });
        actions_ << action;
        QToolButton* button = segmentButton(segment);
        button->setDefaultAction(action);
        button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    }
    // The buttons beneath are the same three commands, titled.
    copyButton()->setDefaultAction(actions_[copySegment]);
    cutButton()->setDefaultAction(actions_[cutSegment]);
    pasteButton()->setDefaultAction(actions_[pasteSegment]);
    reloadValues();
}

bool EditorMapSidebarController::hasSelection() const
{
    const MetadataFileList* list = metadataFileList();
    return editorWindowController() && list && !list->selection().isEmpty();
}

bool EditorMapSidebarController::windowAllows(const QString& command) const
{
    EditorWindowHost* window = editorWindowController();
    return window && metadataFileList() && window->validateUserInterfaceItem(command);
}

bool EditorMapSidebarController::canCopy() const { return hasSelection(); }
bool EditorMapSidebarController::canCut() const { return hasSelection(); }
bool EditorMapSidebarController::canPaste() const { return windowAllows(windowCommands[pasteSegment]); }

bool EditorMapSidebarController::canClear() const
{
    EditorWindowHost* window = editorWindowController();
    return window && window->contentSection() != EditorContentSection::raw && windowAllows(windowCommands[clearSegment]);
}

bool EditorMapSidebarController::canRestore() const { return canClear(); }

bool EditorMapSidebarController::canImport() const
{
    EditorWindowHost* window = editorWindowController();
    return hasSelection() && window->contentSection() != EditorContentSection::raw;
}

bool EditorMapSidebarController::canSearch() const { return canImport(); }

bool EditorMapSidebarController::canPerform(int segment) const
{
    switch (segment) {
    case copySegment:
        return canCopy();
    case cutSegment:
        return canCut();
    case pasteSegment:
        return canPaste();
    case clearSegment:
        return canClear();
    case restoreSegment:
        return canRestore();
    case importSegment:
        return canImport();
    case searchSegment:
        return canSearch();
    default:
        return false;
    }
}

void EditorMapSidebarController::perform(int segment)
{
    if (!canPerform(segment))
        return;
    if (EditorWindowHost* window = editorWindowController())
        window->performCommand(windowCommands[segment], actions_.value(segment));
}

void EditorMapSidebarController::reloadValues()
{
    if (!ui_)
        return;
    const MetadataFileList* list = editorWindowController() ? metadataFileList() : nullptr;
    const QList<std::shared_ptr<halvex::TagEditor>> editors = list ? list->selectedEditors() : QList<std::shared_ptr<halvex::TagEditor>>();
    const std::optional<halvex::Coordinate> coordinate = halvex::gpsCoordinate(editors);
    const halvex::CoordinateWriter writer;
    ui_->coordinateDDdddddField->setText(coordinate ? orNone(writer.DDddddd(*coordinate)) : none);
    ui_->coordinateDDMMmmmField->setText(coordinate ? orNone(writer.preDDMMmmm(*coordinate)) : none);
    ui_->coordinateDDMMSSsField->setText(coordinate ? orNone(writer.postDDMMSSs(*coordinate)) : none);
    ui_->coordinateISO6709Field->setText(coordinate ? orNone(writer.iso6709(*coordinate)) : none);
    const std::optional<halvex::TextLocation> address = halvex::iptcTextLocation(editors);
    ui_->addressIPTCField->setText(address ? address->formattedAddress() : none);
    for (QLineEdit* field : {ui_->coordinateDDdddddField, ui_->coordinateDDMMmmmField, ui_->coordinateDDMMSSsField,
                             ui_->coordinateISO6709Field, ui_->addressIPTCField}) {
        field->setCursorPosition(0);
        field->setToolTip(field->text());
    }
}

void EditorMapSidebarController::updateInterface()
{
    EditorBarController::updateInterface();
    if (!ui_)
        return;
    for (int segment = copySegment; segment <= searchSegment; ++segment)
        actions_.value(segment)->setEnabled(canPerform(segment));
    const bool selected = hasSelection();
    ui_->editionView->setVisible(selected);
    ui_->placeholderView->setVisible(!selected);
}

void EditorMapSidebarController::startObserving()
{
    editionsManagerDidFlushHistorySubscriber_.subscribe(
        halvex::EditionManager::didFlushHistoryNotification, nullptr,
        [this](const brisa::Notification& note) { editionManagerDidFlushHistory(note); });
    // A copy ends as a task: the paste command may have become possible.
    taskManagerDidRemoveTaskSubscriber_.subscribe(halvex::TaskManager::didRemoveTaskNotification, nullptr,
                                                  [this](const brisa::Notification&) { updateInterface(); });
    if (MetadataFileList* list = metadataFileList()) {
        fileListDidChangeFilesSubscriber_.subscribe(MetadataFileList::didChangeFilesNotification, list,
                                                    [this](const brisa::Notification&) {
                                                        updateInterface();
                                                        reloadValues();
                                                    });
    }
}

void EditorMapSidebarController::stopObserving()
{
    editionsManagerDidFlushHistorySubscriber_.unsubscribe();
    fileListDidChangeFilesSubscriber_.unsubscribe();
    taskManagerDidRemoveTaskSubscriber_.unsubscribe();
}

void EditorMapSidebarController::editionManagerDidFlushHistory(const brisa::Notification& note)
{
    const std::optional<halvex::HistoryEdition> history = halvex::EditionManager::history(note);
    const MetadataFileList* list = metadataFileList();
    if (history && list && history->hasLocationEditions(list->selectedEditors()))
        reloadValues();
    updateInterface();
}

} // namespace corvelle
