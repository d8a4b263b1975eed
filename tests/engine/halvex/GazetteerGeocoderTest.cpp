#include "engine/halvex/places/Country.h"
#include "engine/halvex/places/GazetteerGeocoder.h"
#include "engine/halvex/places/TagEditorLocation.h"

#include "EndToEndTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace halvex;

namespace {

// A gazetteer folder of a few towns, in the package's file layout.
void writeFolder(const QString& folder, const QStringList& towns)
{
    const auto write = [&](const char* name, const QStringList& lines) {
        QFile file(folder + QLatin1Char('/') + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    };
    write("cities15000.txt", towns);
    write("admin1Codes.txt", {QStringLiteral("FJ.01\tCentral\tCentral\t1"), QStringLiteral("FR.11\tÎle-de-France\tIle-de-France\t2")});
    write("countryInfo.txt", {QStringLiteral("# comment"), QStringLiteral("FJ\tFJI\t242\tFJ\tFiji\tSuva")});
}

// One line of cities15000.txt.
QString town(const QString& name, const QString& alternates, double latitude, double longitude, const QString& country,
             const QString& region, int population)
{
    return QStringLiteral("1\t%1\t%1\t%2\t%3\t%4\tP\tPPL\t%5\t\t%6\t\t\t\t%7\t\t0\tUTC\t2020-01-01")
        .arg(name, alternates)
        .arg(latitude)
        .arg(longitude)
        .arg(country, region)
        .arg(population);
}

} // namespace

class GazetteerGeocoderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (!QFile::exists(Gazetteer::defaultFolder() + QStringLiteral("/cities15000.txt")))
            QSKIP("the gazetteer package (libtimezonemap-data) is not installed");
        geocoder_ = std::make_shared<GazetteerGeocoder>();
        QVERIFY2(geocoder_->gazetteer(), qPrintable(geocoder_->loadError()));
    }

    // Positions get the nearest town's address and keep their own numbers.
    void reverseGeocodesKnownPlaces_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("address"); // city|state|country|code; empty: none
        QTest::newRow("Paris, Eiffel tower") << 48.85826 << 2.29451 << u"Paris|Île-de-France|France|FRA"_qs;
        QTest::newRow("Zürich, Limmatquai") << 47.3717 << 8.5441 << u"Zürich|Zurich|Switzerland|CHE"_qs;
        QTest::newRow("Sydney") << -33.8568 << 151.2153 << u"Sydney|New South Wales|Australia|AUS"_qs;
        QTest::newRow("Suva, beside 180°") << -18.1416 << 178.4419 << u"Suva|Central|Fiji|FJI"_qs;
        QTest::newRow("mid-Atlantic: none within reach") << 30.0 << -40.0 << QString();
        QTest::newRow("North Pole") << 90.0 << 0.0 << QString();
    }

    void reverseGeocodesKnownPlaces()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, address);
        const std::optional<Location> place = geocoder_->reverseGeocode(Coordinate(latitude, longitude));
        if (address.isEmpty()) {
            QVERIFY(!place);
            return;
        }
        QVERIFY(place);
        QCOMPARE(place->latitude(), latitude);
        QCOMPARE(place->longitude(), longitude);
        const QStringList parts{place->city().value_or(QString()), place->state().value_or(QString()),
                                place->countryName().value_or(QString()), place->countryCode().value_or(QString())};
        QCOMPARE(parts.join(QLatin1Char('|')), address);
        // Town level only.
        QVERIFY(!place->placeName() && !place->streetName() && !place->zipCode());
    }

    void searchesByName_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hasRegion");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("first"); // name|country
        QTest::newRow("accent- and case-blind") << u"sao paulo"_qs << false << 0.0 << 0.0 << u"São Paulo|BR"_qs;
        QTest::newRow("prefix, by population") << u"Zur"_qs << false << 0.0 << 0.0 << u"Zürich|CH"_qs;
        QTest::newRow("another spelling") << u"Munich"_qs << false << 0.0 << 0.0 << u"Munich|DE"_qs;
        QTest::newRow("world: the capital") << u"Paris"_qs << false << 0.0 << 0.0 << u"Paris|FR"_qs;
        QTest::newRow("visible region first") << u"Paris"_qs << true << 33.6 << -95.5 << u"Paris|US"_qs;
        QTest::newRow("hyphen as blank") << u"aix en"_qs << false << 0.0 << 0.0 << u"Aix-en-Provence|FR"_qs;
    }

    void searchesByName()
    {
        QFETCH(QString, text);
        QFETCH(bool, hasRegion);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, first);
        std::optional<CoordinateRegion> region;
        if (hasRegion)
            region = CoordinateRegion(Coordinate(latitude, longitude), 2, 2);
        const QList<GazetteerPlace> places = geocoder_->search(text, region, 10);
        QVERIFY(!places.isEmpty());
        QCOMPARE(places.first().name + QLatin1Char('|') + places.first().countryCode, first);
        QVERIFY(places.size() <= 10);
        for (qsizetype i = 1; i < places.size(); ++i) {
            const bool inside = region && region->contains(places[i].coordinate());
            const bool before = region && region->contains(places[i - 1].coordinate());
            QVERIFY(before > inside || (before == inside && places[i - 1].population >= places[i].population));
        }
        QVERIFY(geocoder_->search(QStringLiteral("  "), region, 10).isEmpty());
        QVERIFY(geocoder_->search(QStringLiteral("Qzxqzx"), region, 10).isEmpty());
    }

    // Addresses get the position of the town they name, in their country and region.
    void geocodesAddresses_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("countryName");
        QTest::addColumn<QString>("countryCode");
        QTest::addColumn<QString>("found"); // name|country; empty: none
        QTest::newRow("most populous") << u"London"_qs << QString() << QString() << QString() << u"London|GB"_qs;
        QTest::newRow("country code") << u"London"_qs << QString() << QString() << u"CAN"_qs << u"London|CA"_qs;
        QTest::newRow("country name") << u"london"_qs << QString() << u"Canada"_qs << QString() << u"London|CA"_qs;
        QTest::newRow("region") << u"Springfield"_qs << u"Illinois"_qs << QString() << u"USA"_qs << u"Springfield|US"_qs;
        QTest::newRow("another spelling") << u"Muenchen"_qs << QString() << QString() << u"DE"_qs << u"Munich|DE"_qs;
        QTest::newRow("wrong country") << u"Zürich"_qs << QString() << QString() << u"FRA"_qs << QString();
        QTest::newRow("prefix is not a name") << u"Lond"_qs << QString() << QString() << QString() << QString();
        QTest::newRow("no town") << QString() << u"Texas"_qs << QString() << QString() << QString();
    }

    void geocodesAddresses()
    {
        QFETCH(QString, city);
        QFETCH(QString, state);
        QFETCH(QString, countryName);
        QFETCH(QString, countryCode);
        QFETCH(QString, found);
        const auto part = [](const QString& text) { return text.isNull() ? std::nullopt : std::optional<QString>(text); };
        const TextLocation address(std::nullopt, std::nullopt, std::nullopt, part(city), part(state), std::nullopt,
                                   part(countryName), part(countryCode));
        const std::optional<Location> place = geocoder_->geocode(address);
        if (found.isEmpty()) {
            QVERIFY(!place);
            return;
        }
        QVERIFY(place);
        const auto town = geocoder_->reverseGeocode(place->coordinate());
        QVERIFY(town);
        QCOMPARE(place->city(), town->city());
        QCOMPARE(*place->city() + QLatin1Char('|') + Country::fromCode(*place->countryCode())->alpha2(), found);
        if (!state.isEmpty())
            QCOMPARE(place->state(), state);
    }

    // The installed geocoder completes a file's address from its position; its position stays.
    void completesAFileAddress()
    {
        test::EndToEnd files;
        const QString path = files.copy(QStringLiteral("photo.jpg"));
        test::EndToEnd::exifTool({QStringLiteral("-IPTC:all="), QStringLiteral("-XMP:all="), path});
        const QString before = test::EndToEnd::read(path, {QStringLiteral("Composite:GPSPosition")}, true);
        const auto editor = files.open(path);
        QCOMPARE(autocompleteUsingEXIFCoordinate(*editor, geocoder_), AutocompleteResult::completed);
        QCOMPARE(files.save({editor}), QString());
        QCOMPARE(test::EndToEnd::read(path, {"IPTC:City", "IPTC:Province-State", "IPTC:Country-PrimaryLocationName",
                                             "IPTC:Country-PrimaryLocationCode"}),
                 u"Zürich\nZurich\nSwitzerland\nCHE"_qs);
        QCOMPARE(test::EndToEnd::read(path, {QStringLiteral("Composite:GPSPosition")}, true), before);
    }

    // A small folder shows the reach, the wrap at 180° and a missing or empty town file.
    void readsAFolderOfItsOwn()
    {
        QTemporaryDir folder;
        writeFolder(folder.path(), {town(u"Suva"_qs, u"Suwa"_qs, -18.14, 178.44, u"FJ"_qs, u"01"_qs, 77000),
                                    town(u"Levuka"_qs, QString(), -17.68, -179.5, u"FJ"_qs, u"01"_qs, 15000),
                                    u"broken line"_qs});
        GazetteerGeocoder geocoder(folder.path());
        QCOMPARE(geocoder.loadError(), QString());
        QCOMPARE(geocoder.gazetteer()->places().size(), size_t(2));
        // West of 180° the nearest town lies east of it.
        const auto levuka = geocoder.reverseGeocode(Coordinate(-17.7, 179.99));
        QVERIFY(levuka);
        QCOMPARE(levuka->city(), u"Levuka"_qs);
        QCOMPARE(levuka->state(), u"Central"_qs);
        QCOMPARE(levuka->countryName(), u"Fiji"_qs);
        QVERIFY(!geocoder.reverseGeocode(Coordinate(-18.14, 176.0))); // 270 km away
        QVERIFY(!geocoder.reverseGeocode(Coordinate(91, 0)));
        QCOMPARE(geocoder.search(u"suw"_qs, std::nullopt, 5).size(), 1);

        QTemporaryDir empty;
        GazetteerGeocoder missing(empty.path());
        QVERIFY(!missing.reverseGeocode(Coordinate(-18.14, 178.44)));
        QVERIFY(!missing.geocode(TextLocation({}, {}, {}, u"Suva"_qs, {}, {}, {}, {})));
        QVERIFY(missing.search(u"Suva"_qs, std::nullopt, 5).isEmpty());
        QVERIFY2(missing.loadError().startsWith(empty.path() + u"/cities15000.txt: "_qs), qPrintable(missing.loadError()));

        writeFolder(empty.path(), {u"# nothing but a comment"_qs});
        QVERIFY(!Gazetteer::load(empty.path()));
    }

private:
    std::shared_ptr<GazetteerGeocoder> geocoder_;
};

QTEST_GUILESS_MAIN(GazetteerGeocoderTest)
#include "GazetteerGeocoderTest.moc"
