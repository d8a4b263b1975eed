#include "platform/brisa/core/KeyedJson.h"
#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/core/UserDefaultsCoders.h"

#include <QtConcurrent>
#include <QtTest>

using namespace brisa;

namespace {

enum class Fruit { Apple, BloodOrange };

struct Window {
    QString name;
    int width = 0;
    friend bool operator==(const Window&, const Window&) = default;
};

} // namespace

template<>
struct brisa::EnumStrings<Fruit> {
    static const QList<std::pair<Fruit, QString>>& table()
    {
        static const QList<std::pair<Fruit, QString>> cases{{Fruit::Apple, "apple"},
                                                            {Fruit::BloodOrange, "blood_orange"}};
        return cases;
    }
};

template<>
struct brisa::JsonCoding<Window> {
    static QJsonValue encode(const Window& window)
    {
        QJsonObject object;
        KeyedJson::encode(object, "name", window.name);
        KeyedJson::encode(object, "width", window.width);
        return object;
    }
    static Window decode(const QJsonValue& json, const QStringList& path)
    {
        const KeyedJson object(json, path);
        return {object.decode<QString>("name"), object.decode<int>("width")};
    }
};

Q_DECLARE_METATYPE(std::function<QVariant(const UserDefaults&)>)

namespace {

using Decoder = std::function<QVariant(const UserDefaults&)>;

template<class Coder, class Convert>
Decoder decoder(Convert convert)
{
    return [convert](const UserDefaults& defaults) -> QVariant {
        const auto decoded = Coder::decode(defaults, "Key");
        return decoded ? convert(*decoded) : QVariant();
    };
}

template<class Coder>
Decoder decoder()
{
    return decoder<Coder>([](const typename Coder::Value& value) { return QVariant::fromValue(value); });
}

const Decoder boolCoder = decoder<BoolUDC>();
const Decoder intCoder = decoder<IntUDC>();
const Decoder doubleCoder = decoder<CGFloatUDC>();
const Decoder stringCoder = decoder<StringUDC>();
const Decoder listCoder = decoder<StringArrayUDC>();
const Decoder fruitCoder = decoder<EnumStringUDC<Fruit>>([](Fruit f) { return QVariant(rawValue(f)); });
const Decoder windowCoder = decoder<JSONCodableUDC<Window>>(
    [](const Window& w) { return QVariant(w.name + ":" + QString::number(w.width)); });

QJsonObject windowJson(const QJsonValue& name, const QJsonValue& width)
{
    QJsonObject object{{"name", name}};
    if (!width.isUndefined())
        object.insert("width", width);
    return object;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class UserDefaultsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    int fileNumber_ = 0;

    QString freshPath() { return dir_.filePath(QStringLiteral("Settings%1.json").arg(++fileNumber_)); }

    // A copy of the file under a new name: its reader has nothing cached and parses the text.
    QString copyOf(const QString& path)
    {
        const QString copy = freshPath();
        if (!QFile::copy(path, copy))
            qFatal("cannot copy %s", qPrintable(path));
        return copy;
    }

private Q_SLOTS:
    void codersReadOnlyTheirOwnType_data()
    {
        QTest::addColumn<Decoder>("coder");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("expected");

        const QVariant none;
        QTest::newRow("bool") << boolCoder << QVariant(true) << QVariant(true);
        QTest::newRow("bool from int") << boolCoder << QVariant(1) << none;
        QTest::newRow("bool from text") << boolCoder << QVariant("true") << none;
        QTest::newRow("bool missing") << boolCoder << none << none;

        QTest::newRow("int") << intCoder << QVariant(-42) << QVariant(-42);
        QTest::newRow("int from whole double") << intCoder << QVariant(2.0) << QVariant(2);
        QTest::newRow("int from fraction") << intCoder << QVariant(2.5) << none;
        QTest::newRow("int from text") << intCoder << QVariant("42") << none;
        QTest::newRow("int from bool") << intCoder << QVariant(true) << none;
        QTest::newRow("int too large") << intCoder << QVariant(qlonglong(1) << 40) << none;
        QTest::newRow("int missing") << intCoder << none << none;

        QTest::newRow("double") << doubleCoder << QVariant(0.25) << QVariant(0.25);
        QTest::newRow("double whole negative") << doubleCoder << QVariant(-1.0) << QVariant(-1.0);
        QTest::newRow("double from int") << doubleCoder << QVariant(3) << QVariant(3.0);
        QTest::newRow("double from text") << doubleCoder << QVariant("0.5") << none;
        QTest::newRow("double from bool") << doubleCoder << QVariant(false) << none;
        QTest::newRow("double missing") << doubleCoder << none << none;

        QTest::newRow("string") << stringCoder << QVariant("Ünïcode \"quoted\"\n") << QVariant("Ünïcode \"quoted\"\n");
        QTest::newRow("string empty") << stringCoder << QVariant(QString("")) << QVariant(QString(""));
        QTest::newRow("string from int") << stringCoder << QVariant(5) << none;
        QTest::newRow("string from list") << stringCoder << QVariant(QStringList{"a"}) << none;
        QTest::newRow("string missing") << stringCoder << none << none;

        QTest::newRow("list") << listCoder << QVariant(QStringList{"a", "b"}) << QVariant(QStringList{"a", "b"});
        QTest::newRow("list empty") << listCoder << QVariant(QStringList()) << QVariant(QStringList());
        QTest::newRow("list from variant list") << listCoder << QVariant(QVariantList{"a", "b"}) << QVariant(QStringList{"a", "b"});
        QTest::newRow("list with a number") << listCoder << QVariant(QVariantList{"a", 1}) << none;
        QTest::newRow("list from text") << listCoder << QVariant("a") << none;
        QTest::newRow("list missing") << listCoder << none << none;

        QTest::newRow("enum") << fruitCoder << QVariant("blood_orange") << QVariant("blood_orange");
        QTest::newRow("enum unknown raw") << fruitCoder << QVariant("Blood_Orange") << none;
        QTest::newRow("enum from int") << fruitCoder << QVariant(1) << none;
        QTest::newRow("enum missing") << fruitCoder << none << none;

        QTest::newRow("json") << windowCoder << QVariant::fromValue(QJsonValue(windowJson("main", 640)))
                              << QVariant("main:640");
        QTest::newRow("json missing member") << windowCoder
                                             << QVariant::fromValue(QJsonValue(windowJson("main", QJsonValue::Undefined)))
                                             << none;
        QTest::newRow("json wrong member type") << windowCoder
                                                << QVariant::fromValue(QJsonValue(windowJson("main", "640")))
                                                << none;
        QTest::newRow("json from text") << windowCoder << QVariant("{\"name\":\"main\",\"width\":1}") << none;
        QTest::newRow("json missing") << windowCoder << none << none;
    }

    void codersReadOnlyTheirOwnType()
    {
        QFETCH(Decoder, coder);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, expected);

        const QString path = freshPath();
        {
            UserDefaults defaults(path);
            defaults.setObject("Other", 1);
            defaults.setObject("Key", stored);
            QCOMPARE(coder(defaults), expected);
        }
        // The same answer from the file as written, read by a domain with nothing cached.
        UserDefaults reread(copyOf(path));
        QCOMPARE(coder(reread), expected);
    }

