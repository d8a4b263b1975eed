#include "engine/ostrak/SharedText.h"

#include <QMutex>
#include <QSet>

namespace ostrak {

QString SharedText::shared(const QString& text)
{
    thread_local QSet<QString> known;
    const auto seen = known.constFind(text);
    if (seen != known.constEnd())
        return *seen;
    static QMutex mutex;
    static QSet<QString> texts;
    QString copy;
    {
        QMutexLocker locker(&mutex);
        const auto found = texts.constFind(text);
        copy = found != texts.constEnd() ? *found : *texts.insert(text);
    }
    known.insert(copy);
    return copy;
}

} // namespace ostrak
