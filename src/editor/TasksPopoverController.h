#pragma once

#include "editor/PopoverController.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QPointer>

class QTableView;
class QVariantAnimation;

namespace Ui {
class TasksPopover;
} // namespace Ui

namespace corvelle {

class TaskItemTableCellView;
class TaskListModel;

// The popover of the editor window's Tasks button: one row per task of the shared task
// manager, queued, running and done alike. The list follows the manager's add and remove
// notes; each row follows its own task.
//
// Done tasks stay listed while the popover is open, so that the user sees how they ended;
// closing the popover clears them from the manager's list.
class TasksPopoverController : public PopoverController {
    Q_OBJECT

public:
    // Made on first use, with its view loaded at once; it lives for the whole run.
    static TasksPopoverController& shared();


    QTableView* taskTableView() const;
    TaskListModel* taskListModel() const { return taskListModel_; }
    TaskItemTableCellView* taskCellView() const { return taskCellView_; }
    QList<brisa::DynamicTouchBarItem*> makeTouchBar() { return dynamicTouchBar_.touchBar(); }

    // Sizes the list to its rows: one row high at least, six and a half at most, plus 20, and
    // never higher than the screen's available height. The change is animated while the
    // popover is on screen.
    void updateHeight();
    // The height updateHeight() sets.
    int preferredHeight() const;

    void popoverDidClose() override;

    static constexpr int animationMilliseconds = 300;

protected:
    TasksPopoverController();
    ~TasksPopoverController() override;
    void loadView() override;
    void viewDidLoad() override;

private:
    // Rows showing their messages are as high as their content.
    void fitRow(int row);

    std::unique_ptr<Ui::TasksPopover> ui_;
    TaskListModel* taskListModel_ = nullptr;
    TaskItemTableCellView* taskCellView_ = nullptr;
    brisa::DynamicTouchBar dynamicTouchBar_;
    QPointer<QVariantAnimation> heightAnimation_;
};

} // namespace corvelle
