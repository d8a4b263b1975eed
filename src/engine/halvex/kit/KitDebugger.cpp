#include "engine/halvex/kit/KitDebugger.h"

#include <QDateTime>
#include <QLoggingCategory>

namespace halvex {

namespace {
Q_LOGGING_CATEGORY(lcKitDebugger, "corvelle.engine.debug")
}

KitDebugger& KitDebugger::shared()
{
    static KitDebugger debugger;
    return debugger;
}

KitDebugger::KitDebugger() = default;
KitDebugger::~KitDebugger() = default;

bool KitDebugger::start(const std::optional<QString>& logFilePath)
{
    QMutexLocker lock(&mutex_);
    file_.close();
    errorString_.clear();
    enabled_ = true;
    if (!logFilePath)
        return true;
    file_.setFileName(*logFilePath);
    if (file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return true;
    errorString_ = file_.errorString();
    file_.setFileName(QString());
    qCWarning(lcKitDebugger).noquote()
        << "Cannot open the log file" << *logFilePath << "-" << errorString_;
    return false;
}

void KitDebugger::stop()
{
    QMutexLocker lock(&mutex_);
    enabled_ = false;
    file_.close();
    file_.setFileName(QString());
}

QString KitDebugger::logFilePath() const
{
    QMutexLocker lock(&mutex_);
    return file_.isOpen() ? file_.fileName() : QString();
}

QString KitDebugger::errorString() const
{
    QMutexLocker lock(&mutex_);
    return errorString_;
}

void KitDebugger::log(const QString& text)
{
    if (!enabled_)
        return;
    const QString stamp = QDateTime::currentDateTime().toString(Qt::ISODateWithMs);
    QString lines;
    for (const auto& line : text.split(QLatin1Char('\n')))
        lines += stamp % QLatin1Char(' ') % line % QLatin1Char('\n');

    QMutexLocker lock(&mutex_);
    if (!enabled_)
        return;
    if (!file_.isOpen()) {
        qCInfo(lcKitDebugger).noquote() << lines.chopped(1);
        return;
    }
    // Flushed at once, so that the log survives a crash.
    file_.write(lines.toUtf8());
    file_.flush();
}

} // namespace halvex
