#pragma once

#include "platform/brisa/core/MultiNoteSubscriber.h"

#include <QWidget>

#include <memory>

class QAbstractButton;
class QLabel;
class QProgressBar;

namespace halvex {
class AbstractTask;
} // namespace halvex

namespace corvelle {

// One row of the tasks popover: the task's status image, title, description, progress and a
// cancel button. The row follows its task's progress and status notes while it shows it.
//
// Status image: finished with messages "exclamationmark.circle", finished without
// "checkmark.circle", cancelled "xmark.circle"; none while waiting or running. The cancel
// button stands while the task can still be cancelled, the percentage while it runs.
class TaskItemTableCellView : public QWidget {
    Q_OBJECT

public:
    static const QString columnIdentifier;
    static const QString cellIdentifier;

    explicit TaskItemTableCellView(QWidget* parent = nullptr);
    ~TaskItemTableCellView() override;

    std::shared_ptr<halvex::AbstractTask> objectValue() const { return abstractTask_; }
    // Showing the same task again changes nothing.
    void setObjectValue(const std::shared_ptr<halvex::AbstractTask>& task);
    void prepareForReuse();

    void updateContent();
    bool canCancelTask() const;
    void cancelTask();

    // The symbol name of the status image shown; empty when none is.
    QString statusSymbolName() const { return statusSymbolName_; }

    QLabel* imageView() const { return imageView_; }
    QLabel* titleTextField() const { return titleTextField_; }
    QLabel* descriptionTextField() const { return descriptionTextField_; }
    QAbstractButton* cancelButton() const { return cancelButton_; }
    QLabel* progressTextField() const { return progressTextField_; }
    QProgressBar* progressIndicator() const { return progressIndicator_; }

    // Steps of the progress indicator from no progress to all done.
    static constexpr int progressSteps = 1000;

private:
    void startObserving();
    void stopObserving();

    QLabel* imageView_;
    QLabel* titleTextField_;
    QLabel* descriptionTextField_;
    QAbstractButton* cancelButton_;
    QLabel* progressTextField_;
    QProgressBar* progressIndicator_;
    brisa::MultiNoteSubscriber taskDidChangeInfoSubcriber_;
    std::shared_ptr<halvex::AbstractTask> abstractTask_;
    QString statusSymbolName_;
};

} // namespace corvelle
