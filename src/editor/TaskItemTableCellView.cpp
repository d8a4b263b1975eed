#include "editor/TaskItemTableCellView.h"

#include "editor/FormLoader.h"
#include "editor/LocalizedTaskText.h"
#include "engine/halvex/tasks/AbstractTask.h"
#include "platform/brisa/ui/SymbolIcons.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QVBoxLayout>

#include <cmath>

namespace corvelle {

const QString TaskItemTableCellView::columnIdentifier = QStringLiteral("TaskItemTableColumn");
const QString TaskItemTableCellView::cellIdentifier = QStringLiteral("TaskItemTableCellView");

namespace {

constexpr int statusImageSize = 16;

QString statusSymbol(const halvex::AbstractTask* task)
{
    if (!task)
        return {};
    switch (task->status()) {
    case halvex::AbstractTask::Status::cancelled:
        return QStringLiteral("xmark.circle");
    case halvex::AbstractTask::Status::finished:
        return task->messages().isEmpty() ? QStringLiteral("checkmark.circle") : QStringLiteral("exclamationmark.circle");
    case halvex::AbstractTask::Status::waiting:
    case halvex::AbstractTask::Status::running:
        break;
    }
    return {};
}

QString percentText(double fraction)
{
    const QLocale locale;
    return locale.toString(std::lround(fraction * 100.0)) + locale.percent();
}

} // namespace

TaskItemTableCellView::TaskItemTableCellView(QWidget* parent)
    : QWidget(parent)
{
    QWidget* content = FormLoader::load(cellIdentifier, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    setObjectName(cellIdentifier);
    imageView_ = FormLoader::outlet<QLabel>(content, "imageView");
    titleTextField_ = FormLoader::outlet<QLabel>(content, "titleTextField");
    descriptionTextField_ = FormLoader::outlet<QLabel>(content, "descriptionTextField");
    cancelButton_ = FormLoader::outlet<QAbstractButton>(content, "cancelButton");
    progressTextField_ = FormLoader::outlet<QLabel>(content, "progressTextField");
    progressIndicator_ = FormLoader::outlet<QProgressBar>(content, "progressIndicator");
    progressIndicator_->setRange(0, progressSteps);
    // Rows of done, running and waiting tasks keep the same columns: their bars line up.
    for (QWidget* widget : {static_cast<QWidget*>(imageView_), static_cast<QWidget*>(progressTextField_),
                            static_cast<QWidget*>(cancelButton_)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    connect(cancelButton_, &QAbstractButton::clicked, this, &TaskItemTableCellView::cancelTask);
    updateContent();
}

TaskItemTableCellView::~TaskItemTableCellView()
{
    setObjectValue(nullptr);
}

void TaskItemTableCellView::setObjectValue(const std::shared_ptr<halvex::AbstractTask>& task)
{
    if (task == abstractTask_)
        return;
    stopObserving();
    abstractTask_ = task;
    startObserving();
    updateContent();
}

void TaskItemTableCellView::prepareForReuse()
{
    setObjectValue(nullptr);
}

void TaskItemTableCellView::startObserving()
{
    if (!abstractTask_)
        return;
    taskDidChangeInfoSubcriber_.subscribe(
        {halvex::AbstractTask::didProgressNotification, halvex::AbstractTask::didUpdateStatusNotification},
        abstractTask_.get(), [this](const brisa::Notification&) { updateContent(); });
}

void TaskItemTableCellView::stopObserving()
{
    taskDidChangeInfoSubcriber_.unsubscribe();
}

void TaskItemTableCellView::updateContent()
{
    const halvex::AbstractTask* task = abstractTask_.get();
    using Status = halvex::AbstractTask::Status;
    const Status status = task ? task->status() : Status::waiting;
    const bool indeterminate = !task || task->isIndeterminate();
    const double progress = task ? task->progress() : 0.0;

    statusSymbolName_ = statusSymbol(task);
    const bool hasImage = !statusSymbolName_.isEmpty();
    if (hasImage)
        imageView_->setPixmap(brisa::SymbolIcons::icon(statusSymbolName_).pixmap(statusImageSize, statusImageSize));
    else
        imageView_->clear();
    imageView_->setVisible(hasImage);

    progressTextField_->setText(indeterminate ? QString() : percentText(progress));
    progressTextField_->setHidden(hasImage || status != Status::running);
    // A running task can be cancelled too: the engine stops it before its next file.
    cancelButton_->setHidden(hasImage || !canCancelTask());

    titleTextField_->setText(task ? localizedText(task->title()) : QStringLiteral("-"));
    descriptionTextField_->setText(task ? localizedText(task->description()) : QStringLiteral("-"));

    // Qt's busy bar always moves: it stands for indeterminate progress only while the task runs.
    if (indeterminate && status == Status::running) {
        progressIndicator_->setRange(0, 0);
    } else {
        progressIndicator_->setRange(0, progressSteps);
        progressIndicator_->setValue(int(std::lround(progress * progressSteps)));
    }
}

bool TaskItemTableCellView::canCancelTask() const
{
    return abstractTask_ && !abstractTask_->isDone();
}

void TaskItemTableCellView::cancelTask()
{
    if (canCancelTask())
        abstractTask_->cancel();
}

} // namespace corvelle
