#include "app/MainMenu.h"

#include "platform/brisa/ui/MenuMnemonics.h"
#include "platform/brisa/ui/MenuTree.h"
#include "presets/PresetPopUpMenu.h"
#include "tags/SectionPopUpMenu.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include <QHash>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace corvelle {

const QString MainMenu::copyTagsSectionMenuIdentifier = QStringLiteral("CopyTagsSectionPopUpMenu");
const QString MainMenu::restoreTagsSectionMenuIdentifier = QStringLiteral("RestoreTagsSectionPopUpMenu");
const QString MainMenu::clearTagsSectionMenuIdentifier = QStringLiteral("ClearTagsSectionPopUpMenu");
const QString MainMenu::csvExportTagsSectionMenuIdentifier = QStringLiteral("CSVExportTagsSectionPopUpMenu");
const QString MainMenu::presetsMenuIdentifier = QStringLiteral("PresetsPopUpMenu");

MainMenu::MainMenu(Validator validator, Performer performer, QObject* parent)
    : QObject(parent), validator_(std::move(validator)), performer_(std::move(performer))
{
    buildApplicationMenu();
    buildFileMenu();
    buildEditMenu();
    buildTagsMenu();
    buildImageMenu();
    buildDateMenu();
    buildLocationMenu();
    buildPresetsMenu();
    buildViewMenu();
    buildWindowMenu();
    buildHelpMenus();
    // Alt mnemonics, unique within each menu. The application menu's titles come at launch:
    // its items get theirs when it opens.
    QList<QAction*> titles;
    for (QMenu* menu : std::as_const(menus_)) {
        if (menu->menuAction() == appNameMenuItem_)
            continue;
        titles << menu->menuAction();
        brisa::MenuMnemonics::assignTree(menu);
    }
    brisa::MenuMnemonics::assign(titles);
    qApp->installEventFilter(this);
}

MainMenu::~MainMenu()
{
    qDeleteAll(menus_);
    delete toolbarItemHelpMenu_;
}

void MainMenu::attach(QMenuBar* bar) const
{
    for (QMenu* menu : menus_)
        bar->addMenu(menu);
}

QString MainMenu::titleKey(const QString& command)
{
    QString name = command;
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return QStringLiteral("MainMenu") + name;
}

QList<QAction*> MainMenu::items() const
{
    QList<QAction*> found;
    for (QMenu* top : menus_) {
        for (QMenu* menu : brisa::MenuTree::allMenus(top)) {
            for (QAction* action : menu->actions()) {
                if (!action->objectName().isEmpty() && !found.contains(action))
                    found << action;
            }
        }
    }
    return found;
}

QAction* MainMenu::item(const QString& command) const
{
    for (QAction* action : items()) {
        if (action->objectName() == command)
            return action;
    }
    return nullptr;
}

QMenu* MainMenu::menu(const QString& identifier) const
{
    for (QMenu* top : menus_) {
        for (QMenu* menu : brisa::MenuTree::allMenus(top)) {
            if (menu->objectName() == identifier)
                return menu;
        }
    }
    return nullptr;
}

QAction* MainMenu::makeItem(const QString& command, const QString& titleKey, QObject* parent)
{
    auto* action = new QAction(localizedString(titleKey), parent);
    action->setObjectName(command);
    connect(action, &QAction::triggered, this, [this, action] { performer_(action); });
    return action;
}

void MainMenu::adopt(const QList<QAction*>& actions)
{
    QHash<QString, QAction*> byName;
    for (QAction* action : actions) {
        if (!action->objectName().isEmpty())
            byName.insert(action->objectName(), action);
    }
    for (QMenu* top : std::as_const(menus_))
        brisa::MenuTree::shareItems(top, [&byName](const QString& name) { return byName.value(name); }, true);
}

void MainMenu::validate(QMenu* menu) const
{
    for (QAction* action : menu->actions()) {
        if (!action->objectName().isEmpty())
            action->setEnabled(validator_(action));
    }
}

