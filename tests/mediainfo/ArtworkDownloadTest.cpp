#include "support/FixtureMetadataServices.h"
#include "mediainfo/ArtworkCollectionViewItem.h"
#include "mediainfo/ArtworkDownload.h"

#include <QBuffer>
#include <QImageReader>
#include <QSignalSpy>
#include <QtTest>

using corvelle::ArtworkCollectionViewItem;
using corvelle::ArtworkDownload;
using corvelle::test::FixtureMetadataServices;
using cobbin::MetadataArtwork;

// Artwork images over HTTP: only a whole reply (200) is an image, and the chosen one becomes
// JPEG text for the cover art tag.
class ArtworkDownloadTest : public QObject {
    Q_OBJECT

    FixtureMetadataServices services_;

private Q_SLOTS:
    void onlyStatus200GivesAnImage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("image");
        QTest::newRow("200") << "poster.png" << true;
        QTest::newRow("206 with data") << "partial.png" << false;
        QTest::newRow("304 with data") << "cached.png" << false;
        QTest::newRow("404") << "missing.png" << false;
        QTest::newRow("stalled") << "stalled.png" << false;
    }
    void onlyStatus200GivesAnImage()
    {
        QFETCH(QString, name);
        QFETCH(bool, image);
        const std::optional<QImage> fetched = ArtworkDownload::downloadArtworkImage(services_.imageUrl(name), 1000);
        QCOMPARE(fetched.has_value(), image);
        if (fetched)
            QCOMPARE(fetched->size(), FixtureMetadataServices::posterSize);
    }

    void dataThatIsNoImageGivesNothing()
    {
        services_.override(QStringLiteral("/images/text.png"), {200, "not an image", "image/png", false});
        QVERIFY(!ArtworkDownload::downloadArtworkImage(services_.imageUrl(QStringLiteral("text.png"))));
        QVERIFY(!ArtworkDownload::downloadArtworkImage(std::nullopt));
        services_.clearOverrides();
    }

    void coverFallsBackToTheSecondAddressAndBecomesJpegText()
    {
        const MetadataArtwork artwork{services_.imageUrl(QStringLiteral("missing.png")),
                                      services_.imageUrl(QStringLiteral("small.png")),
                                      services_.imageUrl(QStringLiteral("second.png")), MetadataArtwork::Kind::poster};
        const std::optional<QImage> cover = ArtworkDownload::coverImage(artwork);
        QVERIFY(cover);
        const std::optional<QString> text = ArtworkDownload::coverArtText(*cover);
        QVERIFY(text);
        QVERIFY(!text->contains(QLatin1Char('\n')));
        QByteArray jpeg = QByteArray::fromBase64(text->toLatin1());
        QVERIFY(jpeg.startsWith("\xff\xd8\xff"));
        QBuffer buffer(&jpeg);
        QImageReader reader(&buffer);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), FixtureMetadataServices::posterSize);
        QVERIFY(!ArtworkDownload::coverArtText(QImage()));
    }

    void itemsFetchTheirPreviewOnceAndDropStaleFetches()
    {
        ArtworkCollectionViewItem item;
        QSignalSpy changed(&item, &ArtworkCollectionViewItem::contentChanged);
        QCOMPARE(item.text(), QString());
        const MetadataArtwork backdrop{services_.imageUrl(QStringLiteral("backdrop.png")),
                                       services_.imageUrl(QStringLiteral("backdrop-small.png")), std::nullopt,
                                       MetadataArtwork::Kind::backdrop};
        item.setRepresentedObject(backdrop);
        QCOMPARE(item.text(), QStringLiteral("backdrop"));
        QVERIFY(item.isLoading());
        QTRY_VERIFY(item.displayedImage().has_value());
        QVERIFY(!item.isLoading());

        // The same image address: nothing is fetched again and the image stays.
        services_.server().clearRequests();
        MetadataArtwork same = backdrop;
        same.kind = MetadataArtwork::Kind::poster;
        item.setRepresentedObject(same);
        QVERIFY(item.displayedImage().has_value());
        QCOMPARE(services_.server().requests().size(), 0);

        // A preview that fails leaves no image and no spinner.
        item.setRepresentedObject(MetadataArtwork{services_.imageUrl(QStringLiteral("x.png")),
                                                  services_.imageUrl(QStringLiteral("missing.png")), std::nullopt,
                                                  MetadataArtwork::Kind::season});
        QVERIFY(!item.displayedImage());
        QTRY_VERIFY(!item.isLoading());
        QVERIFY(!item.displayedImage());

        // Moving on while a fetch runs: its result never reaches the new artwork.
        item.setRepresentedObject(MetadataArtwork{services_.imageUrl(QStringLiteral("a.png")),
                                                  services_.imageUrl(QStringLiteral("a-small.png")), std::nullopt,
                                                  MetadataArtwork::Kind::poster});
        item.setRepresentedObject(std::nullopt);
        QCOMPARE(item.text(), QString());
        ArtworkCollectionViewItem::loadingQueue().waitForDone();
        QCoreApplication::processEvents();
        QVERIFY(!item.displayedImage());
        QVERIFY(!item.isLoading());
    }
};

QTEST_MAIN(ArtworkDownloadTest)
#include "ArtworkDownloadTest.moc"
