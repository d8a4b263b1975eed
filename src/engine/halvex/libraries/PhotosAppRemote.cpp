#include "engine/halvex/libraries/PhotosAppRemote.h"

#include "engine/halvex/libraries/PhotosAppAuthorizer.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace halvex {

PhotosAppRemote::PhotosAppRemote(int version, const QJsonObject& editions) : version_(version), editions_(editions)
{
}

void PhotosAppRemote::performInBackground(Completion completion) const
{
    const QVariantMap refusal{{QStringLiteral("errorKey"), PhotosAppAuthorizer::refusalReason().key}};
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [completion = std::move(completion), refusal] { completion(refusal); },
        Qt::QueuedConnection);
}

} // namespace halvex
