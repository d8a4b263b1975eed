#include "engine/halvex/libraries/PhotosAppRemote.h"

#include "engine/halvex/libraries/PhotosAppAuthorizer.h"
#include "engine/halvex/libraries/PhotosRemoteEditionTask.h"
#include "engine/halvex/tasks/TaskManager.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace halvex {

PhotosAppRemote::PhotosAppRemote(int version, const QJsonObject& editions) : version_(version), editions_(editions)
{
}

void PhotosAppRemote::performInBackground(Completion completion) const
{
    const TagEditorList editors = PhotosAppAuthorizer::selectedEditors();
    if (editors.isEmpty()) {
        const QVariantMap refusal{{QStringLiteral("errorKey"), PhotosAppAuthorizer::refusalReason().key}};
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [completion = std::move(completion), refusal] { completion(refusal); },
            Qt::QueuedConnection);
        return;
    }
    auto task = std::make_shared<PhotosRemoteEditionTask>(editors,
                                                          PhotosRemoteEditionTask::Edits::fromDescription(editions_));
    const std::weak_ptr<PhotosRemoteEditionTask> weakTask = task;
    const int fileCount = int(editors.size());
    task->setCompletionHandler([weakTask, fileCount, completion = std::move(completion)] {
        const std::shared_ptr<PhotosRemoteEditionTask> task = weakTask.lock();
        QVariantList failures;
        bool cancelled = false;
        if (task) {
            for (const TaskMessage& message : task->messages()) {
                failures << QVariantMap{{QStringLiteral("path"), message.filePath},
                                        {QStringLiteral("reasonKey"), message.reason.key},
                                        {QStringLiteral("arguments"), message.reason.arguments}};
            }
            cancelled = task->status() == AbstractTask::Status::cancelled;
        }
        completion(QVariantMap{{QStringLiteral("fileCount"), fileCount},
                               {QStringLiteral("failures"), failures},
                               {QStringLiteral("cancelled"), cancelled}});
    });
    TaskManager::shared().add(task);
}

} // namespace halvex
