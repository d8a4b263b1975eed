#include "engine/ostrak/TagItem.h"
#include "engine/ostrak/TagName.h"
#include "platform/brisa/core/DecodingError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

#include <algorithm>

using ostrak::TagName;

class TagNameTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ordersByGroupThenName()
    {
        QList<TagName> names = {{"XMP-dc", "Title"}, {"Keys", "Title"}, {"ItemList", "Title"}, {"Keys", "Artist"},
                                {"keys", "Album"},   {"Keys", "title"}, {"", "Z"}};
        std::sort(names.begin(), names.end());
        const QList<TagName> expected = {{"", "Z"},        {"ItemList", "Title"}, {"Keys", "Artist"}, {"Keys", "Title"},
                                         {"Keys", "title"}, {"XMP-dc", "Title"},  {"keys", "Album"}};
        QCOMPARE(names, expected);
        QVERIFY(TagName("A", "B") <= TagName("A", "B"));
        QVERIFY(TagName("A", "C") > TagName("A", "B"));
        QVERIFY(!(TagName("A", "B") < TagName("A", "B")));
    }

    void equalityAndHashUseBothParts()
    {
        QVERIFY(TagName("Keys", "Title") == TagName("Keys", "Title"));
        QVERIFY(TagName("Keys", "Title") != TagName("UserData", "Title"));
        QVERIFY(TagName("Keys", "Title") != TagName("Keys", "DisplayName"));
        // The parts stay apart: "A:B" + "C" is not "A" + "B:C".
        QVERIFY(TagName("A:B", "C") != TagName("A", "B:C"));
        QCOMPARE(qHash(TagName("Keys", "Title")), qHash(TagName("Keys", "Title")));
        QSet<TagName> set = {{"Keys", "Title"}, {"Keys", "Title"}, {"ItemList", "Title"}};
        QCOMPARE(set.size(), 2);
    }

    void rawValueJoinsWithAColon_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("raw");
        QTest::newRow("plain") << "ExifIFD" << "DateTimeOriginal" << "ExifIFD:DateTimeOriginal";
        QTest::newRow("compound group") << "Track1:Copy1" << "HandlerType" << "Track1:Copy1:HandlerType";
        QTest::newRow("no group") << "" << "FileName" << "FileName";
    }

    void rawValueJoinsWithAColon()
    {
        QFETCH(QString, group);
        QFETCH(QString, name);
        QFETCH(QString, raw);
        QCOMPARE(TagName(group, name).rawValue(), raw);
        QCOMPARE(TagName::fromRawValue(raw), TagName(group, name));
    }

    void jsonFormRoundTrips()
    {
        const TagName name("XMP-dc", QStringLiteral("Ti\u00e9tle \"q\""));
        const QJsonValue json = name.toJson();
        QCOMPARE(QJsonDocument(json.toObject()).toJson(QJsonDocument::Compact),
                 QByteArray("{\"group\":\"XMP-dc\",\"name\":\"Ti\xc3\xa9tle \\\"q\\\"\"}"));
        const QByteArray stored = QJsonDocument(QJsonArray{json, TagName().toJson()}).toJson();
        const QJsonArray read = QJsonDocument::fromJson(stored).array();
        QCOMPARE(TagName::fromJson(read[0]), name);
        QCOMPARE(TagName::fromJson(read[1]), TagName());
    }

    void jsonFormRejectsOtherShapes_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("text") << QByteArray("[\"Keys:Title\"]");
        QTest::newRow("missing name") << QByteArray("[{\"group\":\"Keys\"}]");
        QTest::newRow("number name") << QByteArray("[{\"group\":\"Keys\",\"name\":3}]");
        QTest::newRow("null") << QByteArray("[null]");
    }

    void jsonFormRejectsOtherShapes()
    {
        QFETCH(QByteArray, json);
        QCOMPARE(TagName::fromJson(QJsonDocument::fromJson(json).array().first()), std::nullopt);
    }

    void codedThroughBrisa()
    {
        const QList<TagName> names = {{"Keys", "Title"}, {"ExifIFD", "DateTimeOriginal"}};
        const QByteArray stored = brisa::encodeJson(names);
        QCOMPARE(stored, QByteArray("[{\"group\":\"Keys\",\"name\":\"Title\"},"
                                    "{\"group\":\"ExifIFD\",\"name\":\"DateTimeOriginal\"}]"));
        QCOMPARE(brisa::decodeJson<QList<TagName>>(stored), names);
        try {
            brisa::decodeJson<QList<TagName>>("[{\"group\":\"Keys\",\"name\":\"Title\"},{\"group\":\"Keys\"}]");
            QFAIL("a name without its tag decoded");
        } catch (const brisa::DecodingError& error) {
            QCOMPARE(error.kind(), brisa::DecodingError::Kind::KeyNotFound);
            QCOMPARE(error.codingPath(), (QStringList{brisa::indexCodingKey(1)}));
        }
    }

    void itemComesFromTheSharedDatabase()
    {
        const auto item = TagName("IFD0", "Orientation").item();
        QVERIFY(item);
        QCOMPARE(item->tagName(), TagName("IFD0", "Orientation"));
        QVERIFY(!TagName("IFD0", "NoSuchTag").item());
    }
};

QTEST_GUILESS_MAIN(TagNameTest)
#include "TagNameTest.moc"
