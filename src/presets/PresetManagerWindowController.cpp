#include "presets/PresetManagerWindowController.h"

#include "engine/halvex/libraries/LibraryError.h"
#include "engine/halvex/libraries/PresetFile.h"
#include "engine/halvex/places/LocationTagValues.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagValueMarker.h"
#include "map/FindLocationWindowController.h"
#include "platform/brisa/ui/DynamicToolbar.h"
#include "platform/brisa/ui/DynamicToolbarItem.h"
#include "platform/brisa/ui/DynamicToolbarItemSet.h"
#include "platform/brisa/ui/DynamicTouchBarItemButtonSettings.h"
#include "platform/brisa/ui/DynamicTouchBarItemSet.h"
#include "platform/brisa/ui/FilledSubview.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "presets/PresetEditDescriptionWindowController.h"
#include "presets/PresetEditEditionWindowController.h"
#include "presets/PresetEditNameWindowController.h"
#include "presets/PresetEditionsModel.h"
#include "presets/PresetEditionsViewController.h"
#include "presets/PresetFailureAlert.h"
#include "presets/PresetGroupsModel.h"
#include "presets/PresetGroupsViewController.h"
#include "widgets/ApplicationCommands.h"
#include "widgets/FormTexts.h"
#include "widgets/LibraryErrorText.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/RightClickOutlineView.h"
#include "widgets/controls/RightClickTableView.h"

#include "ui_PresetManagerWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QToolBar>

namespace corvelle {

using halvex::EquatableObjectPtr;
using halvex::PresetGroup;
using halvex::PresetGroupPtr;
using halvex::PresetItem;
using halvex::PresetItemPtr;

namespace {

PresetManagerWindowController* sharedController = nullptr;

const QString createGroupCommand = QStringLiteral("createGroup:");
const QString createPresetCommand = QStringLiteral("createPreset:");
const QString duplicateCommand = QStringLiteral("duplicateItem:");
const QString deleteCommand = QStringLiteral("deleteItem:");
const QString importCommand = QStringLiteral("importPresets:");
const QString exportCommand = QStringLiteral("exportPresets:");
const QString pasteCommand = QStringLiteral("pasteMultipleTags:");
const QString searchLocationCommand = QStringLiteral("searchLocation:");
const QString editCommand = QStringLiteral("editEntries:");

QString presetsFileFilter()
{
    return localizedString(QStringLiteral("PresetManagerFileTypeName")) + QStringLiteral(" (*.")
           + halvex::PresetFile::presetsFileExtension + QLatin1Char(')');
}

} // namespace

PresetManagerWindowController& PresetManagerWindowController::shared()
{
    if (!sharedController)
        sharedController = new PresetManagerWindowController(halvex::PresetManager::shared());
    return *sharedController;
}

PresetManagerWindowController* PresetManagerWindowController::existing()
{
    return sharedController;
}

PresetManagerWindowController::PresetManagerWindowController(halvex::PresetManager& manager, QWidget* parent)
    : LibraryWindowController(parent)
    , ui_(std::make_unique<Ui::PresetManagerWindow>())
    , manager_(manager)
    , createMenu_(new QMenu(this))
    , fileMenu_(new QMenu(this))
    , outlineMenu_(new QMenu(this))
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    setUpPlaceholder(ui_->placeholderView);

    makeCommandActions({
        {createGroupCommand, QStringLiteral("PresetManagerCreateGroupMenuItem")},
        {createPresetCommand, QStringLiteral("PresetManagerCreatePresetMenuItem")},
        {duplicateCommand, QStringLiteral("PresetManagerDuplicateMenuItem")},
        {deleteCommand, QStringLiteral("PresetManagerDeleteMenuItem")},
        {importCommand, QStringLiteral("PresetManagerImportMenuItem")},
        {exportCommand, QStringLiteral("PresetManagerExportMenuItem")},
        {pasteCommand, QStringLiteral("PresetManagerPasteMenuItem")},
        {searchLocationCommand, QStringLiteral("PresetManagerSearchLocationMenuItem")},
        {editCommand, QStringLiteral("PresetManagerEditMenuItem")},
    });
    createMenu_->addAction(commandAction(createGroupCommand));
    createMenu_->addAction(commandAction(createPresetCommand));
    createMenu_->addAction(commandAction(duplicateCommand));
    fileMenu_->addAction(commandAction(importCommand));
    fileMenu_->addAction(commandAction(exportCommand));
    outlineMenu_->addAction(commandAction(createPresetCommand));
    outlineMenu_->addAction(commandAction(duplicateCommand));
    outlineMenu_->addAction(commandAction(deleteCommand));