void MainMenu::validateItemsWithShortcuts() const
{
    for (QAction* action : items()) {
        if (!action->shortcut().isEmpty())
            action->setEnabled(validator_(action));
    }
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event)
{
    // Sent before a key press is matched against the shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            validateItemsWithShortcuts();
    }
    return QObject::eventFilter(watched, event);
}

void MainMenu::watch(QMenu* menu)
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        validate(menu);
        // Items made or titled since (the presets, the sections, the application's own).
        brisa::MenuMnemonics::assign(menu->actions());
    });
}

QMenu* MainMenu::addMenu(const QString& titleKey, QMenu* menu)
{
    if (!menu)
        menu = new QMenu;
    menu->setTitle(titleKey.isEmpty() ? QString() : localizedString(titleKey));
    watch(menu);
    menus_ << menu;
    return menu;
}

QMenu* MainMenu::addSubmenu(QMenu* parent, const QString& titleKey, const QString& identifier, QMenu* menu)
{
    if (menu) {
        menu->setTitle(localizedString(titleKey));
        parent->addMenu(menu);
    } else {
        menu = parent->addMenu(localizedString(titleKey));
    }
    menu->setObjectName(identifier);
    watch(menu);
    return menu;
}

QAction* MainMenu::addItem(QMenu* menu, const QString& command, const QKeySequence& shortcut)
{
    QAction* action = makeItem(command, titleKey(command), menu);
    action->setShortcut(shortcut);
    menu->addAction(action);
    return action;
}

QAction* MainMenu::addApplicationItem(QMenu* menu, const QString& command, const QKeySequence& shortcut)
{
    QAction* action = addItem(menu, command, shortcut);
    action->setShortcutContext(Qt::ApplicationShortcut);
    return action;
}

// The application menu's titles are set at launch, with the application's name.
void MainMenu::buildApplicationMenu()
{
    QMenu* menu = addMenu(QString());
    appNameMenuItem_ = menu->menuAction();
    aboutAppMenuItem_ = addApplicationItem(menu, QStringLiteral("orderFrontStandardAboutPanel:"));
    menu->addSeparator();
    preferencesMenuItem_ = addApplicationItem(menu, QStringLiteral("openPreferences:"), QKeySequence(QStringLiteral("Ctrl+,")));
    menu->addSeparator();
    hideAppMenuItem_ = addApplicationItem(menu, QStringLiteral("hide:"), QKeySequence(QStringLiteral("Ctrl+H")));
    menu->addSeparator();
    quitAppMenuItem_ = addApplicationItem(menu, QStringLiteral("terminate:"), QKeySequence::Quit);
    for (QAction* action : {aboutAppMenuItem_, hideAppMenuItem_, quitAppMenuItem_})
        action->setText(QString());
}

