#include "filemodel/TaskListModel.h"

#include "engine/halvex/tasks/AbstractTask.h"
#include "engine/halvex/tasks/TaskManager.h"

namespace corvelle {

TaskListModel::TaskListModel(QObject* parent)
    : QAbstractListModel(parent)
{
    const void* manager = &halvex::TaskManager::shared();
    const auto follow = [this](const brisa::Notification&) { reload(); };
    taskManagerDidAddTaskSubscriber_.subscribe(halvex::TaskManager::didAddTaskNotification, manager, follow);
    taskManagerDidRemoveTaskSubscriber_.subscribe(halvex::TaskManager::didRemoveTaskNotification, manager, follow);
    taskDidChangeInfoSubscriber_.subscribe(
        {halvex::AbstractTask::didProgressNotification, halvex::AbstractTask::didUpdateStatusNotification}, nullptr,
        [this](const brisa::Notification& note) { taskDidChange(note.object); });
    reload();
}

std::shared_ptr<halvex::AbstractTask> TaskListModel::taskAt(int row) const
{
    return row >= 0 && row < tasks_.size() ? tasks_[row] : nullptr;
}

void TaskListModel::reload()
{
    const QList<std::shared_ptr<halvex::AbstractTask>> target = halvex::TaskManager::shared().tasks();
    const QSet<std::shared_ptr<halvex::AbstractTask>> kept(target.begin(), target.end());
    // Rows of tasks the manager let go, from the last up.
    for (int row = int(tasks_.size()) - 1; row >= 0; --row) {
        if (kept.contains(tasks_[row]))
            continue;
        beginRemoveRows({}, row, row);
        messagesShown_.remove(tasks_[row].get());
        tasks_.removeAt(row);
        endRemoveRows();
    }
    // Then each task at its place: new ones inserted, others moved there.
    for (int row = 0; row < target.size(); ++row) {
        if (row < tasks_.size() && tasks_[row] == target[row])
            continue;
        const qsizetype found = tasks_.indexOf(target[row], row);
        if (found < 0) {
            beginInsertRows({}, row, row);
            tasks_.insert(row, target[row]);
            endInsertRows();
        } else {
            beginMoveRows({}, int(found), int(found), {}, row);
            tasks_.move(found, row);
            endMoveRows();
        }
    }
}

int TaskListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(tasks_.size());
}

QVariant TaskListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const std::shared_ptr<halvex::AbstractTask>& task = tasks_[index.row()];
    switch (role) {
    case TaskRole:
        return QVariant::fromValue(task);
    case MessagesShownRole:
        return messagesShown_.contains(task.get());
    default:
        return {};
    }
}

bool TaskListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != MessagesShownRole || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const halvex::AbstractTask* task = tasks_[index.row()].get();
    if (value.toBool() == messagesShown_.contains(task))
        return true;
    if (value.toBool())
        messagesShown_.insert(task);
    else
        messagesShown_.remove(task);
    Q_EMIT dataChanged(index, index, {MessagesShownRole});
    return true;
}

void TaskListModel::taskDidChange(const void* task)
{
    for (int row = 0; row < tasks_.size(); ++row) {
        if (tasks_[row].get() == task) {
            const QModelIndex changed = index(row);
            Q_EMIT dataChanged(changed, changed);
        }
    }
}

} // namespace corvelle
