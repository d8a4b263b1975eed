#include "app/settings/SupportedFileKinds.h"
#include "engine/halvex/tags/MediaType.h"

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString desktopFolder = QStringLiteral(CORVELLE_SOURCE_DIR "/resources/desktop");

const QStringList libraryTypes{"application/x-corvelle-preset", "application/x-corvelle-presets",
                               "application/x-corvelle-tagset", "application/x-corvelle-tagsset"};

QString desktopEntryValue(const QString& key)
{
    QFile file(desktopFolder + QStringLiteral("/corvelle.desktop"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return {};
}

// Runs a program to its end; its exit code, -1 when it could not run.
int run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = process.readAll();
    return process.exitCode();
}

} // namespace

class DesktopIntegrationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void desktopEntryValidates()
    {
        QByteArray output;
        QCOMPARE(run(QStringLiteral("desktop-file-validate"), {desktopFolder + QStringLiteral("/corvelle.desktop")}, &output),
                 0);
        QVERIFY2(output.trimmed().isEmpty(), output.constData());
        // Several files at once, as the program takes them.
        QCOMPARE(desktopEntryValue(QStringLiteral("Exec")), QStringLiteral("corvelle %F"));
    }

    void desktopEntryOffersTheMediaTypesAndLibraryFiles()
    {
        const QStringList offered = desktopEntryValue(QStringLiteral("MimeType")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& type : libraryTypes)
            QVERIFY2(offered.contains(type), qPrintable(type));
        const QMimeDatabase database;
        for (const halvex::MediaType& type : halvex::MediaType::types(corvelle::supportedFileKinds())) {
            if (type.kind() != halvex::MediaKind::movie && type.kind() != halvex::MediaKind::audio)
                continue;
            const QMimeType mime = database.mimeTypeForFile(QStringLiteral("file.") + type.preferredExtension(),
                                                            QMimeDatabase::MatchExtension);
            if (mime.isDefault())
                continue; // the desktop knows no type for it
            QVERIFY2(offered.contains(mime.name()), qPrintable(type.identifier() + QLatin1Char(' ') + mime.name()));
        }
    }

    void libraryFileTypesParse()
    {
        QFile file(desktopFolder + QStringLiteral("/corvelle.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList types;
        QStringList globs;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("mime-type"))
                types << xml.attributes().value(QLatin1String("type")).toString();
            else if (xml.name() == QLatin1String("glob"))
                globs << xml.attributes().value(QLatin1String("pattern")).toString();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(types, libraryTypes);
        QCOMPARE(globs, (QStringList{"*.cvpreset", "*.cvpresets", "*.cvtagset", "*.cvtagsset"}));
    }

    // What `make install` puts in place, and the type database the desktop builds from it.
    void installPutsTheDesktopFilesInPlace()
    {
        QTemporaryDir prefix;
        QByteArray output;
        QCOMPARE(run(QStringLiteral("cmake"), {"--install", CORVELLE_BUILD_DIR, "--prefix", prefix.path()}, &output), 0);
        const QDir root(prefix.path());
        for (const char* path : {"bin/corvelle", "share/applications/corvelle.desktop",
                                 "share/mime/packages/corvelle.xml", "share/icons/hicolor/scalable/apps/corvelle.svg"})
            QVERIFY2(QFileInfo::exists(root.filePath(QString::fromLatin1(path))), path);

        QFile globs(root.filePath(QStringLiteral("share/mime/globs2")));
        QVERIFY2(globs.open(QIODevice::ReadOnly), output.constData());
        const QString known = QString::fromUtf8(globs.readAll());
        for (const char* line : {"application/x-corvelle-preset:*.cvpreset", "application/x-corvelle-presets:*.cvpresets",
                                 "application/x-corvelle-tagset:*.cvtagset", "application/x-corvelle-tagsset:*.cvtagsset"})
            QVERIFY2(known.contains(QString::fromLatin1(line)), line);
    }
};

QTEST_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