void MainMenu::buildFileMenu()
{
    QMenu* menu = addMenu(QStringLiteral("MainMenuFileMenu"));
    addItem(menu, QStringLiteral("openFilesInFinder:"), QKeySequence::Open);
    addItem(menu, QStringLiteral("openFilesInPhotos:"), QKeySequence(QStringLiteral("Ctrl+Shift+O")));
    menu->addSeparator();
    addItem(menu, QStringLiteral("saveSelectedFiles:"), QKeySequence::Save);
    addItem(menu, QStringLiteral("saveAllEditedFiles:"), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    addItem(menu, QStringLiteral("reloadSelectedFiles:"), QKeySequence(QStringLiteral("Ctrl+R")));
    addItem(menu, QStringLiteral("restoreSelectedFiles:"));
    menu->addSeparator();
    addItem(menu, QStringLiteral("removeSelectedFiles:"), QKeySequence(QStringLiteral("Ctrl+Backspace")));
    addItem(menu, QStringLiteral("removeAllFiles:"));
    menu->addSeparator();

    QMenu* selection = addSubmenu(menu, QStringLiteral("MainMenuSelectFilesMenu"));
    addItem(selection, QStringLiteral("selectPreviousFile:"), QKeySequence(QStringLiteral("Ctrl+[")));
    addItem(selection, QStringLiteral("selectNextFile:"), QKeySequence(QStringLiteral("Ctrl+]")));
    selection->addSeparator();
    addItem(selection, QStringLiteral("selectAllFiles:"));
    addItem(selection, QStringLiteral("deselectAllFiles:"));
    addItem(selection, QStringLiteral("invertFileSelection:"));
    selection->addSeparator();
    addItem(selection, QStringLiteral("showFileSelectPanel:"));

    QMenu* sorting = addSubmenu(menu, QStringLiteral("MainMenuSortFilesMenu"));
    addItem(sorting, QStringLiteral("sortFilesUsingAscendingFilename:"));
    addItem(sorting, QStringLiteral("sortFilesUsingDescendingFilename:"));
    addItem(sorting, QStringLiteral("sortFilesUsingAscendingPath:"));
    addItem(sorting, QStringLiteral("sortFilesUsingDescendingPath:"));
    sorting->addSeparator();
    addItem(sorting, QStringLiteral("showFileSortPanel:"));

    addItem(menu, QStringLiteral("showFolderSettingsPanel:"));
    menu->addSeparator();
    addItem(menu, QStringLiteral("inspectSelectedFiles:"), QKeySequence(QStringLiteral("Ctrl+I")));
    addItem(menu, QStringLiteral("uninspectSelectedFiles:"));
    addItem(menu, QStringLiteral("revealSelectedFilesInFinder:"));
    menu->addSeparator();

    QMenu* importing = addSubmenu(menu, QStringLiteral("MainMenuImportMenu"));
    addItem(importing, QStringLiteral("importTagsWithFastOptions:"));
    addItem(importing, QStringLiteral("importTagsWithTagOptions:"));
    addItem(importing, QStringLiteral("importTagsWithStreamOptions:"));
    importing->addSeparator();
    for (const char* command : {"importEXIFSidecar:", "importMIESidecar:", "importEXVSidecar:", "importICCSidecar:",
                                "importVRDSidecar:", "importXMPSidecar:"})
        addItem(importing, QString::fromLatin1(command));
    addItem(importing, QStringLiteral("importCopiesSidecar:"));
    importing->addSeparator();
    addItem(importing, QStringLiteral("importCSVTable:"));

    QMenu* exporting = addSubmenu(menu, QStringLiteral("MainMenuExportMenu"));
    QMenu* toFolder = addSubmenu(exporting, QStringLiteral("MainMenuExportTagsToFolderMenu"));
    for (const char* command : {"exportTagsToEXIFSidecar:", "exportTagsToMIESidecar:", "exportTagsToEXVSidecar:",
                                "exportTagsToICCSidecar:", "exportTagsToVRDSidecar:", "exportTagsToXMPSidecar:",
                                "exportTagsToCSVSidecar:", "exportTagsToJSONSidecar:"})
        addItem(toFolder, QString::fromLatin1(command));
    QMenu* besideFiles = addSubmenu(exporting, QStringLiteral("MainMenuExportSidecarsMenu"));
    for (const char* command : {"exportEXIFSidecar:", "exportMIESidecar:", "exportEXVSidecar:", "exportICCSidecar:",
                                "exportVRDSidecar:", "exportXMPSidecar:"})
        addItem(besideFiles, QString::fromLatin1(command));
    exporting->addSeparator();
    addItem(exporting, QStringLiteral("exportCSVTableWithAllTags:"));
    addSubmenu(exporting, QStringLiteral("MainMenuExportCSVTableWithSectionMenu"), csvExportTagsSectionMenuIdentifier,
               new SectionPopUpMenu({}, exporting));
    addItem(exporting, QStringLiteral("exportCSVTableWithOptions:"));
    exporting->addSeparator();
    addItem(exporting, QStringLiteral("exportFilesToPhotosApp:"));
    addItem(exporting, QStringLiteral("transferFilesToLindmere:"));

    menu->addSeparator();
    addApplicationItem(menu, QStringLiteral("performClose:"), QKeySequence::Close);
}

void MainMenu::buildEditMenu()
{
    QMenu* menu = addMenu(QStringLiteral("MainMenuEditMenu"));
    addItem(menu, QStringLiteral("undo:"), QKeySequence::Undo);
    addItem(menu, QStringLiteral("redo:"), QKeySequence::Redo);
    menu->addSeparator();
    addItem(menu, QStringLiteral("cut:"), QKeySequence::Cut);
    addItem(menu, QStringLiteral("copy:"), QKeySequence::Copy);
    addItem(menu, QStringLiteral("paste:"), QKeySequence::Paste);
    addItem(menu, QStringLiteral("delete:"));
    menu->addSeparator();
    addItem(menu, QStringLiteral("selectAll:"), QKeySequence::SelectAll);
    addItem(menu, QStringLiteral("deselectAll:"), QKeySequence(QStringLiteral("Ctrl+Shift+A")));
}

void MainMenu::buildTagsMenu()
{
    QMenu* menu = addMenu(QStringLiteral("MainMenuTagsMenu"));

    QMenu* value = addSubmenu(menu, QStringLiteral("MainMenuSelectedValueMenu"));
    addItem(value, QStringLiteral("editSelectedTableValue:"), QKeySequence(QStringLiteral("Ctrl+E")));
    addItem(value, QStringLiteral("quickActionSelectedTableValue:"));
    addItem(value, QStringLiteral("rawEditSelectedTableValue:"));
    value->addSeparator();
    addItem(value, QStringLiteral("restoreSelectedTableValue:"));
    addItem(value, QStringLiteral("clearSelectedTableValue:"));
    addItem(value, QStringLiteral("forceSelectedTableValue:"));
    value->addSeparator();
    addItem(value, QStringLiteral("copySelectedTableValue:"));
    addItem(value, QStringLiteral("cutSelectedTableValue:"));
    addItem(value, QStringLiteral("pasteSelectedTableValue:"));
    menu->addSeparator();

    // Restore, clear and copy, each over the four tag families, the selected and the displayed
    // rows, a section, chosen streams and all streams.
    struct Family {
        const char* menuKey;
        const char* verb;
        const QString& sectionMenu;
    };
    for (const Family& family : {Family{"MainMenuRestoreTagsMenu", "restore", restoreTagsSectionMenuIdentifier},
                                 Family{"MainMenuClearTagsMenu", "clear", clearTagsSectionMenuIdentifier},
                                 Family{"MainMenuCopyTagsMenu", "copy", copyTagsSectionMenuIdentifier}}) {
        QMenu* submenu = addSubmenu(menu, QString::fromLatin1(family.menuKey));
        const QString verb = QString::fromLatin1(family.verb);
        for (const char* scope : {"EXIFTags:", "IPTCTags:", "XMPTags:", "QuicktimeTags:"})
            addItem(submenu, verb + QLatin1String(scope));
        submenu->addSeparator();
        addItem(submenu, verb + QStringLiteral("SelectedTags:"));
        addItem(submenu, verb + QStringLiteral("DisplayedTags:"));
        submenu->addSeparator();
        QString sectionKey = verb;
        sectionKey[0] = sectionKey[0].toUpper();
        addSubmenu(submenu, QStringLiteral("MainMenu") + sectionKey + QStringLiteral("ChosenSectionMenu"), family.sectionMenu,
                   new SectionPopUpMenu({}, submenu));
        addItem(submenu, verb + QStringLiteral("ChosenStreams:"));
        addItem(submenu, verb + QStringLiteral("AllStreams:"));
    }

    QMenu* paste = addSubmenu(menu, QStringLiteral("MainMenuPasteTagsMenu"));
    addItem(paste, QStringLiteral("pasteAndMergeTags:"), QKeySequence(QStringLiteral("Ctrl+Shift+V")));
    addItem(paste, QStringLiteral("clearAndPasteTags:"));

    QMenu* blocks = addSubmenu(menu, QStringLiteral("MainMenuDeleteStreamBlocksMenu"));
    for (const char* command : {"deleteEXIFStreamBlock:", "deleteIPTCStreamBlock:", "deleteXMPStreamBlock:",
                                "deleteQuicktimeStreamBlock:"})
        addItem(blocks, QString::fromLatin1(command));
    blocks->addSeparator();
    addItem(blocks, QStringLiteral("deleteChosenStreamBlock:"));
    addItem(blocks, QStringLiteral("deleteAllStreamBlocks:"));
    menu->addSeparator();

    addItem(menu, QStringLiteral("syncSelectedDateTags:"));
    addItem(menu, QStringLiteral("syncDisplayedDateTags:"));
    menu->addSeparator();

    QMenu* selection = addSubmenu(menu, QStringLiteral("MainMenuTagSelectionMenu"));
    addItem(selection, QStringLiteral("selectPreviousTags:"));
    addItem(selection, QStringLiteral("selectNextTags:"));
    selection->addSeparator();
    addItem(selection, QStringLiteral("selectAllTags:"));
    addItem(selection, QStringLiteral("deselectAllTags:"));
    addItem(selection, QStringLiteral("invertTagSelection:"));
    addItem(selection, QStringLiteral("selectDateTags:"));
    addItem(menu, QStringLiteral("showTagSelectPanel:"));
    addItem(menu, QStringLiteral("showTagFilterPanel:"));
    addItem(menu, QStringLiteral("showTagManagePanel:"));
    addItem(menu, QStringLiteral("showSyncFolderTagsPanel:"));
    menu->addSeparator();
    addItem(menu, QStringLiteral("downloadVideoInfo:"));
    addItem(menu, QStringLiteral("deleteItunMoviPlist:"));
}

void MainMenu::buildImageMenu()
{
    QMenu* menu = addMenu(QStringLiteral("MainMenuImageMenu"));
    addItem(menu, QStringLiteral("rotateLeft:"));
    addItem(menu, QStringLiteral("rotateRight:"));
    addItem(menu, QStringLiteral("horizontalFlip:"));
    addItem(menu, QStringLiteral("verticalFlip:"));
    QMenu* exif = addSubmenu(menu, QStringLiteral("MainMenuEXIFOrientationMenu"));
    for (const char* command : {"exifRotateLeft:", "exifRotateRight:", "exifHorizontalFlip:", "exifVerticalFlip:"})
        addItem(exif, QString::fromLatin1(command));
    QMenu* quicktime = addSubmenu(menu, QStringLiteral("MainMenuQuickTimeOrientationMenu"));
    for (const char* command :
         {"quicktimeRotateLeft:", "quicktimeRotateRight:", "quicktimeHorizontalFlip:", "quicktimeVerticalFlip:"})
        addItem(quicktime, QString::fromLatin1(command));
    menu->addSeparator();
    addItem(menu, QStringLiteral("restoreEXIFThumbnail:"));
    addItem(menu, QStringLiteral("clearEXIFThumbnail:"));
    addItem(menu, QStringLiteral("exportEXIFThumbnail:"));
    addItem(menu, QStringLiteral("exportJPGFromRaw:"));
    menu->addSeparator();
    addItem(menu, QStringLiteral("editQuicktimeCovertArt:"));
}

void MainMenu::buildDateMenu()
{
    QMenu* menu = addMenu(QStringLiteral("MainMenuDateMenu"));
    addItem(menu, QStringLiteral("updateAllDates:"));
    addItem(menu, QStringLiteral("syncAllDates:"));
}

void MainMenu::buildLocationMenu()
{
    QMenu* menu = addMenu(QStringLiteral("MainMenuLocationMenu"));
    addItem(menu, QStringLiteral("searchLocation:"), QKeySequence(QStringLiteral("Ctrl+L")));
    addItem(menu, QStringLiteral("importLocation:"));
    addItem(menu, QStringLiteral("restoreLocation:"));
    addItem(menu, QStringLiteral("clearLocation:"));
    menu->addSeparator();
    addItem(menu, QStringLiteral("cutLocationTags:"));
    addItem(menu, QStringLiteral("copyLocationTags:"));
    addItem(menu, QStringLiteral("pasteLocationTags:"));
    menu->addSeparator();

    QMenu* coordinates = addSubmenu(menu, QStringLiteral("MainMenuCoordinatesMenu"));
    addItem(coordinates, QStringLiteral("copyCoordinates:"));
    for (const char* command : {"copyCoordinatesDDddddd:", "copyCoordinatesPreDDMMmmm:", "copyCoordinatesPostDDMMSSs:",
                                "copyCoordinatesISO6709:"})
        addItem(coordinates, QString::fromLatin1(command));
    coordinates->addSeparator();
    addItem(coordinates, QStringLiteral("pasteCoordinates:"));

    QMenu* exif = addSubmenu(menu, QStringLiteral("MainMenuEXIFLocationMenu"));
    for (const char* command : {"copyEXIFGPSCoordinate:", "pasteEXIFGPSCoordinate:", "importEXIFGPSCoordinate:"})
        addItem(exif, QString::fromLatin1(command));
    exif->addSeparator();
    for (const char* command :
         {"copyEXIFGPSLocationTags:", "pasteEXIFGPSLocationTags:", "restoreEXIFGPSLocation:", "clearEXIFGPSLocation:"})
        addItem(exif, QString::fromLatin1(command));
    exif->addSeparator();
    for (const char* command : {"copyEXIFGPSStampTags:", "pasteEXIFGPSStampTags:", "restoreEXIFGPSStamp:",
                                "clearEXIFGPSStamp:", "syncEXIFGPSStamp:"})
        addItem(exif, QString::fromLatin1(command));

    QMenu* iptc = addSubmenu(menu, QStringLiteral("MainMenuIPTCLocationMenu"));
    addItem(iptc, QStringLiteral("copyIPTCLocationAddress:"));
    iptc->addSeparator();
    for (const char* command :
         {"copyIPTCLocationTags:", "pasteIPTCLocationTags:", "restoreIPTCLocation:", "clearIPTCLocation:"})
        addItem(iptc, QString::fromLatin1(command));

    QMenu* xmp = addSubmenu(menu, QStringLiteral("MainMenuXMPLocationMenu"));
    for (const char* command : {"copyXMPCoordinate:", "pasteXMPCoordinate:", "importXMPCoordinate:"})
        addItem(xmp, QString::fromLatin1(command));
    xmp->addSeparator();
    for (const char* command :
         {"copyXMPLocationTags:", "pasteXMPLocationTags:", "restoreXMPLocation:", "clearXMPLocation:"})
        addItem(xmp, QString::fromLatin1(command));

    QMenu* quicktime = addSubmenu(menu, QStringLiteral("MainMenuQuickTimeLocationMenu"));
    for (const char* command : {"copyQuicktimeCoordinate:", "pasteQuicktimeCoordinate:", "importQuicktimeCoordinate:"})
        addItem(quicktime, QString::fromLatin1(command));
    quicktime->addSeparator();
    for (const char* command : {"copyQuicktimeLocationTags:", "pasteQuicktimeLocationTags:",
                                "restoreQuicktimeLocation:", "clearQuicktimeLocation:"})
        addItem(quicktime, QString::fromLatin1(command));

    QMenu* autocomplete = addSubmenu(menu, QStringLiteral("MainMenuAutocompleteLocationMenu"));
    for (const char* command : {"autocompleteUsingEXIFCoordinate:", "autocompleteUsingXMPCoordinate:",
                                "autocompleteUsingQuickTimeCoordinate:", "autocompleteUsingIPTCAddress:",
                                "autocompleteUsingXMPAddress:"})
        addItem(autocomplete, QString::fromLatin1(command));
    menu->addSeparator();
    addItem(menu, QStringLiteral("importGeotags:"));
    addItem(menu, QStringLiteral("exportKMLGeotags:"));
    addItem(menu, QStringLiteral("exportGPXGeotags:"));
}

// Its fixed items and their target are put in at launch, once the preset library is loaded.
void MainMenu::buildPresetsMenu()
{
    addMenu(QStringLiteral("MainMenuPresetsMenu"), new PresetPopUpMenu)->setObjectName(presetsMenuIdentifier);
}

void MainMenu::buildViewMenu()
{
    QMenu* menu = addMenu(QStringLiteral("MainMenuViewMenu"));
    int digit = 1;
    for (const char* command :
         {"switchToPreviewSection:", "switchToTagsSection:", "switchToMapSection:", "switchToRawSection:"}) {
        QAction* action = addItem(menu, QString::fromLatin1(command), QKeySequence(QStringLiteral("Ctrl+%1").arg(digit++)));
        action->setCheckable(true);
    }
    menu->addSeparator();
    addItem(menu, QStringLiteral("toggleFileViewMode:"));
    addItem(menu, QStringLiteral("toggleAllColumnsInFileList:"));
    menu->addSeparator();
    addItem(menu, QStringLiteral("toggleEditingSidebar:"))->setCheckable(true);
    addItem(menu, QStringLiteral("enableEditingSidebar:"));
    addItem(menu, QStringLiteral("disableEditingSidebar:"));
    menu->addSeparator();
    addItem(menu, QStringLiteral("toggleQuickLook:"), QKeySequence(QStringLiteral("Ctrl+Y")))->setCheckable(true);
    addItem(menu, QStringLiteral("showQuicklook:"));
    addItem(menu, QStringLiteral("hideQuicklook:"));
    menu->addSeparator();
    addItem(menu, QStringLiteral("showTaskManager:"), QKeySequence(QStringLiteral("Ctrl+Alt+T")));
}

void MainMenu::buildWindowMenu()
{
    QMenu* menu = addMenu(QStringLiteral("MainMenuWindowMenu"));
    addApplicationItem(menu, QStringLiteral("performMiniaturize:"), QKeySequence(QStringLiteral("Ctrl+M")));
    menu->addSeparator();
    const struct {
        const char* show;
        const char* toggle;
        const char* shortcut;
    } windows[] = {
        {"showMetadataEditor:", "toggleMetadataEditor:", "Ctrl+0"},
        {"showPresetManager:", "togglePresetManager:", ""},
        {"showKeywordManager:", "toggleKeywordManager:", ""},
        {"showPhotosRemoteControl:", "togglePhotosRemoteControl:", ""},
    };
    for (const auto& window : windows) {
        addApplicationItem(menu, QString::fromLatin1(window.show), QKeySequence(QString::fromLatin1(window.shortcut)))
            ->setCheckable(true);
        addApplicationItem(menu, QString::fromLatin1(window.toggle))->setCheckable(true);
    }
}

void MainMenu::buildHelpMenus()
{
    QMenu* menu = addMenu(QStringLiteral("MainMenuHelpMenu"));
    helpAppMenuItem_ = addApplicationItem(menu, QStringLiteral("showHelp:"), QKeySequence::HelpContents);
    helpAppMenuItem_->setText(QString());

    toolbarItemHelpMenu_ = new QMenu;
    toolbarItemHelpMenu_->setObjectName(QStringLiteral("ToolbarItemHelpMenu"));
    watch(toolbarItemHelpMenu_);
    toolbarItemHelpMenu_->addAction(helpAppMenuItem_);
    toolbarItemHelpMenu_->addSeparator();
    toolbarItemHelpMenu_->addAction(aboutAppMenuItem_);
}

} // namespace corvelle
