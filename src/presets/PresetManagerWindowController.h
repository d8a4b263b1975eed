#pragma once

#include "engine/halvex/libraries/PresetManager.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "presets/PresetEditableProperty.h"
#include "widgets/LibraryWindowController.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <optional>


class QMenu;

namespace Ui {
class PresetManagerWindow;
}

namespace halvex {
class Location;
}

namespace corvelle {

class PresetEditionsViewController;
class PresetGroupsViewController;

// The preset library's window: the outline of groups and presets on the left, the properties and
// entries of the selected one on the right. Its commands act on the library's selection:
// "createGroup:", "createPreset:", "duplicateItem:", "deleteItem:", "importPresets:",
// "exportPresets:", "pasteMultipleTags:", "searchLocation:", "editEntries:"; each is a QAction
// named after it, held by the toolbar, its menus and the outline's row menu. One name,
// description or entry sheet is open at a time.
//
// The library is saved after every change made here (drags included); a save that fails shows
// an alert naming the file and the reason.
class PresetManagerWindowController : public LibraryWindowController {
    Q_OBJECT

public:
    // The application's one window, made on first use.
    static PresetManagerWindowController& shared();
    // The shared window when it was made; null before.
    static PresetManagerWindowController* existing();

    explicit PresetManagerWindowController(halvex::PresetManager& manager, QWidget* parent = nullptr);
    ~PresetManagerWindowController() override;

    halvex::PresetManager& manager() const { return manager_; }
    PresetGroupsViewController* groupsViewController() const { return groupsViewController_; }
    PresetEditionsViewController* editionsViewController() const { return editionsViewController_; }
    QMenu* toolbarItemCreateMenu() const { return createMenu_; }
    QMenu* toolbarItemFileMenu() const { return fileMenu_; }
    QMenu* outlineMenu() const { return outlineMenu_; }
    QWidget* placeholderView() const;
    // The name, description or entry sheet while one is open.
    QDialog* editWindowController() const { return editWindowController_; }

    bool validateCommand(const QString& command) const override;
    void performCommand(const QString& command) override;
    void updateInterface();

    void createGroup();
    // A new preset last in the object's group (the first group holding a preset), else in a
    // new group; it becomes the selection.
    void createPreset(const halvex::EquatableObjectPtr& relativeTo);
    // The copy goes just before the original.
    void duplicate(const halvex::EquatableObjectPtr& item);
    void deleteItem(const halvex::EquatableObjectPtr& item);
    // The groups of the file go after the library's; an unreadable file leaves the library as
    // it was and shows the import alert.
    void importPresets(const QString& path);
    // The selected groups, else one group of the selected presets. An existing file is replaced
    // only once the new one is whole; a failure keeps it and shows the export alert.
    void exportPresets(const QString& path);
    // The copied tags become entries of the first selected preset.
    void pasteMultipleTags();
    // The tags a location sets become custom-value entries of the first selected preset.
    void appendLocationEntries(const halvex::Location& location);

    bool canEditEntry() const;
    // Opens the property's name or description sheet on the first selected object.
    void editProperty(const PresetEditableProperty& property);
    // Opens the entry sheet on that entry of the first selected preset, or on a new entry.
    void editEntry(std::optional<int> entryRow);

    // Saves the library; false, after showing the alert, when it failed.
    bool saveLibrary();

    // The entries the tag pasteboard's copied tags make; empty when it holds none.
    static QList<halvex::PresetItem::Entry> pasteboardEntries();

private:
    void setUpToolbarItems();
    void setUpTouchBar();
    halvex::EquatableObjectPtr firstSelectedObject() const;
    halvex::PresetItemPtr firstSelectedPreset() const;
    void presentEditSheet(QDialog* sheet);
    void chooseImportFile();
    void chooseExportFile();
    void searchLocation();

    std::unique_ptr<Ui::PresetManagerWindow> ui_;
    halvex::PresetManager& manager_;
    QMenu* createMenu_;
    QMenu* fileMenu_;
    QMenu* outlineMenu_;
    PresetGroupsViewController* groupsViewController_ = nullptr;
    PresetEditionsViewController* editionsViewController_ = nullptr;
    QPointer<QDialog> editWindowController_;
    brisa::NoteSubscriber managerDidChangeGroupsSubscriber_;
    brisa::NoteSubscriber presetsSubscriber_;
};

} // namespace corvelle
