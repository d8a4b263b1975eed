#include "engine/halvex/places/Country.h"

#include <QSet>
#include <QtTest>

using halvex::Country;

class CountryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each code of the table names one country only, and the codes have their ISO shapes.
    void tableHoldsEveryCountryOnce()
    {
        const QList<Country>& countries = Country::allCases();
        QCOMPARE(countries.size(), 249);
        QSet<QString> codes;
        const QRegularExpression alpha3(QStringLiteral("^[A-Z]{3}$"));
        const QRegularExpression alpha2(QStringLiteral("^[A-Z]{2}$"));
        const QRegularExpression numeric(QStringLiteral("^[0-9]{3}$"));
        for (const Country& country : countries) {
            QVERIFY2(alpha3.match(country.alpha3()).hasMatch(), qPrintable(country.alpha3()));
            QVERIFY2(alpha2.match(country.alpha2()).hasMatch(), qPrintable(country.alpha3()));
            QVERIFY2(numeric.match(country.numeric()).hasMatch(), qPrintable(country.alpha3()));
            QVERIFY(!country.englishName().isEmpty());
            for (const QString& code : country.codes()) {
                QVERIFY2(!codes.contains(code), qPrintable(code));
                codes.insert(code);
            }
            QCOMPARE(Country::fromCode(country.code()), country);
        }
    }

    void findsByAnyCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("alpha3"); // empty: none
        QTest::addColumn<QString>("englishName");
        QTest::newRow("alpha-3") << "CHE" << "CHE" << "Switzerland";
        QTest::newRow("alpha-2") << "CH" << "CHE" << "Switzerland";
        QTest::newRow("numeric") << "756" << "CHE" << "Switzerland";
        QTest::newRow("lower case, blanks") << " fra\n" << "FRA" << "France";
        QTest::newRow("numeric with leading zeros") << "004" << "AFG" << "Afghanistan";
        QTest::newRow("numeric without leading zeros") << "4" << "AFG" << "Afghanistan";
        QTest::newRow("usual name") << "KOR" << "KOR" << "South Korea";
        QTest::newRow("accented name") << "CI" << "CIV" << u"Côte d'Ivoire"_qs;
        QTest::newRow("name is no code") << "France" << "" << "";
        QTest::newRow("unknown code") << "XX" << "" << "";
        QTest::newRow("numeric too long") << "0756" << "" << "";
        QTest::newRow("negative") << "-4" << "" << "";
        QTest::newRow("empty") << "" << "" << "";
    }

    void findsByAnyCode()
    {
        QFETCH(QString, text);
        QFETCH(QString, alpha3);
        QFETCH(QString, englishName);
        const std::optional<Country> country = Country::fromCode(text);
        if (alpha3.isEmpty()) {
            QCOMPARE(country, std::nullopt);
            return;
        }
        QVERIFY(country);
        QCOMPARE(country->code(), alpha3);
        QCOMPARE(country->englishName(), englishName);
    }

    void namesCountriesInTheLocaleLanguage_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        const QLocale english(QLocale::English, QLocale::UnitedKingdom);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("english") << english << "DEU" << "Germany";
        QTest::newRow("english, table name") << english << "USA" << "United States";
        QTest::newRow("german") << german << "DEU" << "Deutschland";
        QTest::newRow("german, another german-speaking country") << german << "CHE" << "Schweiz";
        QTest::newRow("german, no german locale there") << german << "JPN" << "Japan";
        QTest::newRow("c locale") << QLocale::c() << "FRA" << "France";
    }

    void namesCountriesInTheLocaleLanguage()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(Country::fromCode(code)->localizedName(locale), name);
    }

    void defaultNameFollowsTheDefaultLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::Belgium));
        const QString belgium = Country::fromCode(QStringLiteral("BE"))->localizedName();
        QLocale::setDefault(saved);
        QCOMPARE(belgium, QStringLiteral("Belgique"));
    }
};

QTEST_GUILESS_MAIN(CountryTest)
#include "CountryTest.moc"