    groupsViewController_ = new PresetGroupsViewController(manager_);
    brisa::FilledSubview::setFilledSubview(ui_->mainLeftContainerView, groupsViewController_);
    groupsViewController_->setRowMenu(outlineMenu_);
    editionsViewController_ = new PresetEditionsViewController(manager_, *this);
    brisa::FilledSubview::setFilledSubview(ui_->mainRightContainerView, editionsViewController_);
    ui_->splitView->setStretchFactor(1, 1);
    // A drop moves a group or a preset: saved as every other change.
    connect(groupsViewController_->model(), &PresetGroupsModel::itemMoved, this, [this] { saveLibrary(); });
    // Delete removes the selected rows while the outline has the focus; in the table it removes
    // entries, and in a sheet it stays the fields'.
    auto* deleteKey = new QAction(this);
    deleteKey->setShortcuts({QKeySequence(QKeySequence::Delete), QKeySequence(Qt::Key_Backspace)});
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    connect(deleteKey, &QAction::triggered, this, [this] { performCommand(deleteCommand); });
    groupsViewController_->outlineView()->addAction(deleteKey);

    installToolbar();
    setUpToolbarItems();
    setUpTouchBar();
    groupsViewController_->outlineView()->setFocus();

    managerDidChangeGroupsSubscriber_.subscribe(halvex::PresetManager::didChangeGroupsNotification, &manager_,
                                                [this](const brisa::Notification&) { updateInterface(); });
    presetsSubscriber_.subscribe(PresetGroup::didChangePresetsNotification, nullptr,
                                 [this](const brisa::Notification&) { updateInterface(); });
    updateInterface();
}

PresetManagerWindowController::~PresetManagerWindowController()
{
    managerDidChangeGroupsSubscriber_.unsubscribe();
    presetsSubscriber_.unsubscribe();
    if (sharedController == this)
        sharedController = nullptr;
}

QWidget* PresetManagerWindowController::placeholderView() const
{
    return ui_->placeholderView;
}

void PresetManagerWindowController::setUpToolbarItems()
{
    using Container = brisa::DynamicToolbarItemContainer;
    brisa::DynamicToolbarItemSet& set = dynamicToolbar().addItemSet({});
    set.addItem(Container::MenuButtonSettings{localizedString(QStringLiteral("PresetManagerWindowToolbarCreate")),
                                              QStringLiteral("plus"), createMenu_, true});
    addToolbarCommand(set, QStringLiteral("PresetManagerWindowToolbarDelete"), QStringLiteral("minus"), deleteCommand, true);
    set.addItem(brisa::DynamicToolbarItem::flexibleSpaceIdentifier);
    addToolbarCommand(set, QStringLiteral("PresetManagerWindowToolbarEdit"), QStringLiteral("square.and.pencil"), editCommand);
    addToolbarCommand(set, QStringLiteral("EditorWindowToolbarFindLocation"), QStringLiteral("mappin.and.ellipse"),
                      searchLocationCommand);
    addToolbarCommand(set, QStringLiteral("PresetManagerWindowToolbarPaste"), QStringLiteral("list.bullet.clipboard"),
                      pasteCommand);
    set.addItem(Container::MenuButtonSettings{localizedString(QStringLiteral("PresetManagerWindowToolbarFiles")),
                                              QStringLiteral("doc.badge.ellipsis"), fileMenu_});
    addToolbarHelpMenu(set, QStringLiteral("PresetManagerWindowToolbarHelp"));
}

void PresetManagerWindowController::setUpTouchBar()
{
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar().addItemSet({});
    addTouchBarCommand(items, QStringLiteral("folder.badge.plus"), createGroupCommand);
    addTouchBarCommand(items, QStringLiteral("bolt"), createPresetCommand);
}

