#include "engine/halvex/kit/KitSettings.h"

namespace halvex {

KitSettings& KitSettings::shared()
{
    static KitSettings settings;
    return settings;
}

KitSettings::KitSettings()
{
    setSupportedMediaTypes(QSet<MediaType>(MediaType::all().begin(), MediaType::all().end()));
}

QString KitSettings::userDefaultsSuitePath() const
{
    QMutexLocker lock(&mutex_);
    return userDefaultsSuitePath_;
}

void KitSettings::setUserDefaultsSuitePath(const QString& path)
{
    QMutexLocker lock(&mutex_);
    userDefaultsSuitePath_ = path;
}

EngineOption KitSettings::engineOptions() const
{
    QMutexLocker lock(&mutex_);
    return engineOptions_;
}

void KitSettings::setEngineOptions(EngineOption options)
{
    QMutexLocker lock(&mutex_);
    engineOptions_ = options;
}

QSet<MediaType> KitSettings::supportedMediaTypes() const
{
    QMutexLocker lock(&mutex_);
    return supportedMediaTypes_;
}

void KitSettings::setSupportedMediaTypes(const QSet<MediaType>& types)
{
    QSet<MediaType> kept;
    QSet<QString> extensions;
    for (const auto& type : types) {
        if (type.isFolder())
            continue;
        kept.insert(type);
        for (const auto& extension : type.extensions())
            extensions.insert(extension.toUpper());
    }
    QMutexLocker lock(&mutex_);
    supportedMediaTypes_ = std::move(kept);
    supportedFileTypes_ = std::move(extensions);
}

QSet<QString> KitSettings::supportedFileTypes() const
{
    QMutexLocker lock(&mutex_);
    return supportedFileTypes_;
}

QString KitSettings::xmpToolkit() const
{
    QMutexLocker lock(&mutex_);
    return xmpToolkit_;
}

void KitSettings::setXmpToolkit(const QString& toolkit)
{
    QMutexLocker lock(&mutex_);
    xmpToolkit_ = toolkit;
}

} // namespace halvex
