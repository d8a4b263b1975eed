#pragma once

#include "editor/ViewController.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QPointer>

#include <memory>

class QMenu;

namespace Ui {
class PresetGroupsView;
}

namespace halvex {
class PresetManager;
}

namespace corvelle {

class PresetGroupsModel;
class RightClickOutlineView;

// The left pane of the preset manager: the groups and their presets in an outline, always open.
// The outline's selection is the library's selection: it writes it at each change and selects
// the library's selected objects again after each change of the library.
class PresetGroupsViewController : public ViewController {
    Q_OBJECT

public:
    PresetGroupsViewController(halvex::PresetManager& manager, QWidget* parent = nullptr);
    ~PresetGroupsViewController() override;

    RightClickOutlineView* outlineView() const { return outlineView_; }
    PresetGroupsModel* model() const { return model_; }
    // The row menu, held by the outline and its more buttons; not owned.
    void setRowMenu(QMenu* menu);

    // Selects the rows of the library's selected objects, dropping from it what is not shown.
    void restoreSelection();

private:
    void selectionDidChange();

    halvex::PresetManager& manager_;
    PresetGroupsModel* model_;
    std::unique_ptr<Ui::PresetGroupsView> ui_;
    RightClickOutlineView* outlineView_ = nullptr;
    brisa::NoteSubscriber groupsSubscriber_;
    brisa::NoteSubscriber presetsSubscriber_;
    bool isRestoring_ = false;
};

} // namespace corvelle
