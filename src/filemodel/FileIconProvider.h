#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace corvelle {

// The icon of a file's type from the icon theme, the last resort of thumbnails and previews.
// Judged by the file name alone: the file is never opened, so the icon also serves as the
// answer for a file whose reading hangs. Safe on any thread: the theme is only consulted on the
// main thread, and each icon is drawn once per type and size.
class FileIconProvider {
public:
    // At most pixelSize x pixelSize (the theme's largest drawing when it has none that large).
    // Null only when the theme has none of the names, not even the generic ones.
    static QImage icon(const QString& path, int pixelSize, bool isFolder = false);

    // The theme names tried, most specific first: the type's own icon, its generic icon, those
    // of the types it derives from, then generic file icons.
    static QStringList iconNames(const QString& path, bool isFolder = false);

    // Draws the icons of the common media types at pixelSize ahead of need, one type per turn of
    // the main thread's event loop, and loads the theme and the plugins that draw it on the way.
    // Otherwise the first file of each type whose thumbnail falls back to its icon makes the main
    // thread draw it in the middle of whatever it is doing, such as scrolling a long list.
    static void prepare(int pixelSize);

private:
    static void prepareFrom(int pixelSize, int sample);
};

} // namespace corvelle
