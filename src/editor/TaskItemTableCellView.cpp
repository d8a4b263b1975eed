#include "editor/TaskItemTableCellView.h"

#include "ui_TaskItemTableCellView.h"

#include "editor/LocalizedTaskText.h"
#include "engine/halvex/tasks/AbstractTask.h"
#include "filemodel/TaskListModel.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include <QFileInfo>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace corvelle {

const QString TaskItemTableCellView::columnIdentifier = QStringLiteral("TaskItemTableColumn");
const QString TaskItemTableCellView::cellIdentifier = QStringLiteral("TaskItemTableCellView");

namespace {

constexpr int statusImageSize = 16;

QString percentText(double fraction)
{
    const QLocale locale;
    return locale.toString(std::lround(fraction * 100.0)) + locale.percent();
}

} // namespace

TaskItemTableCellView::TaskItemTableCellView(QObject* parent)
    : QStyledItemDelegate(parent)
    , cell_(std::make_unique<QWidget>())
    , form_(std::make_unique<Ui::TaskItemTableCellView>())
{
    form_->setupUi(cell_.get());
    FormTexts::localize(cell_.get());
    cell_->setObjectName(cellIdentifier);
    // The form never comes on screen: its parts are marked shown so that its layout places them.
    for (QWidget* child : cell_->findChildren<QWidget*>())
        child->show();
    form_->progressIndicator->setRange(0, progressSteps);
    // Rows of done, running and waiting tasks keep the same columns: their bars line up.
    for (QWidget* widget : {static_cast<QWidget*>(form_->imageView), static_cast<QWidget*>(form_->progressTextField),
                            static_cast<QWidget*>(form_->cancelButton)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
    }
    form_->messagesTextField->hide();
}

TaskItemTableCellView::~TaskItemTableCellView() = default;

QLabel* TaskItemTableCellView::imageView() const { return form_->imageView; }
QLabel* TaskItemTableCellView::titleTextField() const { return form_->titleTextField; }
QLabel* TaskItemTableCellView::descriptionTextField() const { return form_->descriptionTextField; }
QLabel* TaskItemTableCellView::messagesTextField() const { return form_->messagesTextField; }
QAbstractButton* TaskItemTableCellView::cancelButton() const { return form_->cancelButton; }
QLabel* TaskItemTableCellView::progressTextField() const { return form_->progressTextField; }
QProgressBar* TaskItemTableCellView::progressIndicator() const { return form_->progressIndicator; }

std::shared_ptr<halvex::AbstractTask> TaskItemTableCellView::task(const QModelIndex& index)
{
    return index.data(TaskListModel::TaskRole).value<std::shared_ptr<halvex::AbstractTask>>();
}

bool TaskItemTableCellView::canCancelTask(const QModelIndex& index)
{
    const std::shared_ptr<halvex::AbstractTask> shown = task(index);
    return shown && !shown->isDone();
}

void TaskItemTableCellView::cancelTask(const QModelIndex& index)
{
    if (canCancelTask(index))
        task(index)->cancel();
}

QString TaskItemTableCellView::statusSymbolName(const QModelIndex& index)
{
    const std::shared_ptr<halvex::AbstractTask> shown = task(index);
    if (!shown)
        return {};
    switch (shown->status()) {
    case halvex::AbstractTask::Status::cancelled:
        return QStringLiteral("xmark.circle");
    case halvex::AbstractTask::Status::finished:
        return shown->messages().isEmpty() ? QStringLiteral("checkmark.circle") : QStringLiteral("exclamationmark.circle");
    case halvex::AbstractTask::Status::waiting:
    case halvex::AbstractTask::Status::running:
        break;
    }
    return {};
}

QString TaskItemTableCellView::messagesText(const QModelIndex& index)
{
    const std::shared_ptr<halvex::AbstractTask> shown = task(index);
    if (!shown)
        return {};
    QStringList lines;
    for (const halvex::TaskMessage& message : shown->messages()) {
        const QString name = QFileInfo(message.filePath).fileName();
        const QString file = name.isEmpty() ? message.filePath : name;
        lines << (file.isEmpty() ? localizedDescription(message)
                                 : localizedString(QStringLiteral("TaskItemMessageLine"), {file, localizedDescription(message)}));
    }
    return lines.join(QLatin1Char('\n'));
}

void TaskItemTableCellView::fill(const QModelIndex& index) const
{
    const std::shared_ptr<halvex::AbstractTask> shown = task(index);
    const halvex::AbstractTask* current = shown.get();
    using Status = halvex::AbstractTask::Status;
    const Status status = current ? current->status() : Status::waiting;
    const bool indeterminate = !current || current->isIndeterminate();
    const double progress = current ? current->progress() : 0.0;

    const QString symbol = statusSymbolName(index);
    const bool hasImage = !symbol.isEmpty();
    if (hasImage)
        form_->imageView->setPixmap(brisa::SymbolIcons::icon(symbol).pixmap(statusImageSize, statusImageSize));
    else
        form_->imageView->clear();
    form_->imageView->setVisible(hasImage);

    form_->progressTextField->setText(indeterminate ? QString() : percentText(progress));
    form_->progressTextField->setHidden(hasImage || status != Status::running);
    // A running task can be cancelled too: the engine stops it before its next file.
    form_->cancelButton->setHidden(hasImage || !canCancelTask(index));

    form_->titleTextField->setText(current ? localizedText(current->title()) : QStringLiteral("-"));
    form_->descriptionTextField->setText(current ? localizedText(current->description()) : QStringLiteral("-"));

    const QString messages = index.data(TaskListModel::MessagesShownRole).toBool() ? messagesText(index) : QString();
    form_->messagesTextField->setText(messages);
    form_->messagesTextField->setVisible(!messages.isEmpty());

    // Qt's busy bar always moves: it stands for indeterminate progress only while the task runs.
    if (indeterminate && status == Status::running) {
        form_->progressIndicator->setRange(0, 0);
    } else {
        form_->progressIndicator->setRange(0, progressSteps);
        form_->progressIndicator->setValue(int(std::lround(progress * progressSteps)));
    }
    // The form is never shown, so nothing tells its layout that its parts changed.
    cell_->layout()->invalidate();
}

QWidget* TaskItemTableCellView::cellFor(const QModelIndex& index, const QRect& cellRect) const
{
    fill(index);
    cell_->setGeometry(QRect(QPoint(), cellRect.size()));
    cell_->layout()->activate();
    return cell_.get();
}

QRect TaskItemTableCellView::childRect(const QWidget* child, const QModelIndex& index, const QRect& cellRect) const
{
    cellFor(index, cellRect);
    if (!child->isVisibleTo(cell_.get()))
        return {};
    return QRect(child->mapTo(cell_.get(), QPoint()), child->size()).translated(cellRect.topLeft());
}

QRect TaskItemTableCellView::cancelButtonRect(const QModelIndex& index, const QRect& cellRect) const
{
    return childRect(form_->cancelButton, index, cellRect);
}

QRect TaskItemTableCellView::statusImageRect(const QModelIndex& index, const QRect& cellRect) const
{
    return childRect(form_->imageView, index, cellRect);
}

void TaskItemTableCellView::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* cell = cellFor(index, option.rect);
    painter->save();
    painter->translate(option.rect.topLeft());
    cell->render(painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter->restore();
}

QSize TaskItemTableCellView::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int width = option.rect.width() > 0 ? option.rect.width() : defaultWidth;
    cellFor(index, QRect(0, 0, width, std::max(1, cell_->height())));
    const int height = cell_->layout()->hasHeightForWidth() ? cell_->layout()->totalHeightForWidth(width)
                                                             : cell_->sizeHint().height();
    return {width, std::max(height, cell_->minimumSizeHint().height())};
}

bool TaskItemTableCellView::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                        const QModelIndex& index)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (cancelButtonRect(index, option.rect).contains(position)) {
        cancelTask(index);
        return true;
    }
    if (statusImageRect(index, option.rect).contains(position) && !messagesText(index).isEmpty()) {
        model->setData(index, !index.data(TaskListModel::MessagesShownRole).toBool(), TaskListModel::MessagesShownRole);
        Q_EMIT sizeHintChanged(index);
        return true;
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

} // namespace corvelle
