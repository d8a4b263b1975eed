#include "editor/TasksPopoverController.h"

#include "editor/FormLoader.h"
#include "editor/TaskItemTableCellView.h"
#include "engine/halvex/tasks/TaskManager.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QVariantAnimation>

#include <algorithm>
#include <cmath>

namespace corvelle {

namespace {

constexpr double maximumVisibleRows = 6.5;
constexpr int chromeHeight = 20;

} // namespace

TasksPopoverController& TasksPopoverController::shared()
{
    static TasksPopoverController* controller = [] {
        auto* made = new TasksPopoverController;
        made->view();
        // Widgets must go before the application does.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { delete controller; });
        return made;
    }();
    return *controller;
}

TasksPopoverController::TasksPopoverController() = default;

void TasksPopoverController::viewDidLoad()
{
    PopoverController::viewDidLoad();
    const void* manager = &halvex::TaskManager::shared();
    const auto reload = [this](const brisa::Notification&) {
        reloadTasks();
        updateHeight();
    };
    taskManagerDidAddTaskSubscriber_.subscribe(halvex::TaskManager::didAddTaskNotification, manager, reload);
    taskManagerDidRemoveTaskSubscriber_.subscribe(halvex::TaskManager::didRemoveTaskNotification, manager, reload);

    taskTableView_ = FormLoader::outlet<QTableWidget>(view(), "taskTableView");
    taskTableView_->setColumnCount(1);
    taskTableView_->setHorizontalHeaderItem(0, new QTableWidgetItem(TaskItemTableCellView::columnIdentifier));
    taskTableView_->horizontalHeader()->hide();
    taskTableView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    taskTableView_->verticalHeader()->hide();
    taskTableView_->setSelectionMode(QAbstractItemView::NoSelection);
    taskTableView_->setFocusPolicy(Qt::NoFocus);
    taskTableView_->setFrameShape(QFrame::NoFrame);
    const TaskItemTableCellView sample;
    taskTableView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    taskTableView_->verticalHeader()->setDefaultSectionSize(sample.sizeHint().height());
    reloadTasks();
    updateHeight();
}

void TasksPopoverController::reloadTasks()
{
    const QList<std::shared_ptr<halvex::AbstractTask>> tasks = halvex::TaskManager::shared().tasks();
    // Rows beyond the list go with their cells, which let go of their tasks.
    taskTableView_->setRowCount(int(tasks.size()));
    for (int row = 0; row < tasks.size(); ++row) {
        auto* cell = qobject_cast<TaskItemTableCellView*>(taskTableView_->cellWidget(row, 0));
        if (!cell) {
            cell = new TaskItemTableCellView;
            taskTableView_->setCellWidget(row, 0, cell);
        }
        cell->setObjectValue(tasks.at(row));
    }
}

int TasksPopoverController::preferredHeight() const
{
    const int rowHeight = taskTableView_->verticalHeader()->defaultSectionSize();
    const int rows = taskTableView_->rowCount();
    const double listHeight = std::min(double(std::max(rowHeight * rows, rowHeight)), rowHeight * maximumVisibleRows);
    return int(std::lround(listHeight)) + chromeHeight;
}

void TasksPopoverController::updateHeight()
{
    const int height = preferredHeight();
    QWidget* content = view();
    if (heightAnimation_)
        heightAnimation_->stop();
    if (!isShown()) {
        content->setFixedHeight(height);
        return;
    }
    auto* animation = new QVariantAnimation(this);
    animation->setDuration(animationMilliseconds);
    animation->setStartValue(content->height());
    animation->setEndValue(height);
    connect(animation, &QVariantAnimation::valueChanged, content,
            [content](const QVariant& value) { content->setFixedHeight(value.toInt()); });
    heightAnimation_ = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void TasksPopoverController::popoverDidClose()
{
    halvex::TaskManager::shared().clearFinishedTasks();
    reloadTasks();
    updateHeight();
    PopoverController::popoverDidClose();
}

} // namespace corvelle
