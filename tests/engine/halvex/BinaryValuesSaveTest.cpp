#include "EndToEndTestSupport.h"
#include "engine/ostrak/TagDatabase.h"

#include <QProcess>
#include <QTest>

using halvex::test::EndToEnd;
using ostrak::TagName;

namespace {

// A small JPEG (3 by 2 pixels), made once by an image program; held here as bytes because the
// engine's tests have no image module.
const QByteArray jpeg = QByteArray::fromBase64(
    "/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAMCAgMCAgMDAwMEAwMEBQgFBQQEBQoHBwYIDAoMDAsKCwsNDhIQDQ4RDgsLEBYQERMU"
    "FRUVDA8XGBYUGBIUFRT/2wBDAQMEBAUEBQkFBQkUDQsNFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQU"
    "FBQUFBQUFBT/wAARCAACAAMDAREAAhEBAxEB/8QAFAABAAAAAAAAAAAAAAAAAAAACP/EABQQAQAAAAAAAAAAAAAAAAAAAAD/xAAV"
    "AQEBAAAAAAAAAAAAAAAAAAAHCf/EABQRAQAAAAAAAAAAAAAAAAAAAAD/2gAMAwEAAhEDEQA/ADoDFU3/2Q==");

QByteArray binaryTag(const QString& path, const QString& tag)
{
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), {QStringLiteral("-b"), QLatin1Char('-') + tag, path});
    if (!exiftool.waitForFinished(60000))
        qFatal("exiftool did not finish");
    return exiftool.readAllStandardOutput();
}

} // namespace

// Binary values staged as "base64:" text reach the file as their bytes, not as that text.
class BinaryValuesSaveTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void coverArtIsSavedAsItsBytes_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::newRow("M4A") << "audio-noart.m4a";
        QTest::newRow("MOV") << "movie.mov";
        QTest::newRow("MP4") << "movie.mp4";
    }
    void coverArtIsSavedAsItsBytes()
    {
        QFETCH(QString, fixture);
        QVERIFY(jpeg.startsWith("\xff\xd8"));
        EndToEnd files;
        const QString path = files.copy(fixture);
        const auto editor = files.open(path);
        QVERIFY(editor);
        const TagName cover(QStringLiteral("ItemList"), QStringLiteral("CoverArt"));
        const TagName description(QStringLiteral("ItemList"), QStringLiteral("Description"));
        editor->setValue(QStringLiteral("base64:") + QString::fromLatin1(jpeg.toBase64()), cover);
        // A text tag keeps such a text as it is.
        editor->setValue(QStringLiteral("base64:AAAA"), description);
        QCOMPARE(files.save({editor}), QString());
        QCOMPARE(binaryTag(path, QStringLiteral("ItemList:CoverArt")), jpeg);
        QCOMPARE(EndToEnd::read(path, {QStringLiteral("ItemList:Description")}), QStringLiteral("base64:AAAA"));
    }
};

QTEST_GUILESS_MAIN(BinaryValuesSaveTest)
#include "BinaryValuesSaveTest.moc"
