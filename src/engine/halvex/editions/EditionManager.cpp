#include "engine/halvex/editions/EditionManager.h"

#include "platform/brisa/core/NotificationCenter.h"

#include <QCoreApplication>
#include <QMutex>

namespace halvex {

const QString EditionManager::didFlushHistoryNotification = QStringLiteral("EditionManagerDidFlushHistoryNotification");
const QString EditionManager::historyUserInfoKey = QStringLiteral("history");

// Shared by the threads that join one edition (editConcurrently's workers).
class EditionManager::Recording {
public:
    void add(const TagEditor& editor, const QList<ostrak::TagName>& tagNames)
    {
        QMutexLocker lock(&mutex_);
        edition_.add(editor, tagNames);
    }

    HistoryEdition take()
    {
        QMutexLocker lock(&mutex_);
        return std::exchange(edition_, HistoryEdition());
    }

private:
    QMutex mutex_;
    HistoryEdition edition_;
};

namespace {

thread_local std::shared_ptr<EditionManager::Recording> openEdition;

} // namespace

std::optional<HistoryEdition> EditionManager::history(const brisa::Notification& note)
{
    if (note.name != didFlushHistoryNotification)
        return std::nullopt;
    const QVariant value = note.userInfo.value(historyUserInfoKey);
    if (!value.canConvert<HistoryEdition>())
        return std::nullopt;
    return value.value<HistoryEdition>();
}

EditionManager::Scope::Scope() : Scope(nullptr) {}

EditionManager::Scope::Scope(std::shared_ptr<Recording> edition) : previous_(openEdition)
{
    if (edition) {
        recording_ = std::move(edition);
    } else if (openEdition) {
        recording_ = openEdition;
    } else {
        recording_ = std::make_shared<Recording>();
        owns_ = true;
    }
    openEdition = recording_;
}

EditionManager::Scope::~Scope()
{
    openEdition = previous_;
    if (owns_)
        flush(recording_->take());
}

std::shared_ptr<EditionManager::Recording> EditionManager::currentEdition()
{
    return openEdition;
}

void EditionManager::record(const TagEditor& editor, const QList<ostrak::TagName>& tagNames)
{
    if (tagNames.isEmpty())
        return;
    if (openEdition) {
        openEdition->add(editor, tagNames);
        return;
    }
    HistoryEdition edition;
    edition.add(editor, tagNames);
    flush(edition);
}

void EditionManager::flush(const HistoryEdition& edition)
{
    // Without an application there is no main thread to deliver to.
    if (edition.isEmpty() || !QCoreApplication::instance())
        return;
    brisa::NotificationCenter::defaultCenter().post(didFlushHistoryNotification, nullptr,
                                                    {{historyUserInfoKey, QVariant::fromValue(edition)}});
}

} // namespace halvex
