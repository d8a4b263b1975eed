#pragma once

#include "editor/ViewController.h"
#include "widgets/controls/RightClickTableViewDelegate.h"

#include <QHash>

#include <memory>

class QAction;
class QMenu;

namespace Ui {
class PresetEditionsView;
}

namespace halvex {
class PresetManager;
}

namespace corvelle {

class PresetEditionsModel;
class PresetManagerWindowController;
class RightClickTableView;

// The right pane of the preset manager: the properties of the selected group or preset and the
// entries of a preset, as cards. A row opens its sheet (Return, a double click, the Edit command),
// entries are deleted with Delete and reordered by dragging; the add buttons make a preset in the
// shown group or an entry in the shown preset.
class PresetEditionsViewController : public ViewController, public RightClickTableViewDelegate {
    Q_OBJECT

public:
    PresetEditionsViewController(halvex::PresetManager& manager, PresetManagerWindowController& windowController,
                                 QWidget* parent = nullptr);
    ~PresetEditionsViewController() override;

    PresetEditionsModel* model() const { return model_; }
    RightClickTableView* tableView() const;
    QWidget* placeholderView() const;
    // The actions of the table (createPresetItem:, createPresetEdition:, deleteSelectedEntries:,
    // editSelectedEntries:); null for another name.
    QAction* action(const QString& name) const { return actions_.value(name); }

    // Something is shown and a row is selected.
    bool canEditSelectedEntries() const;
    // An entry is the first selected row.
    bool canDeleteSelectedEntries() const;
    int firstSelectedRow() const;
    // Opens the sheet of the row on the next turn of the event loop.
    void editRow(int row);
    void editSelectedEntries();
    void deleteSelectedEntries();
    void updateInterface();

    bool shouldRightClickRow(QAbstractItemView* view, const QModelIndex& row) override;
    void willDisplayMenu(QAbstractItemView* view, QMenu* menu) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    halvex::PresetManager& manager_;
    PresetManagerWindowController& windowController_;
    std::unique_ptr<Ui::PresetEditionsView> ui_;
    PresetEditionsModel* model_;
    QMenu* entriesMoreMenu_;
    QHash<QString, QAction*> actions_;
};

} // namespace corvelle
