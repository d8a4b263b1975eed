#pragma once

#include "editor/PopoverController.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/ui/DynamicTouchBar.h"

#include <QPointer>

class QTableWidget;
class QVariantAnimation;

namespace corvelle {

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

    QString nibName() const override { return QStringLiteral("TasksPopover"); }

    QTableWidget* taskTableView() const { return taskTableView_; }
    QList<brisa::DynamicTouchBarItem*> makeTouchBar() { return dynamicTouchBar_.touchBar(); }

    // Sizes the list to its rows: one row high at least, six and a half at most, plus 20.
    // The change is animated while the popover is on screen.
    void updateHeight();
    // The height updateHeight() sets.
    int preferredHeight() const;

    void popoverDidClose() override;

    static constexpr int animationMilliseconds = 300;

protected:
    TasksPopoverController();
    void viewDidLoad() override;

private:
    void reloadTasks();

    QTableWidget* taskTableView_ = nullptr;
    brisa::DynamicTouchBar dynamicTouchBar_;
    brisa::NoteSubscriber taskManagerDidAddTaskSubscriber_;
    brisa::NoteSubscriber taskManagerDidRemoveTaskSubscriber_;
    QPointer<QVariantAnimation> heightAnimation_;
};

} // namespace corvelle
