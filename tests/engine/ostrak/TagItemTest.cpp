#include "engine/ostrak/TagDatabase.h"
#include "engine/ostrak/TagItem.h"

#include <QtConcurrent>
#include <QtTest>

using ostrak::TagDatabase;
using ostrak::TagItem;
using ostrak::TagName;

using NamedItem = TagItem (*)();
Q_DECLARE_METATYPE(NamedItem)

class TagItemTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        const TagDatabase& database = TagDatabase::shared();
        QVERIFY2(database.origin() != TagDatabase::Origin::Unavailable, qPrintable(database.errorString()));
    }

    void namedItemsResolveToExifToolTags_data()
    {
        QTest::addColumn<NamedItem>("item");
        QTest::addColumn<QString>("raw");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("type");

        const auto row = [](const char* name, NamedItem item, const char* raw, bool writable, const char* type) {
            QTest::newRow(name) << item << QString::fromLatin1(raw) << writable << QString::fromLatin1(type);
        };
        row("file name", &TagItem::itemFileFileName, "System:FileName", true, "string");
        row("file path", &TagItem::itemFileFilePath, "System:FilePath", false, "string");
        row("date original", &TagItem::itemEXIFDateTimeOriginal, "ExifIFD:DateTimeOriginal", true, "datetime");
        row("make", &TagItem::itemEXIFMake, "IFD0:Make", true, "string");
        row("orientation", &TagItem::itemEXIFOrientation, "IFD0:Orientation", true, "int16u");
        row("image description", &TagItem::itemEXIFImageDescription, "IFD0:ImageDescription", true, "longstring");
        row("gps date", &TagItem::itemEXIFGPSDateStamp, "GPS:GPSDateStamp", true, "partialdate");
        row("gps time", &TagItem::itemEXIFGPSTimeStamp, "GPS:GPSTimeStamp", true, "partialtime");
        row("cover art", &TagItem::itemQuickTimeCoverArt, "ItemList:CoverArt", true, "base64image");
        row("name", &TagItem::itemQuickTimeName, "ItemList:Title", true, "string");
        row("title", &TagItem::itemQuickTimeTitle, "Keys:Title", true, "string");
        row("display name", &TagItem::itemQuickTimeDisplayName, "Keys:DisplayName", true, "string");
        row("content date", &TagItem::itemQuickTimeContentCreateDate, "ItemList:ContentCreateDate", true, "date");
        row("genre", &TagItem::itemQuickTimeGenre, "ItemList:Genre", true, "string");
        row("release date", &TagItem::itemQuickTimeReleaseDate, "ItemList:ReleaseDate", true, "date");
        row("description", &TagItem::itemQuickTimeDescription, "ItemList:Description", true, "longstring");
        row("long description", &TagItem::itemQuickTimeLongDescription, "ItemList:LongDescription", true, "longstring");
        row("rating", &TagItem::itemQuickTimeRating, "ItemList:Rating", true, "int8s");
        row("work", &TagItem::itemQuickTimeWork, "ItemList:Work", true, "string");
        row("performer", &TagItem::itemQuickTimePerformer, "ItemList:Performer", true, "string");
        row("director", &TagItem::itemQuickTimeDirector, "ItemList:Director", true, "string");
        row("producer", &TagItem::itemQuickTimeProducer, "ItemList:Producer", true, "string");
        row("composer", &TagItem::itemQuickTimeComposer, "ItemList:Composer", true, "string");
        row("executive producer", &TagItem::itemQuickTimeExecutiveProducer, "ItemList:ExecutiveProducer", true, "string");
        row("copyright", &TagItem::itemQuickTimeCopyright, "ItemList:Copyright", true, "string");
        row("media type", &TagItem::itemQuickTimeMediaType, "ItemList:MediaType", true, "int8s");
        row("content rating", &TagItem::itemQuickTimeContentRating, "iTunes:ContentRating", false, "string");
        row("content id", &TagItem::itemQuickTimeContentID, "ItemList:AppleStoreCatalogID", true, "int32s");
        row("artist", &TagItem::itemQuickTimeArtist, "ItemList:Artist", true, "string");
        row("playlist", &TagItem::itemQuickTimePlaylistIndex, "ItemList:PlayListID", true, "string");
        row("store country", &TagItem::itemQuickTimeAppleStoreCountry, "ItemList:AppleStoreCountry", true, "int32s");
        row("url", &TagItem::itemQuickTimeURL, "UserData:InfoURL", true, "string");
        row("store description", &TagItem::itemQuickTimeStoreDescription, "ItemList:StoreDescription", true, "longstring");
        row("track number", &TagItem::itemQuickTimeTrackNumber, "ItemList:TrackNumber", true, "string");
        row("disk number", &TagItem::itemQuickTimeDiskNumber, "ItemList:DiskNumber", true, "string");
        row("episode", &TagItem::itemQuickTimeTVEpisode, "ItemList:TVEpisode", true, "int32s");
        row("episode id", &TagItem::itemQuickTimeTVEpisodeID, "ItemList:TVEpisodeID", true, "string");
        row("season", &TagItem::itemQuickTimeTVSeason, "ItemList:TVSeason", true, "int32u");
        row("network", &TagItem::itemQuickTimeTVNetworkName, "ItemList:TVNetworkName", true, "string");
        row("cast", &TagItem::itemPLISTCast, "XML:Cast", false, "string");
        row("codirectors", &TagItem::itemPLISTCodirectors, "XML:Codirectors", false, "string");
        row("directors", &TagItem::itemPLISTDirectors, "XML:Directors", false, "string");
        row("producers", &TagItem::itemPLISTProducers, "XML:Producers", false, "string");
        row("screenwriters", &TagItem::itemPLISTScreenwriters, "XML:Screenwriters", false, "string");
        row("studio", &TagItem::itemPLISTStudio, "XML:Studio", false, "string");
    }

    void namedItemsResolveToExifToolTags()
    {
        QFETCH(NamedItem, item);
        QFETCH(QString, raw);
        QFETCH(bool, writable);
        QFETCH(QString, type);
        const TagItem resolved = item();
        QCOMPARE(resolved.tagName().rawValue(), raw);
        QVERIFY2(!resolved.isFallback(), "the database does not list it");
        QCOMPARE(resolved.isWritable(), writable);
        QCOMPARE(resolved.type().rawValue(), type);
        QVERIFY(resolved.isIdenticalTo(TagDatabase::shared().item(resolved.tagName()).value()));
    }

    void allCasesIsTheWholeDatabase()
    {
        const QList<TagItem>& all = TagItem::allCases();
        QCOMPARE(all.size(), TagDatabase::shared().allItems().size());
        QVERIFY(all.size() > 20000);
        QVERIFY(all.contains(TagItem::itemEXIFOrientation()));
    }

    void itemsAreShareableAcrossThreads()
    {
        // Searches run over the whole list on other threads while the main thread reads it.
        const QList<TagItem> all = TagItem::allCases();
        const auto countDates = [all] {
            qsizetype dates = 0;
            for (const TagItem& item : all)
                dates += item.type().isDateTimeOrPartial() && item.title().contains(QLatin1String("Date")) ? 1 : 0;
            return dates;
        };
        const qsizetype expected = countDates();
        QList<QFuture<qsizetype>> searches;
        for (int i = 0; i < 8; ++i)
            searches.append(QtConcurrent::run(countDates));
        for (QFuture<qsizetype>& search : searches)
            QCOMPARE(search.result(), expected);
        QVERIFY(expected > 100);
    }

    void sameItemMeansSameName()
    {
        const TagItem renamed = TagItem::itemEXIFOrientation().renamed(TagName("IFD1", "Orientation"));
        QVERIFY(renamed != TagItem::itemEXIFOrientation());
        QCOMPARE(renamed.choices(), TagItem::itemEXIFOrientation().choices());
        QVERIFY(TagItem::fallback(TagName("IFD0", "Orientation")) == TagItem::itemEXIFOrientation());
        QCOMPARE(TagItem().tagName(), TagName());
        QCOMPARE(TagItem::itemQuickTimeName().firstDescriptiveText(), QStringLiteral("ItemList"));
        QCOMPARE(TagItem::itemQuickTimeName().secondDescriptiveText(), QStringLiteral("Title"));
    }
};

QTEST_GUILESS_MAIN(TagItemTest)
#include "TagItemTest.moc"
