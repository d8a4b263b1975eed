#include "app/QuitController.h"

#include "app/ApplicationAlert.h"

namespace corvelle {

namespace {

// True when the alert was cancelled.
bool cancelledByAlert(const QString& stem)
{
    const int cancel = 0;
    return ApplicationAlert::run({stem, {QStringLiteral("CancelButton"), QStringLiteral("QuitButton")}},
                                 QMessageBox::Warning, cancel)
           == cancel;
}

} // namespace

bool QuitController::shouldTerminate(const std::function<bool()>& tasksRunning,
                                     const std::function<bool()>& hasUnsavedChanges)
{
    const bool processingCancelled =
        tasksRunning() && cancelledByAlert(QStringLiteral("QuitAppWhileProcessingAlert"));
    const bool unsavedCancelled =
        hasUnsavedChanges() && cancelledByAlert(QStringLiteral("QuitAppWhileHaveUnsavedChangesAlert"));
    return !processingCancelled && !unsavedCancelled;
}

} // namespace corvelle
