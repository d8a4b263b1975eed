#pragma once

#include "platform/brisa/core/MultiNoteSubscriber.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QAbstractListModel>
#include <QSet>

#include <memory>

namespace halvex {
class AbstractTask;
} // namespace halvex

namespace corvelle {

// The tasks of the shared task manager, queued, running and done alike, in its order: rows come
// and go with the manager's add and remove notes as row signals, and a row changes
// (dataChanged) with its task's progress and status. Whether a row shows its task's messages is
// kept here, per task, so that it survives the rows around it changing. Main thread only.
class TaskListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        // The row's std::shared_ptr<halvex::AbstractTask>.
        TaskRole = Qt::UserRole + 1,
        // Whether the row shows its task's messages (settable).
        MessagesShownRole,
    };

    explicit TaskListModel(QObject* parent = nullptr);

    std::shared_ptr<halvex::AbstractTask> taskAt(int row) const;
    // Follows the manager's list now (it also does so on each of its notes).
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    void taskDidChange(const void* task);

    QList<std::shared_ptr<halvex::AbstractTask>> tasks_;
    QSet<const halvex::AbstractTask*> messagesShown_;
    brisa::NoteSubscriber taskManagerDidAddTaskSubscriber_;
    brisa::NoteSubscriber taskManagerDidRemoveTaskSubscriber_;
    brisa::MultiNoteSubscriber taskDidChangeInfoSubscriber_;
};

} // namespace corvelle
