#pragma once

#include "engine/halvex/kit/EngineOption.h"
#include "engine/halvex/tags/MediaType.h"

#include <QMutex>
#include <QSet>
#include <QString>

namespace halvex {

// The engine's configuration. Set on the main thread at launch and when preferences change;
// tasks read it from their threads, so each task sees the values current when it reads them.
class KitSettings {
public:
    static KitSettings& shared();

    // Until configured: every type but the folder type, and every engine option.
    KitSettings();
    KitSettings(const KitSettings&) = delete;
    KitSettings& operator=(const KitSettings&) = delete;

    // The settings file the engine shares with the application.
    QString userDefaultsSuitePath() const;
    void setUserDefaultsSuitePath(const QString& path);

    EngineOption engineOptions() const;
    void setEngineOptions(EngineOption options);

    // The folder type is never kept: folders are always opened.
    QSet<MediaType> supportedMediaTypes() const;
    void setSupportedMediaTypes(const QSet<MediaType>& types);
    // Every extension of the supported media types, upper case ("MOV", "MP4", ...).
    QSet<QString> supportedFileTypes() const;

    // Written as XMP-x:XMPToolkit on save; empty leaves ExifTool's own.
    QString xmpToolkit() const;
    void setXmpToolkit(const QString& toolkit);

private:
    mutable QMutex mutex_;
    QString userDefaultsSuitePath_;
    EngineOption engineOptions_ = EngineOption::all;
    QSet<MediaType> supportedMediaTypes_;
    QSet<QString> supportedFileTypes_;
    QString xmpToolkit_;
};

} // namespace halvex
