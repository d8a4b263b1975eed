#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/ExifToolProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace ostrak;

// The tag reader answers the read of every tag in place of ExifTool. Its answer must be
// ExifTool's, byte for byte, on both channels: every file kind, a damaged movie, a file that
// is not what its name says, names with spaces, accents, quotes, a dollar sign, a newline and
// a leading dash, and a file that does not exist.
class TagReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // ExifTool gathers some structures (a GPX track read as XMP) in Perl's hash order, which
        // differs from one process to the next unless fixed.
        qputenv("PERL_HASH_SEED", "0");
        qputenv("PERL_PERTURB_KEYS", "0");
        QVERIFY(dir_.isValid());
        QVERIFY(!ExifToolProcess::tagReaderArguments().isEmpty());

        const QDir fixtures(QStringLiteral(CORVELLE_FIXTURES_DIR));
        for (const QFileInfo& file : fixtures.entryInfoList(QDir::Files, QDir::Name))
            files_.append(file.absoluteFilePath());
        const QDir dir(dir_.path());
        for (const QString& name : {QStringLiteral("-dash \"quoted\" $HOME.jpg"), QStringLiteral("two\nlines.mov"),
                                    QStringLiteral("été, 100%.m4a")}) {
            const QString copy = dir.filePath(name);
            const QString source = name.endsWith(QLatin1String(".jpg")) ? QStringLiteral("photo.jpg")
                                 : name.endsWith(QLatin1String(".mov")) ? QStringLiteral("movie.mov")
                                                                         : QStringLiteral("audio.m4a");
            QVERIFY(QFile::copy(fixtures.filePath(source), copy));
            files_.append(copy);
        }
        files_.append(dir.filePath(QStringLiteral("missing.mp4")));
    }

    void answersAsExifTool()
    {
        ExifToolPool pool(1);
        const auto read = [&pool, this](bool byReader) {
            ExifToolRequest request;
            request.arguments = ETTagStorageReader::readArguments();
            request.files = files_;
            request.readsEveryTag = byReader;
            return pool.execute(std::move(request));
        };
        // A first read sets the access dates of the new copies, which later reads leave alone.
        read(false);
        const ExifToolResult exifTool = read(false);
        const ExifToolResult reader = read(true);
        QVERIFY(exifTool.isFinished());
        QVERIFY(reader.isFinished());
        QVERIFY(exifTool.output.size() > 50000);
        QCOMPARE(reader.output, exifTool.output);
        QCOMPARE(reader.errorOutput, exifTool.errorOutput);
        QCOMPARE(reader.exitStatus, exifTool.exitStatus);
        QVERIFY(reader.errorOutput.contains(QStringLiteral("Error: File not found - ") + files_.last()));
    }

    // It serves nothing else: a request it does not know fails rather than being half done.
    void refusesOtherRequests()
    {
        ExifToolPool pool(1);
        ExifToolRequest request;
        request.arguments = {QStringLiteral("-overwrite_original"), QStringLiteral("-XMP-dc:Title=Changed")};
        request.files = {files_.first()};
        request.readsEveryTag = true;
        const ExifToolResult result = pool.execute(std::move(request));
        QCOMPARE(result.exitStatus, 1);
        QVERIFY(result.errorOutput.contains(QLatin1String("tag reader")));
        QVERIFY(result.output.isEmpty());
    }

    // A copy of ExifTool unpacked with its "lib" folder, first on PATH, runs every other
    // request: the reader must read with that library, not the system's.
    void usesTheLibraryOfTheExifToolOnPath()
    {
        const QDir dir(dir_.path());
        QVERIFY(dir.mkpath(QStringLiteral("unpacked/lib/Image/ExifTool")));
        QVERIFY(dir.mkpath(QStringLiteral("bin")));
        const auto write = [&dir](const QString& name, const QByteArray& text) {
            QFile file(dir.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
        };
        QVERIFY(write(QStringLiteral("unpacked/lib/Image/ExifTool.pm"),
                      "package Image::ExifTool;\nour $VERSION = '99.99';\n"
                      "sub new { return bless {}, shift }\nsub Options { }\n1;\n"));
        QVERIFY(write(QStringLiteral("unpacked/lib/Image/ExifTool/XMPStruct.pl"), "1;\n"));
        QVERIFY(write(QStringLiteral("unpacked/exiftool"), "#!/bin/sh\n"));
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("unpacked/exiftool")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        // Found through a link, as an unpacked copy usually is.
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("unpacked/exiftool")), dir.filePath(QStringLiteral("bin/exiftool"))));

        ExifToolRequest request;
        request.arguments = {QStringLiteral("-ver")};
        request.readsEveryTag = true;
        const ExifToolResult result = executeWithPath(QFile::encodeName(dir.filePath(QStringLiteral("bin"))) + ':' + qgetenv("PATH"),
                                                      std::move(request));
        QCOMPARE(result.output.trimmed(), QByteArray("99.99"));
    }

    // Perl without ExifTool: a read fails as ExifTool missing, not as a Perl library missing.
    void readsWithoutExifToolSayItIsMissing()
    {
        const QDir dir(dir_.path());
        QVERIFY(dir.mkpath(QStringLiteral("perl-only")));
        QVERIFY(QFile::link(QStringLiteral("/usr/bin/perl"), dir.filePath(QStringLiteral("perl-only/perl"))));

        ExifToolRequest request;
        request.arguments = ETTagStorageReader::readArguments();
        request.files = {files_.first()};
        request.readsEveryTag = true;
        const ExifToolResult result = executeWithPath(QFile::encodeName(dir.filePath(QStringLiteral("perl-only"))),
                                                      std::move(request));
        QCOMPARE(int(result.state), int(ExifToolResult::State::FailedToStart));
        QCOMPARE(result.error.key(), QStringLiteral("ExifToolNotStartedError"));
        QCOMPARE(result.error.arguments().value(0).toString(), ExifToolProcess::defaultProgram());
    }

private:
    // The request run by a pool whose processes start with PATH set to `path`.
    static ExifToolResult executeWithPath(const QByteArray& path, ExifToolRequest request)
    {
        const QByteArray saved = qgetenv("PATH");
        qputenv("PATH", path);
        ExifToolPool pool(1);
        ExifToolResult result = pool.execute(std::move(request));
        pool.shutdown(std::chrono::seconds(5));
        qputenv("PATH", saved);
        return result;
    }

    QTemporaryDir dir_;
    QStringList files_;
};

QTEST_GUILESS_MAIN(TagReaderTest)
#include "TagReaderTest.moc"
