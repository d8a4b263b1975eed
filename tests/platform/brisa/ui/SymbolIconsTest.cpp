#include "platform/brisa/ui/SymbolIcons.h"

#include <QtTest>

using brisa::SymbolIcons;

class SymbolIconsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everySymbolGivesAnIcon_data()
    {
        QTest::addColumn<QString>("name");
        // The symbol names the interface asks for, plus whatever else the map knows.
        QStringList names = {
            "arrow.down", "arrow.down.doc", "arrow.left", "arrow.right",
            "arrow.triangle.2.circlepath.circle", "arrow.uturn.left.circle", "arrowshape.turn.up.right", "bolt",
            "camera.aperture", "checkmark", "checkmark.circle", "chevron.backward", "chevron.left", "circle",
            "clock", "clock.badge.checkmark", "delete.left", "doc.badge.ellipsis", "doc.on.doc", "doc.text.magnifyingglass",
            "doc.viewfinder", "ellipsis", "ellipsis.circle", "eraser.line.dashed", "exclamationmark.circle", "eye",
            "folder", "folder.badge.plus", "heart.fill", "info.circle", "line.3.horizontal.decrease.circle",
            "line.3.horizontal.decrease.circle.fill", "list.bullet.clipboard", "magnifyingglass",
            "mappin.and.ellipse", "minus", "paperclip", "photo.artframe", "photo.stack", "plus",
            "questionmark.circle", "rectangle.stack", "square.and.arrow.down", "square.and.pencil", "tag",
            "xmark.circle"};
        names += SymbolIcons::symbolNames();
        names.removeDuplicates();
        for (const QString& name : std::as_const(names))
            QTest::newRow(qPrintable(name)) << name;
    }

    void everySymbolGivesAnIcon()
    {
        QFETCH(QString, name);
        QVERIFY2(SymbolIcons::symbolNames().contains(name), "no icon is mapped for this symbol");
        const QIcon icon = SymbolIcons::icon(name);
        QVERIFY(!icon.isNull());
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        QVERIFY(!image.isNull());
        // Something is drawn: not every pixel is transparent.
        bool drawn = false;
        for (int y = 0; y < image.height() && !drawn; ++y) {
            for (int x = 0; x < image.width() && !drawn; ++x)
                drawn = qAlpha(image.pixel(x, y)) > 0;
        }
        QVERIFY(drawn);
    }

    void unknownNamesGiveNoIcon()
    {
        QVERIFY(SymbolIcons::icon(QStringLiteral("no.such.symbol")).isNull());
        QVERIFY(SymbolIcons::icon(QString()).isNull());
        QVERIFY(SymbolIcons::themeIconName(QStringLiteral("no.such.symbol")).isEmpty());
    }

    void theThemeIsSetOnce()
    {
        SymbolIcons::ensureTheme();
        const QString theme = QIcon::themeName();
        QVERIFY(!theme.isEmpty());
        QVERIFY(theme == SymbolIcons::fallbackThemeName || QIcon::fallbackThemeName() == SymbolIcons::fallbackThemeName);
        SymbolIcons::ensureTheme();
        QCOMPARE(QIcon::themeName(), theme);
    }
};

QTEST_MAIN(SymbolIconsTest)
#include "SymbolIconsTest.moc"
