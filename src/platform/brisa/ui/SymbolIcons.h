#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

namespace brisa {

// Icons for the symbol names the interface uses ("plus", "square.and.arrow.down", ...).
// A name maps to a freedesktop icon of the theme, or to our own SVG under :/icons when the
// theme has nothing that fits. An unknown name gives a null icon.
class SymbolIcons {
public:
    // Installs the icon theme once: the platform's theme when it has one, with Adwaita behind it.
    static void ensureTheme();

    static QIcon icon(const QString& symbolName);

    // The theme icon a symbol maps to; empty for our own SVGs and for unknown names.
    static QString themeIconName(const QString& symbolName);
    // Every symbol name with an icon, sorted.
    static QStringList symbolNames();

    static const QString fallbackThemeName;
};

} // namespace brisa
