#include "platform/brisa/ui/SymbolIcons.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QStandardPaths>

namespace brisa {

const QString SymbolIcons::fallbackThemeName = QStringLiteral("Adwaita");

namespace {

const QHash<QString, QString>& themeNames()
{
    static const QHash<QString, QString> names = {
        {"arrow.triangle.2.circlepath.circle", "emblem-synchronizing-symbolic"},
        {"arrow.uturn.left.circle", "edit-undo-symbolic"},
        {"arrowshape.turn.up.right", "mail-forward-symbolic"},
        {"camera.aperture", "camera-photo-symbolic"},
        {"checkmark", "object-select-symbolic"},
        {"chevron.backward", "go-previous-symbolic"},
        {"chevron.left", "go-previous-symbolic"},
        {"clock", "preferences-system-time-symbolic"},
        {"delete.left", "edit-clear-symbolic"},
        {"ellipsis", "view-more-horizontal-symbolic"},
        {"exclamationmark.circle", "emblem-important-symbolic"},
        {"eye", "view-reveal-symbolic"},
        {"film", "video-x-generic-symbolic"},
        {"folder", "folder-symbolic"},
        {"folder.badge.plus", "folder-new-symbolic"},
        {"heart.fill", "emblem-favorite-symbolic"},
        {"info.circle", "help-about-symbolic"},
        {"list.bullet.clipboard", "edit-paste-symbolic"},
        {"magnifyingglass", "system-search-symbolic"},
        {"mappin.and.ellipse", "mark-location-symbolic"},
        {"minus", "list-remove-symbolic"},
        {"paperclip", "mail-attachment-symbolic"},
        {"photo.artframe", "image-x-generic-symbolic"},
        {"photo.stack", "folder-pictures-symbolic"},
        {"plus", "list-add-symbolic"},
        {"rectangle.stack", "view-paged-symbolic"},
        {"square.and.arrow.down", "document-save-symbolic"},
        {"square.and.pencil", "document-edit-symbolic"},
    };
    return names;
}

QString ownIconPath(const QString& symbolName)
{
    return QStringLiteral(":/icons/") + symbolName + QStringLiteral(".svg");
}

} // namespace

void SymbolIcons::ensureTheme()
{
    static QMutex mutex;
    static bool done = false;
    QMutexLocker lock(&mutex);
    if (done)
        return;
    done = true;
    // Platforms without a desktop theme (offscreen, for one) search no system icon folder.
    QStringList searchPaths = QIcon::themeSearchPaths();
    const QStringList systemPaths = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                              QStringLiteral("icons"), QStandardPaths::LocateDirectory);
    for (const QString& path : systemPaths) {
        if (!searchPaths.contains(path))
            searchPaths.append(path);
    }
    QIcon::setThemeSearchPaths(searchPaths);
    // Without a desktop theme (offscreen, bare window managers) Qt reports none or "hicolor",
    // which holds none of the symbolic icons.
    const QString current = QIcon::themeName();
    if (current.isEmpty() || current == QLatin1String("hicolor"))
        QIcon::setThemeName(fallbackThemeName);
    if (QIcon::themeName() != fallbackThemeName)
        QIcon::setFallbackThemeName(fallbackThemeName);
}

QIcon SymbolIcons::icon(const QString& symbolName)
{
    ensureTheme();
    const QString themeName = themeIconName(symbolName);
    if (!themeName.isEmpty())
        return QIcon::fromTheme(themeName);
    const QString path = ownIconPath(symbolName);
    if (QFile::exists(path))
        return QIcon(path);
    return {};
}

QString SymbolIcons::themeIconName(const QString& symbolName)
{
    return themeNames().value(symbolName);
}

QStringList SymbolIcons::symbolNames()
{
    QStringList names = themeNames().keys();
    const QStringList own = QDir(QStringLiteral(":/icons")).entryList({QStringLiteral("*.svg")}, QDir::Files);
    for (const QString& file : own)
        names.append(file.chopped(4));
    names.sort();
    names.removeDuplicates();
    return names;
}

} // namespace brisa