void PresetManagerWindowController::updateInterface()
{
    qsizetype presets = 0;
    for (const PresetGroupPtr& group : manager_.groups())
        presets += group->presets().size();
    setTitles(localizedString(QStringLiteral("PresetManagerWindowTitle")),
              localizedString(QStringLiteral("PresetManagerPresetCount"), {presets}));
    // With no group the panes have nothing to show: the placeholder stands alone.
    ui_->placeholderView->setVisible(manager_.groups().isEmpty());
    ui_->splitView->setVisible(!manager_.groups().isEmpty());
    refreshCommands();
}

// Commands

EquatableObjectPtr PresetManagerWindowController::firstSelectedObject() const
{
    return manager_.selectedObjects().value(0);
}

PresetItemPtr PresetManagerWindowController::firstSelectedPreset() const
{
    return std::dynamic_pointer_cast<PresetItem>(firstSelectedObject());
}

bool PresetManagerWindowController::validateCommand(const QString& command) const
{
    const bool hasSelection = !manager_.selectedObjects().isEmpty();
    if (command == createGroupCommand || command == createPresetCommand || command == importCommand)
        return true;
    if (command == duplicateCommand || command == deleteCommand || command == exportCommand)
        return hasSelection;
    if (command == pasteCommand)
        return firstSelectedPreset() && !pasteboardEntries().isEmpty();
    if (command == searchLocationCommand)
        return bool(firstSelectedPreset());
    if (command == editCommand)
        return editionsViewController_ && editionsViewController_->canEditSelectedEntries();
    return false;
}

void PresetManagerWindowController::performCommand(const QString& command)
{
    if (!validateCommand(command))
        return;
    if (command == createGroupCommand) {
        createGroup();
    } else if (command == createPresetCommand) {
        createPreset(firstSelectedObject());
    } else if (command == duplicateCommand) {
        duplicate(firstSelectedObject());
    } else if (command == deleteCommand) {
        const QList<EquatableObjectPtr> selected = manager_.selectedObjects();
        for (auto it = selected.crbegin(); it != selected.crend(); ++it)
            deleteItem(*it);
    } else if (command == importCommand) {
        chooseImportFile();
    } else if (command == exportCommand) {
        chooseExportFile();
    } else if (command == pasteCommand) {
        pasteMultipleTags();
    } else if (command == searchLocationCommand) {
        searchLocation();
    } else if (command == editCommand) {
        editionsViewController_->editSelectedEntries();
    }
    updateInterface();
}

bool PresetManagerWindowController::saveLibrary()
{
    try {
        manager_.save();
        return true;
    } catch (const halvex::LibraryError& error) {
        PresetFailureAlert::show(this, QStringLiteral("PresetManagerSaveDidFail"), libraryErrorText(error));
        return false;
    }
}

void PresetManagerWindowController::createGroup()
{
    manager_.insertGroups({std::make_shared<PresetGroup>(QString(), QString(), QList<PresetItemPtr>())},
                          int(manager_.groups().size()));
    saveLibrary();
}

void PresetManagerWindowController::createPreset(const EquatableObjectPtr& relativeTo)
{
    PresetGroupPtr group = std::dynamic_pointer_cast<PresetGroup>(relativeTo);
    if (const auto* preset = dynamic_cast<const PresetItem*>(relativeTo.get())) {
        for (const PresetGroupPtr& candidate : manager_.groups()) {
            if (candidate->contains(preset)) {
                group = candidate;
                break;
            }
        }
    }
    const auto preset = std::make_shared<PresetItem>(QString(), QString(), QList<PresetItem::Entry>());
    if (group && manager_.contains(group.get()))
        group->insertPresets({preset}, int(group->presets().size()));
    else
        manager_.insertGroups({std::make_shared<PresetGroup>(QString(), QString(), QList<PresetItemPtr>{preset})},
                              int(manager_.groups().size()));
    manager_.setSelectedObjects({preset});
    saveLibrary();
}

void PresetManagerWindowController::duplicate(const EquatableObjectPtr& item)
{
    if (const auto group = std::dynamic_pointer_cast<PresetGroup>(item)) {
        const int index = int(manager_.groups().indexOf(group));
        manager_.insertGroups({std::make_shared<PresetGroup>(*group)}, std::max(index, 0));
    } else if (const auto preset = std::dynamic_pointer_cast<PresetItem>(item)) {
        for (const PresetGroupPtr& candidate : manager_.groups()) {
            const int index = int(candidate->presets().indexOf(preset));
            if (index >= 0)
                candidate->insertPresets({std::make_shared<PresetItem>(*preset)}, index);
        }
    }
    saveLibrary();
}

