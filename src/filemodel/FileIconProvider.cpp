#include "filemodel/FileIconProvider.h"

#include "engine/halvex/tags/MediaType.h"
#include "platform/brisa/ui/SymbolIcons.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <QTimer>

#include <optional>

namespace corvelle {

namespace {

QImage draw(const QStringList& names, int pixelSize)
{
    brisa::SymbolIcons::ensureTheme();
    for (const QString& name : names) {
        const QIcon icon = QIcon::fromTheme(name);
        if (icon.isNull())
            continue;
        const QImage image = icon.pixmap(QSize(pixelSize, pixelSize), 1.0).toImage();
        if (!image.isNull())
            return image;
    }
    return {};
}

// The theme lookup keeps unguarded caches, so icons are drawn on the main thread only.
QImage drawOnMainThread(const QStringList& names, int pixelSize)
{
    QCoreApplication* app = QCoreApplication::instance();
    // Icons need the GUI application; a thread that outlives it gets none.
    if (!app)
        return {};
    if (QThread::currentThread() == app->thread())
        return draw(names, pixelSize);
    std::optional<QImage> image;
    QMetaObject::invokeMethod(app, [&] { image = draw(names, pixelSize); }, Qt::BlockingQueuedConnection);
    // Nothing when the application went away before the main thread got to it.
    return image.value_or(QImage());
}

// For files the MIME database does not know by name, such as XMP sidecars and many raw formats.
QString genericIconName(halvex::MediaKind kind)
{
    switch (kind) {
    case halvex::MediaKind::audio:
        return QStringLiteral("audio-x-generic");
    case halvex::MediaKind::image:
        return QStringLiteral("image-x-generic");
    case halvex::MediaKind::movie:
        return QStringLiteral("video-x-generic");
    case halvex::MediaKind::sidecar:
        return QStringLiteral("text-x-generic");
    case halvex::MediaKind::other:
        break;
    }
    return {};
}

} // namespace

QStringList FileIconProvider::iconNames(const QString& path, bool isFolder)
{
    if (isFolder)
        return {QStringLiteral("folder"), QStringLiteral("inode-directory")};
    static const QMimeDatabase database;
    const QMimeType type = database.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    QStringList names = {type.iconName()};
    if (const std::optional<halvex::MediaType> mediaType = halvex::MediaType::type(QFileInfo(path).suffix()))
        names << genericIconName(mediaType->kind());
    names << type.genericIconName();
    const QStringList ancestors = type.allAncestors();
    for (const QString& ancestor : ancestors) {
        const QMimeType parent = database.mimeTypeForName(ancestor);
        names << parent.iconName() << parent.genericIconName();
    }
    names << QStringLiteral("application-x-generic") << QStringLiteral("text-x-generic");
    names.removeAll(QString());
    names.removeDuplicates();
    return names;
}

void FileIconProvider::prepare(int pixelSize)
{
    static QSet<int> prepared;
    // Only a GUI application has an icon theme.
    QCoreApplication* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread() || prepared.contains(pixelSize))
        return;
    prepared.insert(pixelSize);
    QTimer::singleShot(0, app, [pixelSize] { prepareFrom(pixelSize, 0); });
}

void FileIconProvider::prepareFrom(int pixelSize, int sample)
{
    // The kinds most opened; others are drawn when first met, with the theme loaded by then.
    static const QStringList samples = {QStringLiteral("a.mov"), QStringLiteral("a.mp4"), QStringLiteral("a.m4a"),
                                        QStringLiteral("a.xmp")};
    QCoreApplication* app = QCoreApplication::instance();
    if (sample >= samples.size() || !app)
        return;
    icon(samples.at(sample), pixelSize);
    QTimer::singleShot(0, app, [pixelSize, sample] { prepareFrom(pixelSize, sample + 1); });
}

QImage FileIconProvider::icon(const QString& path, int pixelSize, bool isFolder)
{
    static QMutex mutex;
    static QHash<QString, QImage> drawn;
    const QStringList names = iconNames(path, isFolder);
    const QString key = names.join(QLatin1Char('/')) + QLatin1Char('@') + QString::number(pixelSize);
    {
        QMutexLocker lock(&mutex);
        const auto found = drawn.constFind(key);
        if (found != drawn.constEnd())
            return *found;
    }
    // Drawn without the lock: the main thread may be asking for an icon itself.
    const QImage image = drawOnMainThread(names, pixelSize);
    QMutexLocker lock(&mutex);
    drawn.insert(key, image);
    return image;
}

} // namespace corvelle
