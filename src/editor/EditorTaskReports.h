#pragma once

#include "engine/halvex/tasks/TaskMessage.h"
#include "platform/brisa/core/NoteSubscriber.h"

#include <QList>
#include <QObject>
#include <QPointer>

namespace veilcast {
class MessageOverlay;
} // namespace veilcast

namespace corvelle {

class EditorWindowHost;

// What the editor window shows about the tasks of the shared task manager: a notice when file
// work starts and when it ends, an alert listing a task's messages and a desktop notification,
// each as the settings ask, and a refreshed window after every add and remove note. The editor
// window controller owns it. The files of an import reach the window's session through the
// import task itself, before its remove note.
//
// Imports and edition tasks get no notices (the files appearing, or the values changing, tell
// the user enough); a reload of open files reports nothing at all.
class EditorTaskReports : public QObject {
    Q_OBJECT

public:
    explicit EditorTaskReports(EditorWindowHost* editorWindowController, QObject* parent = nullptr);
    ~EditorTaskReports() override;

    // Follows the task manager's add and remove notes.
    void startObserving();
    void stopObserving();

    void taskManagerDidAddTask(const brisa::Notification& note);
    void taskManagerDidRemoveTask(const brisa::Notification& note);

    // The window's notice overlay, made on first use.
    veilcast::MessageOverlay& messageOverlay();
    // Each shows the notice over the window; nothing while there is no window.
    void showMessageOverlay(const QString& symbolName, const QString& textKey);
    void showTagAddedOverlay();
    void showTasksAddedOverlay();
    void showTasksDoneOverlay();
    void showTasksFailedOverlay();

    // An alert as a sheet of the window listing the messages, when there are some, there is a
    // window, and "EditionUserChoiceErrorAlert" is "display".
    // `always` shows it whatever the setting: the failure of work on files already open (a save,
    // a reload) must never pass unseen.
    void showTaskErrorAlert(const QList<halvex::TaskMessage>& errors, bool always = false);
    // A desktop notification (UserNotificationCenter), when "GeneralUserChoiceNotification" is
    // "all_notifications"; nothing without a session bus.
    void postCompletedTaskUserNote();
    // The same, telling that the work failed.
    void postFailedTaskUserNote();

    // The messages' texts joined with ", ", at most maximumErrorTextLength characters.
    static QString errorAlertText(const QList<halvex::TaskMessage>& errors);
    static constexpr int maximumErrorTextLength = 1000;

private:
    void postUserNote(const QString& titleKey, const QString& textKey);
    QPointer<EditorWindowHost> editorWindowController_;
    QPointer<veilcast::MessageOverlay> messageOverlay_;
    brisa::NoteSubscriber taskManagerDidAddTaskSubscriber_;
    brisa::NoteSubscriber taskManagerDidRemoveTaskSubscriber_;
};

} // namespace corvelle
