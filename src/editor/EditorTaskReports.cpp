#include "editor/EditorTaskReports.h"

#include "editor/EditorWindowHost.h"
#include "editor/LocalizedTaskText.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/settings/EditionSettings.h"
#include "platform/brisa/core/StringHelpers.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "platform/veilcast/MessageOverlay.h"
#include "widgets/TextLocalizer.h"
#include "widgets/desktop/UserNotificationCenter.h"
#include "widgets/settings/GeneralSettings.h"

#include <QMessageBox>
#include <QPushButton>

namespace corvelle {

namespace {

QWidget* windowOf(const EditorWindowHost* host)
{
    return host ? host->window() : nullptr;
}

} // namespace

EditorTaskReports::EditorTaskReports(EditorWindowHost* editorWindowController, QObject* parent)
    : QObject(parent)
    , editorWindowController_(editorWindowController)
{
}

EditorTaskReports::~EditorTaskReports() = default;

void EditorTaskReports::startObserving()
{
    const void* manager = &halvex::TaskManager::shared();
    taskManagerDidAddTaskSubscriber_.subscribe(halvex::TaskManager::didAddTaskNotification, manager,
                                               [this](const brisa::Notification& note) { taskManagerDidAddTask(note); });
    taskManagerDidRemoveTaskSubscriber_.subscribe(halvex::TaskManager::didRemoveTaskNotification, manager,
                                                  [this](const brisa::Notification& note) { taskManagerDidRemoveTask(note); });
}

void EditorTaskReports::stopObserving()
{
    taskManagerDidAddTaskSubscriber_.unsubscribe();
    taskManagerDidRemoveTaskSubscriber_.unsubscribe();
}

void EditorTaskReports::taskManagerDidAddTask(const brisa::Notification& note)
{
    const std::shared_ptr<halvex::AbstractTask> task = halvex::TaskManager::task(note);
    if (task && !dynamic_cast<const halvex::ImportTagEditorsTask*>(task.get()) && !task->isEdition())
        showTasksAddedOverlay();
    if (editorWindowController_)
        editorWindowController_->updateInterface();
}

void EditorTaskReports::taskManagerDidRemoveTask(const brisa::Notification& note)
{
    if (const std::shared_ptr<halvex::AbstractTask> task = halvex::TaskManager::task(note)) {
        const QList<halvex::TaskMessage> messages = task->messages();
        const bool failed = std::any_of(messages.begin(), messages.end(), [](const halvex::TaskMessage& message) {
            return message.severity == halvex::TaskMessage::Severity::error;
        });
        const auto* import = dynamic_cast<const halvex::ImportTagEditorsTask*>(task.get());
        const bool reload = import && !import->settings().editorsToReload.isEmpty();
        // Saves, reloads and the other work on open files: a failure is never announced as done
        // and its alert shows whatever the setting.
        const bool fileWork = reload || (!import && !task->isEdition());
        if (!reload || failed) {
            if (fileWork)
                failed ? showTasksFailedOverlay() : showTasksDoneOverlay();
            showTaskErrorAlert(messages, fileWork && failed);
            failed ? postFailedTaskUserNote() : postCompletedTaskUserNote();
        }
    }
    if (editorWindowController_)
        editorWindowController_->updateInterface();
}

veilcast::MessageOverlay& EditorTaskReports::messageOverlay()
{
    if (!messageOverlay_)
        messageOverlay_ = new veilcast::MessageOverlay(this);
    return *messageOverlay_;
}

void EditorTaskReports::showMessageOverlay(const QString& symbolName, const QString& textKey)
{
    QWidget* window = windowOf(editorWindowController_);
    if (!window)
        return;
    veilcast::MessageOverlay& overlay = messageOverlay();
    overlay.setImage(brisa::SymbolIcons::icon(symbolName));
    overlay.setText(localizedString(textKey));
    overlay.show(window);
}

void EditorTaskReports::showTagAddedOverlay()
{
    showMessageOverlay(QStringLiteral("tag"), QStringLiteral("MessageOverlayTagAdded"));
}

void EditorTaskReports::showTasksAddedOverlay()
{
    showMessageOverlay(QStringLiteral("plus"), QStringLiteral("MessageOverlayTasksAdded"));
}

void EditorTaskReports::showTasksDoneOverlay()
{
    showMessageOverlay(QStringLiteral("checkmark"), QStringLiteral("MessageOverlayTasksDone"));
}

void EditorTaskReports::showTasksFailedOverlay()
{
    showMessageOverlay(QStringLiteral("exclamationmark.circle"), QStringLiteral("MessageOverlayTasksFailed"));
}

QString EditorTaskReports::errorAlertText(const QList<halvex::TaskMessage>& errors)
{
    QStringList texts;
    texts.reserve(errors.size());
    for (const halvex::TaskMessage& error : errors)
        texts << localizedDescription(error);
    // The texts keep their accents: they name files, which must stay findable by that name.
    return brisa::reducedStringAtEnd(texts.join(QStringLiteral(", ")), maximumErrorTextLength);
}

void EditorTaskReports::showTaskErrorAlert(const QList<halvex::TaskMessage>& errors, bool always)
{
    QWidget* window = windowOf(editorWindowController_);
    if (!window || errors.isEmpty())
        return;
    if (!always
        && brisa::UserDefaults::standard().value(Settings::editionUserChoiceErrorAlert()) != ErrorAlertEditionUserChoice::display)
        return;
    auto* alert = new QMessageBox;
    alert->setIcon(QMessageBox::Critical);
    alert->setText(localizedString(QStringLiteral("TaskErrorAlertMessageText")));
    alert->setInformativeText(localizedString(QStringLiteral("TaskErrorAlertInformativeText"), {errorAlertText(errors)}));
    alert->addButton(localizedString(QStringLiteral("TaskErrorAlertOKButton")), QMessageBox::AcceptRole);
    brisa::SheetPresenter::safeBeginSheetModal(alert, window, {});
}

void EditorTaskReports::postCompletedTaskUserNote()
{
    postUserNote(QStringLiteral("CompletedTaskUserNoteTitle"), QStringLiteral("CompletedTaskUserNoteInformativeText"));
}

void EditorTaskReports::postFailedTaskUserNote()
{
    postUserNote(QStringLiteral("FailedTaskUserNoteTitle"), QStringLiteral("FailedTaskUserNoteInformativeText"));
}

void EditorTaskReports::postUserNote(const QString& titleKey, const QString& textKey)
{
    if (brisa::UserDefaults::standard().value(Settings::generalUserChoiceNotification())
        != NotificationGeneralUserChoice::allNotifications)
        return;
    UserNotificationCenter::current().add(localizedString(titleKey), localizedString(textKey));
}

} // namespace corvelle
