#include "editor/TasksPopoverController.h"

#include "editor/TaskItemTableCellView.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/TaskListModel.h"
#include "widgets/FormTexts.h"

#include "ui_TasksPopover.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
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

TasksPopoverController::TasksPopoverController()
    : ui_(std::make_unique<Ui::TasksPopover>())
{
}

TasksPopoverController::~TasksPopoverController() = default;

QTableView* TasksPopoverController::taskTableView() const
{
    return ui_->taskTableView;
}

void TasksPopoverController::loadView()
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

void TasksPopoverController::viewDidLoad()
{
    PopoverController::viewDidLoad();
    taskListModel_ = new TaskListModel(this);
    taskCellView_ = new TaskItemTableCellView(this);
    QTableView* table = ui_->taskTableView;
    table->setModel(taskListModel_);
    table->setItemDelegate(taskCellView_);
    table->horizontalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setFrameShape(QFrame::NoFrame);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(taskCellView_->sizeHint(QStyleOptionViewItem(), {}).height());

    const auto follow = [this] { updateHeight(); };
    connect(taskListModel_, &QAbstractItemModel::rowsInserted, this, follow);
    connect(taskListModel_, &QAbstractItemModel::rowsRemoved, this, follow);
    connect(taskListModel_, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(TaskListModel::MessagesShownRole)) {
                    fitRow(topLeft.row());
                    updateHeight();
                }
            });
    updateHeight();
}

void TasksPopoverController::fitRow(int row)
{
    QTableView* table = ui_->taskTableView;
    const QModelIndex index = taskListModel_->index(row, 0);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, table->viewport()->width(), table->verticalHeader()->defaultSectionSize());
    const int height = index.data(TaskListModel::MessagesShownRole).toBool()
                           ? taskCellView_->sizeHint(option, index).height()
                           : table->verticalHeader()->defaultSectionSize();
    table->setRowHeight(row, std::max(height, table->verticalHeader()->defaultSectionSize()));
}

int TasksPopoverController::preferredHeight() const
{
    const QTableView* table = ui_->taskTableView;
    const int rowHeight = table->verticalHeader()->defaultSectionSize();
    int rowsHeight = 0;
    for (int row = 0; row < taskListModel_->rowCount(); ++row)
        rowsHeight += table->rowHeight(row);
    const double listHeight = std::min(double(std::max(rowsHeight, rowHeight)), rowHeight * maximumVisibleRows);
    int height = int(std::lround(listHeight)) + chromeHeight;
    // A popover taller than the screen would hang off it.
    const QWidget* anchor = this->anchor();
    if (const QScreen* screen = anchor ? anchor->screen() : this->screen())
        height = std::min(height, screen->availableGeometry().height());
    return height;
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
    taskListModel_->reload();
    updateHeight();
    PopoverController::popoverDidClose();
}

} // namespace corvelle
