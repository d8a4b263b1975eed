#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

// The source tree is layered: a file includes only its own layer and those below it, so that
// the engine serves any front end, models never reach into windows, and windows never into the
// application. A violation fails here, naming the file, the line and both layers.
class IncludeLayersTest : public QObject {
    Q_OBJECT

    struct Layer {
        int rank;
        QString name;
    };

    // The first prefix that matches a path under src/ decides its layer.
    static Layer layerOf(const QString& path)
    {
        static const QList<std::pair<QString, Layer>> layers{
            {QStringLiteral("platform/brisa/core/"), {0, QStringLiteral("platform")}},
            {QStringLiteral("engine/"), {1, QStringLiteral("engine")}},
            {QStringLiteral("platform/"), {2, QStringLiteral("widgets")}},
            {QStringLiteral("widgets/"), {2, QStringLiteral("widgets")}},
            {QStringLiteral("filemodel/"), {3, QStringLiteral("models")}},
            {QStringLiteral("app/"), {5, QStringLiteral("app")}},
            {QStringLiteral("main.cpp"), {5, QStringLiteral("app")}},
        };
        for (const auto& [prefix, layer] : layers) {
            if (path.startsWith(prefix))
                return layer;
        }
        return {4, QStringLiteral("windows")};
    }

private Q_SLOTS:
    void noFileIncludesALayerAboveItsOwn()
    {
        const QDir src(QStringLiteral(CORVELLE_SOURCE_DIR "/src"));
        QVERIFY2(src.exists(), qPrintable(src.path()));
        static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""));
        QStringList violations;
        int files = 0;
        QDirIterator it(src.path(), {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = src.relativeFilePath(it.next());
            const Layer own = layerOf(path);
            QFile file(it.filePath());
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            ++files;
            int lineNumber = 0;
            while (!file.atEnd()) {
                const QString line = QString::fromUtf8(file.readLine());
                ++lineNumber;
                const QRegularExpressionMatch match = include.match(line);
                // Includes of generated forms and of files beside the source are not layered.
                if (!match.hasMatch() || !match.captured(1).contains(QLatin1Char('/')))
                    continue;
                const Layer included = layerOf(match.captured(1));
                if (included.rank > own.rank) {
                    violations << QStringLiteral("src/%1:%2 (%3) includes %4 (%5)")
                                      .arg(path)
                                      .arg(lineNumber)
                                      .arg(own.name, match.captured(1), included.name);
                }
            }
        }
        QVERIFY(files > 100);
        QVERIFY2(violations.isEmpty(), qPrintable(violations.join(QLatin1Char('\n'))));
    }

    void layersAreRankedAsDocumented()
    {
        QCOMPARE(layerOf(QStringLiteral("platform/brisa/core/UserDefaults.h")).rank, 0);
        QCOMPARE(layerOf(QStringLiteral("engine/halvex/tags/TagEditor.h")).rank, 1);
        QCOMPARE(layerOf(QStringLiteral("platform/brisa/ui/DynamicToolbar.h")).rank, 2);
        QCOMPARE(layerOf(QStringLiteral("widgets/TextLocalizer.h")).rank, 2);
        QCOMPARE(layerOf(QStringLiteral("filemodel/MetadataFileList.h")).rank, 3);
        QCOMPARE(layerOf(QStringLiteral("editor/EditorWindowController.h")).rank, 4);
        QCOMPARE(layerOf(QStringLiteral("app/AppController.h")).rank, 5);
    }
};

QTEST_GUILESS_MAIN(IncludeLayersTest)
#include "IncludeLayersTest.moc"
