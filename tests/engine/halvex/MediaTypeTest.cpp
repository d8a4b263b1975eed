#include "engine/halvex/tags/MediaType.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using halvex::MediaKind;
using halvex::MediaType;

namespace {

QSet<QString> exifToolExtensions(const QString& option)
{
    QProcess process;
    process.start(QStringLiteral("exiftool"), {option});
    if (!process.waitForFinished() || process.exitCode() != 0)
        return {};
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    lines.removeFirst(); // "Supported file extensions:"
    const QStringList words = lines.join(' ').split(' ', Qt::SkipEmptyParts);
    return QSet<QString>(words.begin(), words.end());
}

QString identifierOf(const std::optional<MediaType>& type)
{
    return type ? type->identifier() : QString();
}

} // namespace

class MediaTypeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findsTypeByExtension_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<MediaKind>("kind");
        QTest::newRow("movie") << "mov" << "MOV" << MediaKind::movie;
        QTest::newRow("upper case") << "MOV" << "MOV" << MediaKind::movie;
        QTest::newRow("mixed case, second extension") << "Qt" << "MOV" << MediaKind::movie;
        QTest::newRow("leading dot") << ".mp4" << "MP4" << MediaKind::movie;
        QTest::newRow("blanks around") << " m4v " << "M4V" << MediaKind::movie;
        QTest::newRow("audio") << "M4A" << "M4A" << MediaKind::audio;
        QTest::newRow("audio, read only") << "flac" << "FLAC" << MediaKind::audio;
        QTest::newRow("image") << "JPEG" << "JPEG" << MediaKind::image;
        QTest::newRow("raw image") << "nef" << "NEF" << MediaKind::image;
        QTest::newRow("sidecar") << "xmp" << "XMP" << MediaKind::sidecar;
        QTest::newRow("document") << "PDF" << "PDF" << MediaKind::other;
        QTest::newRow("unknown") << "txt" << "" << MediaKind::other;
        QTest::newRow("empty") << "" << "" << MediaKind::other;
        QTest::newRow("only a dot") << "." << "" << MediaKind::other;
        QTest::newRow("a path is no extension") << "clip.mov" << "" << MediaKind::other;
    }

    void findsTypeByExtension()
    {
        QFETCH(QString, extension);
        QFETCH(QString, identifier);
        QFETCH(MediaKind, kind);
        const auto type = MediaType::type(extension);
        QCOMPARE(identifierOf(type), identifier);
        if (type)
            QCOMPARE(type->kind(), kind);
    }

    void findsTypeOfUrl_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // "dir" makes a folder, "-" nothing
        QTest::addColumn<QString>("identifier");
        const QByteArray jpeg("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20);
        QTest::newRow("file") << "Clip.MOV" << QByteArray("data") << "MOV";
        QTest::newRow("missing file, by extension") << "missing.m4a" << QByteArray("-") << "M4A";
        QTest::newRow("extension decides over content") << "photo.mp4" << jpeg << "MP4";
        QTest::newRow("folder") << "Holiday" << QByteArray("dir") << "Folder";
        QTest::newRow("folder with a media extension") << "Trip.mov" << QByteArray("dir") << "Folder";
        QTest::newRow("no extension, by content") << "picture" << jpeg << "JPEG";
        QTest::newRow("unknown extension, by content") << "picture.bak" << jpeg << "JPEG";
        QTest::newRow("unknown text file") << "notes.txt" << QByteArray("just text\n") << "";
        QTest::newRow("empty file without extension") << "empty" << QByteArray() << "";
        QTest::newRow("missing, no extension") << "nothing" << QByteArray("-") << "";
        QTest::newRow("odd name") << "-rf ☃ clip.Mp4" << QByteArray("x") << "MP4";
    }

    void findsTypeOfUrl()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, identifier);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (content == "dir") {
            QVERIFY(QDir().mkpath(path));
        } else if (content != "-") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QCOMPARE(identifierOf(MediaType::type(QUrl::fromLocalFile(path))), identifier);
    }

    void findsTypeOfUrlWithoutAFile()
    {
        QCOMPARE(identifierOf(MediaType::type(QUrl("https://example.org/media/clip.mov?x=1"))), "MOV");
        QCOMPARE(identifierOf(MediaType::type(QUrl())), QString());
    }

    void listsTypesOfKinds()
    {
        const auto movies = MediaType::types({MediaKind::movie});
        QVERIFY(movies.contains(*MediaType::type("mov")));
        QVERIFY(movies.contains(*MediaType::type("mp4")));
        for (const auto& type : movies)
            QCOMPARE(type.kind(), MediaKind::movie);

        const auto app = MediaType::types({MediaKind::movie, MediaKind::audio, MediaKind::sidecar, MediaKind::other});
        QVERIFY(app.contains(MediaType::typeFolder()));
        QVERIFY(app.contains(*MediaType::type("pdf")));
        QVERIFY(!app.contains(*MediaType::type("jpg")));
        QVERIFY(MediaType::types({}).isEmpty());

        const auto every = MediaType::types(brisa::allCases<MediaKind>());
        QCOMPARE(every, QSet<MediaType>(MediaType::all().begin(), MediaType::all().end()));
        QCOMPARE(MediaType::all().last(), MediaType::typeFolder());
    }

    void folderTypeHasNoExtension()
    {
        const auto folder = MediaType::typeFolder();
        QVERIFY(folder.isFolder());
        QCOMPARE(folder.kind(), MediaKind::other);
        QVERIFY(folder.extensions().isEmpty());
        QVERIFY(!MediaType::type("mov")->isFolder());
    }

    // Every extension leads to one type only, ExifTool reads every type listed, and the
    // writable flag is what ExifTool can really write.
    void tableAgreesWithExifTool()
    {
        const auto readable = exifToolExtensions(QStringLiteral("-listf"));
        const auto writable = exifToolExtensions(QStringLiteral("-listwf"));
        QVERIFY2(readable.contains("MOV") && writable.contains("MOV"), "exiftool -listf failed");

        QSet<QString> seen;
        for (const auto& type : MediaType::all()) {
            if (type.isFolder())
                continue;
            QVERIFY(!type.extensions().isEmpty());
            QCOMPARE(type.preferredExtension(), type.extensions().first());
            for (const auto& extension : type.extensions()) {
                const QString upper = extension.toUpper();
                QVERIFY2(extension == extension.toLower(), qPrintable(extension));
                QVERIFY2(!seen.contains(upper), qPrintable("listed twice: " + upper));
                seen.insert(upper);
                QVERIFY2(readable.contains(upper), qPrintable("not readable: " + upper));
                QVERIFY2(writable.contains(upper) == type.isWritable(), qPrintable("writable flag: " + upper));
                QCOMPARE(MediaType::type(extension), type);
            }
        }
    }

    void kindsKeepTheirRawStrings()
    {
        QStringList raw;
        for (auto kind : brisa::allCases<MediaKind>()) {
            raw << brisa::rawValue(kind);
            QCOMPARE(brisa::caseFromRawValue<MediaKind>(raw.last()), kind);
        }
        QCOMPARE(raw, QStringList({"audio", "image", "movie", "sidecar", "other"}));
        QVERIFY(!brisa::caseFromRawValue<MediaKind>("Movie"));
    }
};

QTEST_GUILESS_MAIN(MediaTypeTest)
#include "MediaTypeTest.moc"