void PresetManagerWindowController::deleteItem(const EquatableObjectPtr& item)
{
    if (const auto group = std::dynamic_pointer_cast<PresetGroup>(item)) {
        const int index = int(manager_.groups().indexOf(group));
        if (index >= 0)
            manager_.removeGroups(brisa::IndexSet{index});
    } else if (const auto preset = std::dynamic_pointer_cast<PresetItem>(item)) {
        for (const PresetGroupPtr& candidate : manager_.groups()) {
            const int index = int(candidate->presets().indexOf(preset));
            if (index >= 0)
                candidate->removePresets(brisa::IndexSet{index});
        }
    }
    saveLibrary();
}

// Files

void PresetManagerWindowController::chooseImportFile()
{
    auto* panel = new QFileDialog(this, localizedString(QStringLiteral("PresetManagerImportPanelTitle")), {},
                                  presetsFileFilter());
    panel->setObjectName(QStringLiteral("importPresetsPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFile);
    panel->setAcceptMode(QFileDialog::AcceptOpen);
    connect(panel, &QFileDialog::fileSelected, this, &PresetManagerWindowController::importPresets);
    panel->open();
}

void PresetManagerWindowController::chooseExportFile()
{
    auto* panel = new QFileDialog(this, localizedString(QStringLiteral("PresetManagerExportPanelTitle")), {},
                                  presetsFileFilter());
    panel->setObjectName(QStringLiteral("exportPresetsPanel"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setAcceptMode(QFileDialog::AcceptSave);
    panel->setDefaultSuffix(halvex::PresetFile::presetsFileExtension);
    panel->selectFile(localizedString(QStringLiteral("PresetManagerDefaultExportFilename")));
    connect(panel, &QFileDialog::fileSelected, this, &PresetManagerWindowController::exportPresets);
    panel->open();
}

void PresetManagerWindowController::importPresets(const QString& path)
{
    QList<PresetGroupPtr> groups;
    try {
        groups = halvex::PresetFile::from(path).groups();
    } catch (const halvex::LibraryError& error) {
        PresetFailureAlert::show(this, QStringLiteral("PresetManagerImportDidFail"), libraryErrorText(error));
        return;
    }
    if (groups.isEmpty())
        return;
    manager_.insertGroups(groups, int(manager_.groups().size()));
    saveLibrary();
}

void PresetManagerWindowController::exportPresets(const QString& path)
{
    QList<PresetGroupPtr> groups;
    QList<PresetItemPtr> presets;
    for (const EquatableObjectPtr& object : manager_.selectedObjects()) {
        if (const auto group = std::dynamic_pointer_cast<PresetGroup>(object))
            groups.append(group);
        else if (const auto preset = std::dynamic_pointer_cast<PresetItem>(object))
            presets.append(preset);
    }
    if (groups.isEmpty() && !presets.isEmpty())
        groups = {std::make_shared<PresetGroup>(QString(), QString(), presets)};
    if (groups.isEmpty())
        return;
    // The groups form whatever the name: a preset file of several groups is read back whole.
    QString target = path;
    if (QFileInfo(target).suffix().compare(halvex::PresetFile::presetsFileExtension, Qt::CaseInsensitive) != 0)
        target += QLatin1Char('.') + halvex::PresetFile::presetsFileExtension;
    try {
        // The file is replaced only once the new one is whole: a failure keeps the old one.
        halvex::PresetFile(groups).exportTo(target);
    } catch (const halvex::LibraryError& error) {
        PresetFailureAlert::show(this, QStringLiteral("PresetManagerExportDidFail"), libraryErrorText(error));
    }
}

// Entries

QList<PresetItem::Entry> PresetManagerWindowController::pasteboardEntries()
{
    const halvex::TagPasteboard::CopiedTags copied = halvex::TagPasteboard::shared().copiedTags();
    QList<ostrak::TagName> names = copied.keys();
    std::sort(names.begin(), names.end(), [](const ostrak::TagName& a, const ostrak::TagName& b) {
        return a.group() != b.group() ? a.group() < b.group() : a.name() < b.name();
    });
    QList<PresetItem::Entry> entries;
    using Action = halvex::UseCustomActionSettings::Action;
    for (const ostrak::TagName& name : names) {
        const std::optional<QString>& value = copied.value(name);
        halvex::PresetEdition edition;
        if (value == halvex::TagValueRestore)
            edition = halvex::PresetEdition::useCustomAction({Action::restoreOriginal});
        else if (!value || value == halvex::TagValueClear)
            edition = halvex::PresetEdition::useCustomAction({Action::remove});
        else
            edition = halvex::PresetEdition::useCustomValue({*value, halvex::PresetValueInsertion::replace});
        entries.append(PresetItem::Entry(name, edition));
    }
    return entries;
}

void PresetManagerWindowController::pasteMultipleTags()
{
    const PresetItemPtr preset = firstSelectedPreset();
    const QList<PresetItem::Entry> entries = pasteboardEntries();
    if (!preset || entries.isEmpty())
        return;
    preset->insertEntries(entries, int(preset->entries().size()));
    saveLibrary();
}

void PresetManagerWindowController::searchLocation()
{
    if (!firstSelectedPreset())
        return;
    auto* sheet = new FindLocationWindowController(this);
    sheet->setObjectName(QStringLiteral("findLocationSheet"));
    const QPointer<FindLocationWindowController> weakSheet(sheet);
    const bool presented = brisa::SheetPresenter::presentSheet(this, sheet, [this, weakSheet](int returnCode) {
        if (weakSheet) {
            if (returnCode == 1 && weakSheet->location())
                appendLocationEntries(*weakSheet->location());
            weakSheet->deleteLater();
        }
    });
    if (!presented)
        delete sheet;
}

void PresetManagerWindowController::appendLocationEntries(const halvex::Location& location)
{
    const PresetItemPtr preset = firstSelectedPreset();
    if (!preset)
        return;
    QList<PresetItem::Entry> entries;
    for (const auto& [name, text] : halvex::locationTagValues(location))
        entries.append(PresetItem::Entry(
            name, halvex::PresetEdition::useCustomValue({text, halvex::PresetValueInsertion::replace})));
    if (entries.isEmpty())
        return;
    preset->modifyEntries([&](QList<PresetItem::Entry>& list) { list.append(entries); });
    saveLibrary();
}

// Sheets

bool PresetManagerWindowController::canEditEntry() const
{
    return !editWindowController_ && firstSelectedPreset();
}

void PresetManagerWindowController::presentEditSheet(QDialog* sheet)
{
    editWindowController_ = sheet;
    const QPointer<QDialog> weakSheet(sheet);
    const bool presented = brisa::SheetPresenter::presentSheet(this, sheet, [this, weakSheet](int returnCode) {
        if (returnCode == 1)
            saveLibrary();
        if (weakSheet)
            weakSheet->deleteLater();
        editWindowController_ = nullptr;
        updateInterface();
    });
    if (!presented) {
        delete sheet;
        editWindowController_ = nullptr;
    }
    updateInterface();
}

void PresetManagerWindowController::editProperty(const PresetEditableProperty& property)
{
    const EquatableObjectPtr item = firstSelectedObject();
    if (editWindowController_ || !item)
        return;
    PresetEditPropertyWindowController* sheet = nullptr;
    if (property.sheet() == PresetEditableProperty::Sheet::name)
        sheet = new PresetEditNameWindowController(this);
    else if (property.sheet() == PresetEditableProperty::Sheet::description)
        sheet = new PresetEditDescriptionWindowController(this);
    if (property.sheet() == PresetEditableProperty::Sheet::entry) {
        // An entry row edits the entry itself.
        if (const PresetItemPtr preset = firstSelectedPreset(); preset && property.entry()) {
            const int row = int(preset->entries().indexOf(*property.entry()));
            editEntry(row >= 0 ? std::optional(row) : std::nullopt);
        }
        return;
    }
    if (!sheet)
        return;
    sheet->setItem(std::dynamic_pointer_cast<halvex::PresetLibraryObject>(item));
    presentEditSheet(sheet);
}

void PresetManagerWindowController::editEntry(std::optional<int> entryRow)
{
    if (!canEditEntry())
        return;
    auto* sheet = new PresetEditEditionWindowController(this);
    sheet->setCache(PresetEditionCache(firstSelectedPreset(), entryRow));
    sheet->setPresetManagerWindowController(this);
    presentEditSheet(sheet);
}

} // namespace corvelle
