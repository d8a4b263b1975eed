#include "platform/brisa/core/KeyedJson.h"

#include <QtTest>

using namespace brisa;

namespace {

enum class Order { Ascending, Descending };

struct NameConstraint {
    enum class Kind { None, Contains, Matches };
    Kind kind = Kind::None;
    QString text;
    friend bool operator==(const NameConstraint&, const NameConstraint&) = default;
};

struct Filter {
    NameConstraint name;
    Order order = Order::Ascending;
    QStringList tags;
    int limit = 0;
    friend bool operator==(const Filter&, const Filter&) = default;
};

} // namespace

template<>
struct brisa::JsonCoding<Order> {
    static QJsonValue encode(const Order& order)
    {
        return KeyedJson::encodeCase(order == Order::Ascending ? "ascending" : "descending");
    }
    static Order decode(const QJsonValue& json, const QStringList& path)
    {
        return KeyedJson::decodeCase(json, path, {"ascending", "descending"}).name == "ascending"
            ? Order::Ascending
            : Order::Descending;
    }
};

template<>
struct brisa::JsonCoding<NameConstraint> {
    static QJsonValue encode(const NameConstraint& constraint)
    {
        switch (constraint.kind) {
        case NameConstraint::Kind::Contains:
            return KeyedJson::encodeCase("contains", constraint.text);
        case NameConstraint::Kind::Matches:
            return KeyedJson::encodeCase("matches", constraint.text);
        case NameConstraint::Kind::None:
            break;
        }
        return KeyedJson::encodeCase("none");
    }
    static NameConstraint decode(const QJsonValue& json, const QStringList& path)
    {
        const KeyedJson::Case found = KeyedJson::decodeCase(json, path, {"none", "contains", "matches"});
        if (found.name == "none")
            return {};
        return {found.name == "contains" ? NameConstraint::Kind::Contains : NameConstraint::Kind::Matches,
                found.payload<QString>()};
    }
};

template<>
struct brisa::JsonCoding<Filter> {
    static QJsonValue encode(const Filter& filter)
    {
        QJsonObject object;
        KeyedJson::encode(object, "name", filter.name);
        KeyedJson::encode(object, "order", filter.order);
        KeyedJson::encode(object, "tags", filter.tags);
        KeyedJson::encode(object, "limit", filter.limit);
        return object;
    }
    static Filter decode(const QJsonValue& json, const QStringList& path)
    {
        const KeyedJson object(json, path);
        return {object.decode<NameConstraint>("name"), object.decode<Order>("order"),
                object.decode<QStringList>("tags"), object.decode<int>("limit")};
    }
};

Q_DECLARE_METATYPE(DecodingError::Kind)

namespace {

const QByteArray validFilter =
    R"({"name":{"contains":{"_0":"beach"}},"order":{"descending":{}},"tags":["a","b"],"limit":3})";

QByteArray withMember(const char* key, const char* json)
{
    QJsonObject object = QJsonDocument::fromJson(validFilter).object();
    if (json)
        object.insert(key, parseJson(json));
    else
        object.remove(key);
    return QJsonDocument(object).toJson();
}

} // namespace

class JsonCodingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyedFormRoundTrips()
    {
        const Filter filter{{NameConstraint::Kind::Contains, "beach"}, Order::Descending, {"a", "b"}, 3};
        const QByteArray text = encodeJson(filter);
        QCOMPARE(QJsonDocument::fromJson(text), QJsonDocument::fromJson(validFilter));
        QCOMPARE(decodeJson<Filter>(text), filter);

        QCOMPARE(encodeJson(Order::Ascending), QByteArray(R"({"ascending":{}})"));
        QCOMPARE(encodeJson(NameConstraint{}), QByteArray(R"({"none":{}})"));
        QCOMPARE(encodeJson(QString("x\"y")), QByteArray("\"x\\\"y\""));
        QCOMPARE(decodeJson<int>(" 42 "), 42);
        QCOMPARE(decodeJson<QStringList>(R"(["a","b"])"), QStringList({"a", "b"}));
    }

    void keysThatAreNotCaseNamesAreIgnored()
    {
        QCOMPARE(decodeJson<Order>(R"({"future":{}, "descending":{}})"), Order::Descending);
        QCOMPARE(decodeJson<NameConstraint>(R"({"matches":{"_0":"^a","_1":5}})"),
                 (NameConstraint{NameConstraint::Kind::Matches, "^a"}));
    }

    void decodingErrors_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<DecodingError::Kind>("kind");
        QTest::addColumn<QStringList>("codingPath");
        QTest::addColumn<QString>("description");

        const auto mismatch = DecodingError::Kind::TypeMismatch;
        const QString invalidKeys = "Invalid number of keys found, expected one.";
        QTest::newRow("two cases") << withMember("order", R"({"ascending":{},"descending":{}})")
                                   << mismatch << QStringList{"order"} << invalidKeys;
        QTest::newRow("no case") << withMember("order", "{}") << mismatch << QStringList{"order"} << invalidKeys;
        QTest::newRow("unknown case only") << withMember("name", R"({"startsWith":{"_0":"a"}})")
                                           << mismatch << QStringList{"name"} << invalidKeys;
        QTest::newRow("missing field") << withMember("order", nullptr) << DecodingError::Kind::KeyNotFound
                                       << QStringList() << R"(No value associated with key "order".)";
        QTest::newRow("missing payload") << withMember("name", R"({"contains":{}})")
                                         << DecodingError::Kind::KeyNotFound << QStringList{"name", "contains"}
                                         << R"(No value associated with key "_0".)";
        QTest::newRow("payload of another type") << withMember("name", R"({"contains":{"_0":7}})") << mismatch
                                                 << QStringList{"name", "contains", "_0"}
                                                 << "Expected to decode String but found a number instead.";
        QTest::newRow("case value not an object") << withMember("order", R"({"ascending":true})") << mismatch
                                                  << QStringList{"order", "ascending"}
                                                  << "Expected to decode Dictionary<String, Any> but found a bool instead.";
        QTest::newRow("enum as a string") << withMember("order", R"("ascending")") << mismatch
                                          << QStringList{"order"}
                                          << "Expected to decode Dictionary<String, Any> but found a string instead.";
        QTest::newRow("list element") << withMember("tags", R"(["a",1])") << mismatch
                                      << QStringList{"tags", "Index 1"}
                                      << "Expected to decode String but found a number instead.";
        QTest::newRow("list as object") << withMember("tags", "{}") << mismatch << QStringList{"tags"}
                                        << "Expected to decode Array<Any> but found a dictionary instead.";
        QTest::newRow("null") << withMember("limit", "null") << DecodingError::Kind::ValueNotFound
                              << QStringList{"limit"} << "Expected Int value but found null instead.";
        QTest::newRow("fraction for int") << withMember("limit", "2.5") << DecodingError::Kind::DataCorrupted
                                          << QStringList{"limit"} << "Parsed JSON number <2.5> does not fit in Int.";
        QTest::newRow("top level array") << QByteArray("[]") << mismatch << QStringList()
                                         << "Expected to decode Dictionary<String, Any> but found an array instead.";
    }

    void decodingErrors()
    {
        QFETCH(QByteArray, json);
        QFETCH(DecodingError::Kind, kind);
        QFETCH(QStringList, codingPath);
        QFETCH(QString, description);
        try {
            decodeJson<Filter>(json);
            QFAIL("decoded");
        } catch (const DecodingError& error) {
            QCOMPARE(error.description(), description);
            QCOMPARE(error.codingPath(), codingPath);
            QCOMPARE(error.kind(), kind);
        }
    }

    void malformedTextIsDataCorrupted_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("cut off object") << QByteArray(R"({"order":)");
        QTest::newRow("bad scalar") << QByteArray("tru");
        QTest::newRow("two scalars") << QByteArray("1, 2");
        QTest::newRow("empty") << QByteArray("");
    }

    void malformedTextIsDataCorrupted()
    {
        QFETCH(QByteArray, text);
        try {
            decodeJson<int>(text);
            QFAIL("decoded");
        } catch (const DecodingError& error) {
            QCOMPARE(error.kind(), DecodingError::Kind::DataCorrupted);
            QVERIFY2(error.description().startsWith("The given data was not valid JSON: "),
                     qPrintable(error.description()));
            QVERIFY(QString::fromUtf8(error.what()).contains(error.description()));
        }
    }
};

QTEST_GUILESS_MAIN(JsonCodingTest)
#include "JsonCodingTest.moc"
