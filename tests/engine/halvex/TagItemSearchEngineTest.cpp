#include "engine/halvex/tags/TagItemSearchEngine.h"
#include "engine/halvex/tags/TagStreamSearchEngine.h"
#include "engine/ostrak/TagDatabase.h"
#include "engine/ostrak/TagItemData.h"

#include <QtTest>

using halvex::TagItemSearchEngine;
using halvex::TagItemSearchRequest;
using halvex::TagStreamSearchEngine;
using halvex::TagStreamSearchRequest;
using ostrak::TagItem;
using ostrak::TagName;
using ostrak::TagStream;

namespace {

TagItem makeItem(const QString& group, const QString& name, const QString& title)
{
    auto data = std::make_shared<ostrak::TagItemData>();
    data->name = TagName(group, name);
    data->description = title;
    return TagItem(data);
}

// Titles and names chosen so that each rule has an item that passes it and one that fails it.
const QList<TagItem>& sampleItems()
{
    static const QList<TagItem> items{
        makeItem("GPS", "GPSLatitude", "GPS Latitude"),
        makeItem("GPS", "GPSLongitude", "GPS Longitude"),
        makeItem("XMP-exif", "GPSLatitudeRef", "Lat Ref GPS"),
        makeItem("IFD0", "Make", "Camera Make"),
        makeItem("IFD0", "Model", "Camera Model Name"),
        makeItem("Keys", "Title", "Headline"),
        makeItem("XMP-dc", "Description", "Légende"),
        makeItem("XMP-xmp", "Label", "Ｌａｂｅｌ"),
    };
    return items;
}

QStringList namesOf(const QList<TagItem>& items)
{
    QStringList names;
    for (const TagItem& item : items)
        names << item.tagName().name();
    return names;
}

} // namespace

class TagItemSearchEngineTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wordsMatchInOrderIgnoringCaseAccentsAndWidth_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        const QStringList all = namesOf(sampleItems());
        QTest::newRow("no words") << QString() << all;
        QTest::newRow("blanks only") << QStringLiteral("  \t \n ") << all;
        QTest::newRow("one word") << QStringLiteral("latitude") << QStringList{"GPSLatitude", "GPSLatitudeRef"};
        QTest::newRow("capitals") << QStringLiteral("LATITUDE") << QStringList{"GPSLatitude", "GPSLatitudeRef"};
        QTest::newRow("accented typed") << QStringLiteral("latítude") << QStringList{"GPSLatitude", "GPSLatitudeRef"};
        QTest::newRow("accented title") << QStringLiteral("legende") << QStringList{"Description"};
        QTest::newRow("full-width title") << QStringLiteral("label") << QStringList{"Label"};
        QTest::newRow("full-width typed") << QStringLiteral("ｍａｋｅ") << QStringList{"Make"};
        QTest::newRow("two words in order") << QStringLiteral("gps lat") << QStringList{"GPSLatitude", "GPSLatitudeRef"};
        // "Lat Ref GPS" holds gps after lat only in its title; its tag name has lat after gps.
        QTest::newRow("two words reversed") << QStringLiteral("lat gps") << QStringList{"GPSLatitudeRef"};
        QTest::newRow("repeated blanks") << QStringLiteral("  gps    long  ") << QStringList{"GPSLongitude"};
        QTest::newRow("words out of order") << QStringLiteral("make camera") << QStringList{};
        QTest::newRow("three words") << QStringLiteral("camera model name") << QStringList{"Model"};
        QTest::newRow("title fails, tag name holds") << QStringLiteral("keys title") << QStringList{"Title"};
        QTest::newRow("split between title and name") << QStringLiteral("headline keys") << QStringList{};
        QTest::newRow("no match") << QStringLiteral("aperture") << QStringList{};
    }

    void wordsMatchInOrderIgnoringCaseAccentsAndWidth()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        TagItemSearchRequest request;
        request.string = text.isNull() ? std::nullopt : std::optional<QString>(text);
        request.tagItems = sampleItems();
        QCOMPARE(namesOf(TagItemSearchEngine::resultOf(request)), names);
    }

    void filterAndOrderAndDuplicatesAreKept()
    {
        TagItemSearchRequest request;
        request.string = QStringLiteral("gps");
        request.tagItems = {sampleItems()[1], sampleItems()[0], sampleItems()[1], sampleItems()[3]};
        QCOMPARE(namesOf(TagItemSearchEngine::resultOf(request)),
                 (QStringList{"GPSLongitude", "GPSLatitude", "GPSLongitude"}));
        request.filter = [](const TagItem& item) { return item.tagName().name() != QLatin1String("GPSLatitude"); };
        QCOMPARE(namesOf(TagItemSearchEngine::resultOf(request)), (QStringList{"GPSLongitude", "GPSLongitude"}));
        request.tagItems.clear();
        QVERIFY(TagItemSearchEngine::resultOf(request).isEmpty());
    }

    void resultsArriveOnTheMainThreadWithTheStateChangeFirst()
    {
        TagItemSearchEngine engine;
        QVERIFY(!engine.isSearching());
        QVERIFY(engine.tagItems().isEmpty());
        QStringList events;
        engine.onStateChange([&] {
            QCOMPARE(QThread::currentThread(), qApp->thread());
            events << (engine.isSearching() ? "searching" : "idle") + QString::number(engine.tagItems().size());
        });
        engine.onTagItemChange([&] { events << "items" + QString::number(engine.tagItems().size()); });
        TagItemSearchRequest request;
        request.string = QStringLiteral("camera");
        request.tagItems = sampleItems();
        engine.search(request);
        QVERIFY(engine.isSearching());
        QCOMPARE(engine.request().string, request.string);
        QTRY_VERIFY(!engine.isSearching());
        QCOMPARE(events, (QStringList{"searching0", "idle0", "items2"}));
    }

    // A burst of searches over the whole database ends with the result of the last one, and the
    // engine reports searching until that result is in.
    void aBurstOfSearchesEndsOnTheLast()
    {
        const ostrak::TagDatabase& database = ostrak::TagDatabase::shared();
        QVERIFY2(database.origin() != ostrak::TagDatabase::Origin::Unavailable, qPrintable(database.errorString()));
        TagItemSearchEngine engine;
        QList<QList<TagItem>> delivered;
        engine.onTagItemChange([&] { delivered << engine.tagItems(); });
        const QStringList texts{"g", "gp", "gps", "gps l", "gps la", "gps lat", "gps lati", "gps latitude"};
        for (const QString& text : texts) {
            TagItemSearchRequest request = engine.request();
            request.string = text;
            engine.search(request);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!engine.isSearching(), 30000);
        QVERIFY(!delivered.isEmpty());
        QVERIFY(delivered.size() <= texts.size());
        TagItemSearchRequest last;
        last.string = texts.last();
        QCOMPARE(engine.tagItems(), TagItemSearchEngine::resultOf(last));
        QVERIFY(!engine.tagItems().isEmpty());
    }

    void anEngineDestroyedWhileSearchingDeliversNothing()
    {
        int deliveries = 0;
        {
            TagItemSearchEngine engine;
            engine.onTagItemChange([&] { ++deliveries; });
            engine.search(TagItemSearchRequest{});
        }
        QCoreApplication::processEvents();
        QCOMPARE(deliveries, 0);
    }

    void streamsMatchByName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("none") << QString() << QStringList{"EXIF", "XMP-dc", "QuickTime", "Keys"};
        QTest::newRow("case") << QStringLiteral("quick") << QStringList{"QuickTime"};
        QTest::newRow("two words") << QStringLiteral("xmp dc") << QStringList{"XMP-dc"};
        QTest::newRow("reversed") << QStringLiteral("dc xmp") << QStringList{};
    }

    void streamsMatchByName()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        TagStreamSearchEngine engine;
        TagStreamSearchRequest request;
        request.string = text.isNull() ? std::nullopt : std::optional<QString>(text);
        request.tagStreams = {TagStream("EXIF"), TagStream("XMP-dc"), TagStream("QuickTime"), TagStream("Keys")};
        engine.search(request);
        QTRY_VERIFY(!engine.isSearching());
        QStringList found;
        for (const TagStream& stream : engine.tagStreams())
            found << stream.name();
        QCOMPARE(found, names);
    }
};

QTEST_GUILESS_MAIN(TagItemSearchEngineTest)
#include "TagItemSearchEngineTest.moc"
