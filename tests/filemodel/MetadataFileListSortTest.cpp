#include "filemodel/FileModelTestSupport.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListSort.h"
#include "engine/ostrak/TagItem.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/core/NotificationCenter.h"

#include <QtTest>

using namespace corvelle;
using Order = MetadataFileListSort::SortOrder;
using corvelle::test::describe;
using corvelle::test::memoryFile;

namespace {

const ostrak::TagName rating("XMP-xmp", "Rating");
const ostrak::TagName make("IFD0", "Make");
const ostrak::TagName dateTimeOriginal("ExifIFD", "DateTimeOriginal");
const ostrak::TagName fileName = ostrak::TagItem::itemFileFileName().tagName();
const ostrak::TagName unknownTag("NoSuchGroup", "NoSuchTag");

// File i is named "i.mov" and holds values[i] under `tagName`; "~" holds no value.
QList<MetadataFilePointer> filesWithValues(const ostrak::TagName& tagName, const QStringList& values)
{
    QList<MetadataFilePointer> files;
    for (int i = 0; i < values.size(); ++i) {
        QList<std::pair<ostrak::TagName, QString>> stored;
        if (values.at(i) != QLatin1String("~"))
            stored.append({tagName, values.at(i)});
        files.append(memoryFile(QStringLiteral("/media/%1.mov").arg(i), stored));
    }
    return files;
}

QString order(const MetadataFileList& list)
{
    QString digits;
    for (const MetadataFilePointer& file : list.files())
        digits.append(file->filename().at(0));
    return digits;
}

void expectDecodingError(const QByteArray& json, brisa::DecodingError::Kind kind, const QStringList& path,
                         const QString& description)
{
    try {
        brisa::decodeJson<MetadataFileListSort>(json);
        QFAIL("decoded");
    } catch (const brisa::DecodingError& error) {
        QCOMPARE(int(error.kind()), int(kind));
        QCOMPARE(error.codingPath(), path);
        QCOMPARE(error.description(), description);
    }
}

} // namespace

Q_DECLARE_METATYPE(Order)
Q_DECLARE_METATYPE(brisa::DecodingError::Kind)

class MetadataFileListSortTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The tag database comes from ExifTool on first use.
        QVERIFY(rating.item());
        QVERIFY(!unknownTag.item());
    }

    // Files by the digit of their name, in list order before and after the sort. File 0 is
    // selected: its flag travels with it into the reload edition.
    void sortsByTagValue_data()
    {
        QTest::addColumn<ostrak::TagName>("tagName");
        QTest::addColumn<Order>("sortOrder");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("sorted");

        QTest::newRow("5, 3, 5 ascending") << rating << Order::ascending << QStringList{"5", "3", "5"} << "102";
        QTest::newRow("5, 3, 5 descending") << rating << Order::descending << QStringList{"5", "3", "5"} << "021";
        QTest::newRow("numbers by value") << rating << Order::ascending << QStringList{"10", "9", "100", "-1"} << "3102";
        QTest::newRow("missing first, ascending") << rating << Order::ascending << QStringList{"2", "~", "1", "~"} << "1320";
        QTest::newRow("missing first, descending") << rating << Order::descending << QStringList{"2", "~", "1", "~"} << "1302";
        QTest::newRow("unconvertible counts as missing") << rating << Order::descending << QStringList{"1", "high", "2"} << "120";
        QTest::newRow("equal values keep their order") << rating << Order::descending << QStringList{"4", "4", "4"} << "012";
        QTest::newRow("texts ignore case") << make << Order::ascending << QStringList{"banana", "Apple", "cherry"} << "102";
        QTest::newRow("texts ignore case, descending") << make << Order::descending << QStringList{"banana", "Apple", "cherry"} << "201";
        QTest::newRow("accented letters after plain ones") << make << Order::ascending << QStringList{"éclair", "eclair", "Eclair"} << "210";
        QTest::newRow("long and short texts") << make << Order::ascending
                                              << QStringList{"zebra crossing, a long name indeed", "apple",
                                                             "Apple, with a name longer than most"}
                                              << "120";
        QTest::newRow("dates by moment") << dateTimeOriginal << Order::ascending
                                         << QStringList{"2022:07:14 18:45:12", "2021:01:01 00:00:00", "2022:07:14 18:45:13"} << "102";
        QTest::newRow("names differing only by case: capitals first") << make << Order::ascending
                                                                  << QStringList{"img.jpg", "IMG.jpg", "Img.jpg"} << "120";
        QTest::newRow("digits by character, not by number") << make << Order::ascending
                                                        << QStringList{"img9", "img10", "IMG1"} << "210";
        QTest::newRow("long names equal but for case") << make << Order::descending
                                                   << QStringList{"Holiday at the lake, morning 01.jpg",
                                                                  "holiday at the lake, morning 01.jpg",
                                                                  "HOLIDAY AT THE LAKE, MORNING 01.jpg"}
                                                   << "102";
        QTest::newRow("file names") << fileName << Order::ascending << QStringList{"b.mov", "A.mov", "c.mov"} << "102";
        QTest::newRow("no tag item: nothing moves") << unknownTag << Order::ascending << QStringList{"3", "2", "1"} << "012";
    }

    void sortsByTagValue()
    {
        QFETCH(ostrak::TagName, tagName);
        QFETCH(Order, sortOrder);
        QFETCH(QStringList, values);
        QFETCH(QString, sorted);

        MetadataFileList list;
        list.setFiles(filesWithValues(tagName, values));
        list.setSelection({0});
        QStringList posts;
        // Made after what it writes to, so gone before it, even when a check fails on the way.
        brisa::NoteSubscriber subscriber;
        subscriber.subscribe(MetadataFileList::didChangeFilesNotification, &list, [&](const brisa::Notification& note) {
            posts.append(describe(*MetadataFileList::fileListEdition(note)));
        });
        const MetadataFileListSort sort(tagName, sortOrder);
        list.sort(sort);
        QCOMPARE(order(list), sorted);
        // Sorting again changes nothing.
        list.sort(sort);
        subscriber.unsubscribe();
        QCOMPARE(order(list), sorted);
        const QString reload = QStringLiteral("reload {%1}").arg(sorted.indexOf('0'));
        QCOMPARE(posts, (QStringList{reload, reload}));

        // The predicate alone agrees with the sort: a strict ordering.
        for (int i = 0; i < list.files().size(); ++i) {
            for (int j = 0; j < list.files().size(); ++j) {
                const bool before = sort.compareTagValues(*list.files().at(i), *list.files().at(j));
                QVERIFY(!(before && sort.compareTagValues(*list.files().at(j), *list.files().at(i))));
                if (j <= i)
                    QVERIFY2(!before, qPrintable(QStringLiteral("%1 before %2").arg(j).arg(i)));
            }
        }
    }

    // Texts keep the order of QString::compare ignoring case, then by case, whatever their
    // script: folded letters, characters beyond the basic plane and their folded forms, a
    // lone surrogate.
    void textsKeepTheirOrder()
    {
        const QStringList texts{
            "a", "A", "b", "ab", "aB", "straße", "STRASSE", "Straße", "ǅ", "ǆ", "Ǆ", "İstanbul", "istanbul",
            "ı", "I", "Σίσυφος", "ΣΊΣΥΦΟΣ", "σίσυφοσ", "é", "É", "e\u0301", "\uFB01", "fi",
            QString::fromUcs4(U"\U00010400x"), QString::fromUcs4(U"\U00010428x"), QString::fromUcs4(U"\U0001F600"),
            QString(QChar(0xE000)), QString(QChar(0xFFFD)), QString(QChar(0xD800)) + "a", "", " ", "_", "0", "10", "9",
            "A very long name that does not fit inside the key at all.jpg",
            "a very long name that does not fit inside the key at all.jpg",
            "A very long name that does not fit inside the key at all.JPG",
        };
        const auto expected = [](const QString& a, const QString& b) {
            const int folded = QString::compare(a, b, Qt::CaseInsensitive);
            return folded != 0 ? folded : QString::compare(a, b, Qt::CaseSensitive);
        };
        const auto sign = [](int value) { return (value > 0) - (value < 0); };
        for (const QString& a : texts) {
            for (const QString& b : texts) {
                const auto order = MetadataFileListSort::Key::compareTexts(MetadataFileListSort::Key(a),
                                                                           MetadataFileListSort::Key(b));
                QVERIFY(order);
                QVERIFY2(sign(*order) == sign(expected(a, b)), qPrintable(a + QStringLiteral(" | ") + b));
            }
        }
        QVERIFY(!MetadataFileListSort::Key::compareTexts(MetadataFileListSort::Key(QVariant(3)),
                                                         MetadataFileListSort::Key(QStringLiteral("3"))));
    }

    void emptyListIsNotSorted()
    {
        MetadataFileList list;
        int posts = 0;
        brisa::NoteSubscriber subscriber;
        subscriber.subscribe(MetadataFileList::didChangeFilesNotification, &list,
                             [&](const brisa::Notification&) { ++posts; });
        list.sort(MetadataFileListSort());
        subscriber.unsubscribe();
        QCOMPARE(posts, 0);
    }

    void realFilesByName()
    {
        MetadataFileList list;
        list.setFiles(corvelle::test::openedFixtures({"sidecar.xmp", "audio.m4a", "photo.jpg", "movie.mov"}));
        list.sort(MetadataFileListSort(fileName, Order::descending));
        QStringList names;
        for (const MetadataFilePointer& file : list.files())
            names.append(file->filename());
        QCOMPARE(names, (QStringList{"sidecar.xmp", "photo.jpg", "movie.mov", "audio.m4a"}));
    }

    void defaultsEqualityAndTitles()
    {
        const MetadataFileListSort sort;
        QCOMPARE(sort.tagName, fileName);
        QVERIFY(sort.order == Order::ascending);
        QVERIFY(MetadataFileListSort(rating, Order::ascending) != MetadataFileListSort(rating, Order::descending));
        QVERIFY(MetadataFileListSort(rating, Order::ascending) == MetadataFileListSort(rating, Order::ascending));
        QVERIFY(brisa::allCases<Order>() == (QList<Order>{Order::ascending, Order::descending}));
        QCOMPARE(MetadataFileListSort::title(Order::ascending), QString("Ascending"));
        QCOMPARE(MetadataFileListSort::title(Order::descending), QString("Descending"));
    }

    void storedForm()
    {
        QCOMPARE(brisa::JsonCoding<MetadataFileListSort>::encode(MetadataFileListSort()),
                 QJsonValue(QJsonObject{{"tagName", QJsonObject{{"group", "System"}, {"name", "FileName"}}},
                                        {"order", QJsonObject{{"ascending", QJsonObject()}}}}));
        const MetadataFileListSort sort(dateTimeOriginal, Order::descending);
        QVERIFY(brisa::decodeJson<MetadataFileListSort>(brisa::encodeJson(sort)) == sort);
        // Keys that name no case are not looked at.
        QVERIFY(brisa::decodeJson<MetadataFileListSort>(
                    R"({"tagName": {"group": "IFD0", "name": "Make"}, "order": {"descending": {}, "upward": {}}})")
                == MetadataFileListSort(make, Order::descending));
    }

    void wrongShapesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<brisa::DecodingError::Kind>("kind");
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("description");

        using Kind = brisa::DecodingError::Kind;
        const QString tag = R"("tagName": {"group": "IFD0", "name": "Make"})";
        const QString invalidKeys = "Invalid number of keys found, expected one.";
        const auto json = [&](const QString& order) { return QStringLiteral("{%1, \"order\": %2}").arg(tag, order).toUtf8(); };
        QTest::newRow("both orders") << json(R"({"ascending": {}, "descending": {}})") << Kind::TypeMismatch
                                     << QStringList{"order"} << invalidKeys;
        QTest::newRow("no order") << json("{}") << Kind::TypeMismatch << QStringList{"order"} << invalidKeys;
        QTest::newRow("unknown order only") << json(R"({"upward": {}})") << Kind::TypeMismatch << QStringList{"order"}
                                            << invalidKeys;
        QTest::newRow("order as a string") << json(R"("ascending")") << Kind::TypeMismatch << QStringList{"order"}
                                           << "Expected to decode Dictionary<String, Any> but found a string instead.";
        QTest::newRow("case value not an object") << json(R"({"ascending": true})") << Kind::TypeMismatch
                                                  << QStringList{"order", "ascending"}
                                                  << "Expected to decode Dictionary<String, Any> but found a bool instead.";
        QTest::newRow("order missing") << QStringLiteral("{%1}").arg(tag).toUtf8() << Kind::KeyNotFound << QStringList{}
                                       << R"(No value associated with key "order".)";
        QTest::newRow("tag name missing") << QByteArray(R"({"order": {"ascending": {}}})") << Kind::KeyNotFound
                                          << QStringList{} << R"(No value associated with key "tagName".)";
        QTest::newRow("an array") << QByteArray("[]") << Kind::TypeMismatch << QStringList{}
                                  << "Expected to decode Dictionary<String, Any> but found an array instead.";
    }

    void wrongShapesAreRefused()
    {
        QFETCH(QByteArray, json);
        QFETCH(brisa::DecodingError::Kind, kind);
        QFETCH(QStringList, path);
        QFETCH(QString, description);
        expectDecodingError(json, kind, path, description);
    }
};

QTEST_GUILESS_MAIN(MetadataFileListSortTest)

#include "MetadataFileListSortTest.moc"