    void typedKeysRoundTripThroughTheFile()
    {
        const EvaluedUserDefaultsKey<BoolUDC> flag("Flag", [] { return false; });
        const EvaluedUserDefaultsKey<IntUDC> count("Count", [] { return 0; });
        const EvaluedUserDefaultsKey<CGFloatUDC> scroll("ScrollY", [] { return 0.0; });
        const EvaluedUserDefaultsKey<StringUDC> name("Name", [] { return QString(); });
        const EvaluedUserDefaultsKey<StringArrayUDC> recents("Recents", [] { return QStringList(); });
        const EvaluedUserDefaultsKey<EnumStringUDC<Fruit>> fruit("Fruit", [] { return Fruit::Apple; });
        const EvaluedUserDefaultsKey<JSONCodableUDC<Window>> window("Window", [] { return Window{"none", 0}; });

        const QString path = freshPath();
        {
            UserDefaults defaults(path);
            QCOMPARE(defaults.value(window), (Window{"none", 0}));
            defaults.set(flag, true);
            defaults.set(count, 7);
            defaults.set(scroll, -1.0);
            defaults.set(name, "Tab\tand \"quotes\"");
            defaults.set(recents, {"a", "b"});
            defaults.set(fruit, Fruit::BloodOrange);
            defaults.set(window, Window{"editor", 800});
        }

        // Values keep their JSON types in the file, the JSON value embedded as an object.
        const QJsonObject file = QJsonDocument::fromJson(readAll(path)).object();
        QCOMPARE(file.value("Flag"), QJsonValue(true));
        QCOMPARE(file.value("Count"), QJsonValue(7));
        QCOMPARE(file.value("Recents"), QJsonValue(QJsonArray{"a", "b"}));
        QCOMPARE(file.value("Fruit"), QJsonValue("blood_orange"));
        QCOMPARE(file.value("Window"), QJsonValue(windowJson("editor", 800)));

        UserDefaults reread(copyOf(path));
        QCOMPARE(reread.value(flag), true);
        QCOMPARE(reread.value(count), 7);
        QCOMPARE(reread.value(scroll), -1.0);
        QCOMPARE(reread.value(name), QString("Tab\tand \"quotes\""));
        QCOMPARE(reread.value(recents), QStringList({"a", "b"}));
        QCOMPARE(reread.value(fruit), Fruit::BloodOrange);
        QCOMPARE(reread.value(window), (Window{"editor", 800}));

        reread.removeObject("Count");
        QVERIFY(!reread.contains("Count"));
        QCOMPARE(reread.value(count), 0);
        UserDefaults afterRemoval(copyOf(reread.filePath()));
        QVERIFY(!afterRemoval.contains("Count"));
        QVERIFY(afterRemoval.contains("Flag"));
    }

    void corruptFileReadsEmptyAndIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not JSON") << QByteArray("{\"Count\": 3,, garbage");
        QTest::newRow("not an object") << QByteArray("[1, 2, 3]");
    }

    void corruptFileReadsEmptyAndIsKeptAside()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        const QString path = folder.filePath("Corvelle.json");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QRegularExpression::escape("\"" + path + "\" is unreadable")));
        UserDefaults defaults(path);
        QVERIFY(!defaults.contains("Count"));
        QCOMPARE(defaults.value(EvaluedUserDefaultsKey<IntUDC>("Count", [] { return 9; })), 9);

        defaults.setObject("Count", 4);
        const QStringList aside = QDir(folder.path()).entryList({"Corvelle.json.broken-*"}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readAll(folder.filePath(aside.first())), content);
        QCOMPARE(QJsonDocument::fromJson(readAll(path)).object().value("Count"), QJsonValue(4));
    }

    void failedWriteIsReportedAndRetriedByTheNextWrite()
    {
        QTemporaryDir folder;
        // A plain file where the settings folder should be: the folder cannot be made.
        const QString blocker = folder.filePath("Corvelle");
        {
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString path = blocker + "/Corvelle.json";
        UserDefaults defaults(path);

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QRegularExpression::escape("\"" + path + "\" could not be written")));
        defaults.setObject("First", 1);
        QCOMPARE(defaults.object("First"), QVariant(1));

        QVERIFY(QFile::remove(blocker));
        QVERIFY(QDir().mkpath(blocker));
        QTest::failOnWarning(QRegularExpression("could not be written"));
        defaults.setObject("Second", 2);
        const QJsonObject file = QJsonDocument::fromJson(readAll(path)).object();
        QCOMPARE(file.value("First"), QJsonValue(1));
        QCOMPARE(file.value("Second"), QJsonValue(2));
    }

    void everyWritePostsDidSetKeyOnce()
    {
        UserDefaults defaults(freshPath());
        UserDefaults other(freshPath());
        QStringList edited;
        NoteSubscriber subscriber;
        subscriber.subscribe(UserDefaults::didSetKeyNotification, &defaults,
                             [&](const Notification& note) { edited << UserDefaults::editedKeyName(note); });

        const EvaluedUserDefaultsKey<CGFloatUDC> ratio("SplitRatio", [] { return 0.5; });
        defaults.set(ratio, 0.3);
        defaults.set(ratio, 0.3);
        defaults.removeObject("SplitRatio");
        other.setObject("SplitRatio", 1.0);
        QCOMPARE(edited, QStringList({"SplitRatio", "SplitRatio", "SplitRatio"}));

        QCOMPARE(UserDefaults::editedKeyName(Notification{"SomethingElse", &defaults, {}}), QString());
    }

    void writesFromSeveralThreadsAllReachTheFile()
    {
        const QString path = freshPath();
        int notes = 0;
        {
            UserDefaults defaults(path);
            NoteSubscriber subscriber;
            subscriber.subscribe(UserDefaults::didSetKeyNotification, &defaults,
                                 [&](const Notification&) { ++notes; });
            QList<int> workers{0, 1, 2, 3};
            QtConcurrent::blockingMap(workers, [&](int worker) {
                for (int i = 0; i < 25; ++i) {
                    defaults.setObject(QStringLiteral("W%1_%2").arg(worker).arg(i), i);
                    defaults.object(QStringLiteral("W%1_%2").arg(worker).arg(i / 2));
                }
            });
            // Notes posted off the main thread are delivered on it.
            QTRY_COMPARE(notes, 100);
        }
        UserDefaults reread(copyOf(path));
        for (int worker = 0; worker < 4; ++worker) {
            for (int i = 0; i < 25; ++i)
                QCOMPARE(reread.object(QStringLiteral("W%1_%2").arg(worker).arg(i)), QVariant(i));
        }
    }

    void launchStatistics()
    {
        UserDefaults defaults(freshPath());
        QCOMPARE(defaults.launchCount(), 0);
        QVERIFY(!defaults.firstLaunchDate().isValid());

        defaults.updateStatisticsAtLaunch();
        const QDateTime first = defaults.firstLaunchDate();
        QVERIFY(qAbs(first.secsTo(QDateTime::currentDateTimeUtc())) < 60);
        QCOMPARE(defaults.lastLaunchDate(), first);

        defaults.setObject(UserDefaults::firstLaunchDateKey, "2020-01-02T03:04:05Z");
        defaults.updateStatisticsAtLaunch();
        QCOMPARE(defaults.launchCount(), 2);
        QCOMPARE(defaults.firstLaunchDate(), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC));
        QVERIFY(defaults.lastLaunchDate() >= first);
    }

    void standardAndSuiteDomainsLiveUnderTheConfigFolder()
    {
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QCOMPARE(UserDefaults::standard().filePath(), config + "/Corvelle/Corvelle.json");
        QCOMPARE(UserDefaults::suite().filePath(), config + "/Corvelle/Engine.json");
        UserDefaults::suite().setObject("SharedKey", "shared");
        QVERIFY(!UserDefaults::standard().contains("SharedKey"));
        QVERIFY(QFile::exists(config + "/Corvelle/Engine.json"));
    }
};

QTEST_GUILESS_MAIN(UserDefaultsTest)
#include "UserDefaultsTest.moc"
