#pragma once

#include <QStyledItemDelegate>

#include <memory>

class QAbstractButton;
class QLabel;
class QProgressBar;

namespace Ui {
class TaskItemTableCellView;
} // namespace Ui

namespace halvex {
class AbstractTask;
} // namespace halvex

namespace corvelle {

// The row of a task in the tasks popover (TaskListModel): the task's status image, title,
// description, progress and a cancel button, drawn from the form TaskItemTableCellView filled
// for the row. Clicking the cancel button cancels the task; clicking the status image of a task
// that reported problems shows (or hides again) its messages, each naming the file and the
// reason, below the description.
//
// Status image: finished with messages "exclamationmark.circle", finished without
// "checkmark.circle", cancelled "xmark.circle"; none while waiting or running. The cancel
// button stands while the task can still be cancelled, the percentage while it runs.
class TaskItemTableCellView : public QStyledItemDelegate {
    Q_OBJECT

public:
    static const QString columnIdentifier;
    static const QString cellIdentifier;

    explicit TaskItemTableCellView(QObject* parent = nullptr);
    ~TaskItemTableCellView() override;

    static std::shared_ptr<halvex::AbstractTask> task(const QModelIndex& index);
    static bool canCancelTask(const QModelIndex& index);
    static void cancelTask(const QModelIndex& index);
    // The symbol name of the status image of the row; empty when none is shown.
    static QString statusSymbolName(const QModelIndex& index);
    // The messages of the row's task, one line each: the file's name and the reason.
    static QString messagesText(const QModelIndex& index);

    // The form filled for the row, laid out in a cell of that rectangle, as paint() draws it;
    // it is the delegate's one form, filled again by the next call.
    QWidget* cellFor(const QModelIndex& index, const QRect& cellRect) const;
    // The parts of the form, as the last fill left them.
    QLabel* imageView() const;
    QLabel* titleTextField() const;
    QLabel* descriptionTextField() const;
    QLabel* messagesTextField() const;
    QAbstractButton* cancelButton() const;
    QLabel* progressTextField() const;
    QProgressBar* progressIndicator() const;
    // Where the cancel button and the status image stand in a cell of that rectangle.
    QRect cancelButtonRect(const QModelIndex& index, const QRect& cellRect) const;
    QRect statusImageRect(const QModelIndex& index, const QRect& cellRect) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // Steps of the progress indicator from no progress to all done.
    static constexpr int progressSteps = 1000;
    // A row's width when its view does not say.
    static constexpr int defaultWidth = 380;

private:
    void fill(const QModelIndex& index) const;
    QRect childRect(const QWidget* child, const QModelIndex& index, const QRect& cellRect) const;

    std::unique_ptr<QWidget> cell_;
    std::unique_ptr<Ui::TaskItemTableCellView> form_;
};

} // namespace corvelle
