#include "platform/brisa/core/DateHelpers.h"
#include "platform/brisa/core/RealNumber.h"
#include "platform/brisa/core/StringHelpers.h"

#include <QtTest>

using namespace brisa;

class StringHelpersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void containsAllWords_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");

        QTest::newRow("in order, any case") << QStringList{"blue", "sky"} << "Blue and a clear SKY" << true;
        QTest::newRow("out of order") << QStringList{"blue", "sky"} << "sky so blue" << false;
        QTest::newRow("out of order, repeated after") << QStringList{"blue", "sky"} << "sky so blue sky" << true;
        QTest::newRow("no overlap") << QStringList{"ab", "ba"} << "aba" << false;
        QTest::newRow("same word twice needs two") << QStringList{"sea", "sea"} << "seaside" << false;
        QTest::newRow("same word twice") << QStringList{"sea", "sea"} << "sea and sea" << true;
        QTest::newRow("inside words") << QStringList{"ach", "ach"} << "beach reach" << true;
        QTest::newRow("missing word") << QStringList{"blue", "green"} << "blue sky" << false;
        QTest::newRow("empty list") << QStringList{} << "anything" << true;
        QTest::newRow("empty list, empty text") << QStringList{} << "" << true;
        QTest::newRow("only empty words") << QStringList{"", ""} << "" << true;
        QTest::newRow("empty words skipped") << QStringList{"", "sky", ""} << "blue sky" << true;
        QTest::newRow("word in empty text") << QStringList{"a"} << "" << false;
        QTest::newRow("accent in word") << QStringList{"café"} << "CAFE NOIR" << true;
        QTest::newRow("accent in text") << QStringList{"resume"} << "Résumé.pdf" << true;
        QTest::newRow("decomposed accent") << QStringList{"cafe\u0301"} << "Café" << true;
        QTest::newRow("full width") << QStringList{"abc"} << "\uFF21\uFF22\uFF23" << true;
        QTest::newRow("half width katakana") << QStringList{"\u30AB"} << "\uFF76" << true;
        QTest::newRow("different letter") << QStringList{"o"} << "\u00F8" << false;
    }

    void containsAllWords()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(brisa::containsAllWords(words, text), expected);
    }

    void textHelpers()
    {
        QCOMPARE(nonBlank(" a "), std::optional<QString>(" a "));
        QVERIFY(!nonBlank(""));
        QVERIFY(!nonBlank(" \t\n"));

        QCOMPARE(reducedStringAtEnd("abcdef", 3), QString("abc"));
        QCOMPARE(reducedStringAtEnd("ab", 3), QString("ab"));
        // A character outside the basic plane is two UTF-16 units: never cut in half.
        QCOMPARE(reducedStringAtEnd("a\U0001F600b", 2), QString("a"));

        QCOMPARE(removedPrefix("TagName", "Tag"), QString("Name"));
        QCOMPARE(removedPrefix("Name", "Tag"), QString("Name"));

        const QString home = QDir::homePath();
        QCOMPARE(abbreviateTildeInPath(home + "/Movies/a.mov"), QString("~/Movies/a.mov"));
        QCOMPARE(abbreviateTildeInPath(home), QString("~"));
        QCOMPARE(abbreviateTildeInPath(home + "other/a.mov"), home + "other/a.mov");
        QCOMPARE(abbreviateTildeInPath("/tmp/a.mov"), QString("/tmp/a.mov"));
    }

    void fractions_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("numerator");
        QTest::addColumn<qint64>("denominator");
        QTest::newRow("1/250") << 0.004 << qint64(1) << qint64(250);
        QTest::newRow("1/3") << 1.0 / 3 << qint64(1) << qint64(3);
        QTest::newRow("whole") << 2.0 << qint64(2) << qint64(1);
        QTest::newRow("zero") << 0.0 << qint64(0) << qint64(1);
        QTest::newRow("negative") << -0.5 << qint64(-1) << qint64(2);
        QTest::newRow("1/8000") << 0.000125 << qint64(1) << qint64(8000);
        QTest::newRow("pi") << M_PI << qint64(355) << qint64(113);
    }

    void fractions()
    {
        QFETCH(double, value);
        QFETCH(qint64, numerator);
        QFETCH(qint64, denominator);
        const std::optional<Fraction> found = fraction(value, 1e-06);
        QVERIFY(found.has_value());
        QCOMPARE(found->numerator, numerator);
        QCOMPARE(found->denominator, denominator);
        QVERIFY(!fraction(qInf(), 1e-06));
        QVERIFY(!fraction(qQNaN(), 1e-06));
    }

    void utcDates()
    {
        const QDateTime date(QDate(2021, 7, 4), QTime(13, 5, 59), Qt::UTC);
        QCOMPARE(utcFormatted(date), QString("2021-07-04T13:05:59Z"));
        QCOMPARE(dateFromUTCFormatted("2021-07-04T13:05:59Z"), date);
        QVERIFY(!dateFromUTCFormatted("2021-07-04 13:05:59").isValid());
        QVERIFY(qAbs(yesterday().secsTo(QDateTime::currentDateTime()) - 86400) < 60);
    }
};

QTEST_GUILESS_MAIN(StringHelpersTest)
#include "StringHelpersTest.moc"
