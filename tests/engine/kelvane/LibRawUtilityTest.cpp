#include "engine/kelvane/LibRawUtility.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QtConcurrent>
#include <QtTest>

using corvelle::test::fixturePath;
using kelvane::LibRawUtility;
using kelvane::RawPreview;

namespace {

QByteArray fixture(const QString& name)
{
    QFile file(fixturePath(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read fixture %s", qPrintable(name));
    return file.readAll();
}

// Brightness of one pixel of an rgb8 preview.
int brightness(const RawPreview& preview, int x, int y)
{
    const auto* pixel = reinterpret_cast<const uchar*>(preview.data.constData()) + y * preview.stride + x * 3;
    return pixel[0] + pixel[1] + pixel[2];
}

using Selector = std::optional<RawPreview> (*)(const QByteArray&);

} // namespace

Q_DECLARE_METATYPE(Selector)

class LibRawUtilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void thumbnailIsTheEmbeddedPreviewWithItsOrientation()
    {
        const std::optional<RawPreview> preview = LibRawUtility::preview4FromData(fixture("raw.dng"));
        QVERIFY(preview);
        QCOMPARE(preview->format, RawPreview::Format::encoded);
        QVERIFY(preview->data.startsWith("\xFF\xD8"));
        QCOMPARE(preview->width, 64);
        QCOMPARE(preview->height, 48);
        // Stored as the sensor saw it: the caller turns it by the file's orientation.
        QCOMPARE(preview->orientation, 6);
    }

    // The 64x48 embedded preview is smaller than the 80x60 half-size picture of the sensor.
    void largePreviewDemosaicsWhenTheEmbeddedOneIsSmaller()
    {
        const std::optional<RawPreview> preview = LibRawUtility::preview2FromData(fixture("raw.dng"));
        QVERIFY(preview);
        QCOMPARE(preview->format, RawPreview::Format::rgb8);
        QCOMPARE(preview->orientation, 1);
        // Turned upright (orientation 6): 120x160 sensor data at half size.
        QCOMPARE(preview->width, 60);
        QCOMPARE(preview->height, 80);
        // The sensor's bright top-left corner is now top right; its dark right half is the bottom.
        QVERIFY(brightness(*preview, 59, 0) > brightness(*preview, 0, 0));
        QVERIFY(brightness(*preview, 0, 0) > brightness(*preview, 0, 79));
    }

    void withoutEmbeddedPreviewBothDemosaic_data()
    {
        QTest::addColumn<Selector>("selector");
        QTest::newRow("preview4") << Selector(&LibRawUtility::preview4FromData);
        QTest::newRow("preview2") << Selector(&LibRawUtility::preview2FromData);
    }

    void withoutEmbeddedPreviewBothDemosaic()
    {
        QFETCH(Selector, selector);
        const std::optional<RawPreview> preview = selector(fixture("raw-nopreview.dng"));
        QVERIFY(preview);
        QVERIFY(preview->isValid());
        QCOMPARE(preview->format, RawPreview::Format::rgb8);
        QCOMPARE(preview->width, 32);
        QCOMPARE(preview->height, 24);
        QCOMPARE(preview->stride, 96);
        QCOMPARE(preview->orientation, 1);
        QVERIFY(brightness(*preview, 0, 0) > brightness(*preview, 0, 23));
        QVERIFY(brightness(*preview, 0, 23) > brightness(*preview, 31, 23));
    }

    void unreadableDataGivesNone_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("thumbnail");
        QTest::addColumn<bool>("large");
        QByteArray garbage(4096, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919) >> 3);
        QByteArray badDirectory = fixture("raw-nopreview.dng");
        badDirectory[4] = char(0xF0); // IFD0 offset past the end
        QTest::newRow("empty") << QByteArray() << false << false;
        QTest::newRow("garbage") << garbage << false << false;
        QTest::newRow("tiff header only") << QByteArray("II*\0\x08\0\0\0", 8) << false << false;
        QTest::newRow("bad directory offset") << badDirectory << false << false;
        QTest::newRow("jpeg") << fixture("photo.jpg") << false << false;
        QTest::newRow("text") << fixture("notmedia.jpg") << false << false;
        QTest::newRow("cut movie") << fixture("corrupt.mp4") << false << false;
        QTest::newRow("raw cut before its directories") << fixture("raw.dng").left(600) << false << false;
        QTest::newRow("raw without preview, sensor data cut") << fixture("raw-nopreview.dng").left(3000) << false << false;
        // The directories and the preview survive; the sensor data does not.
        QTest::newRow("raw with preview, sensor data cut") << fixture("raw.dng").left(4000) << true << true;
    }

    void unreadableDataGivesNone()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, thumbnail);
        QFETCH(bool, large);
        const std::optional<RawPreview> small = LibRawUtility::preview4FromData(data);
        QCOMPARE(small.has_value(), thumbnail);
        const std::optional<RawPreview> big = LibRawUtility::preview2FromData(data);
        QCOMPARE(big.has_value(), large);
        if (big)
            QCOMPARE(big->format, RawPreview::Format::encoded);
    }

    void callsRunSideBySide()
    {
        const QByteArray data = fixture("raw-nopreview.dng");
        const QByteArray expected = LibRawUtility::preview4FromData(data)->data;
        QList<int> runs(32);
        const QList<QByteArray> results = QtConcurrent::blockingMapped(runs, [&data](int) {
            const std::optional<RawPreview> preview = LibRawUtility::preview4FromData(data);
            return preview ? preview->data : QByteArray();
        });
        for (const QByteArray& result : results)
            QCOMPARE(result, expected);
    }
};

QTEST_GUILESS_MAIN(LibRawUtilityTest)
#include "LibRawUtilityTest.moc"
