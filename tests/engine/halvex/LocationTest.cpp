#include "engine/halvex/places/Location.h"
#include "engine/halvex/places/TypedValue.h"

#include <QtTest>

using halvex::Location;
using halvex::TextLocation;

namespace {

using Parts = QList<std::optional<QString>>;

TextLocation textLocation(const Parts& p)
{
    return TextLocation(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]);
}

} // namespace

Q_DECLARE_METATYPE(Parts)

class LocationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formatsAddresses_data()
    {
        QTest::addColumn<Parts>("parts"); // place, street, number, city, state, zip, country, code
        QTest::addColumn<QString>("formatted");
        QTest::addColumn<QString>("shortened");
        const std::nullopt_t no = std::nullopt;

        QTest::newRow("every part")
            << Parts{u"Tour Eiffel"_qs, u"Avenue Anatole France"_qs, u"5"_qs, u"Paris"_qs,
                     u"Île-de-France"_qs, u"75007"_qs, u"France"_qs, u"FRA"_qs}
            << u"Tour Eiffel, 5 Avenue Anatole France, 75007 Paris, Île-de-France, France"_qs
            << u"Tour Eiffel, Paris, France"_qs;
        QTest::newRow("street for a missing place, state for a missing city, code for a missing country")
            << Parts{no, u"Quai du Port"_qs, no, no, u"Provence"_qs, no, no, u"FR"_qs}
            << u"Quai du Port, Provence, FR"_qs << u"Quai du Port, Provence, FR"_qs;
        QTest::newRow("blank parts and line breaks")
            << Parts{u"  "_qs, u"Limmatquai\n"_qs, u""_qs, u" Zürich"_qs, no, no, u"Switzerland"_qs, no}
            << u"Limmatquai, Zürich, Switzerland"_qs << u"Limmatquai, Zürich, Switzerland"_qs;
        QTest::newRow("place named like its city")
            << Parts{u"Paris"_qs, no, no, u"paris"_qs, no, no, u"France"_qs, no}
            << u"Paris, France"_qs << u"Paris, France"_qs;
        QTest::newRow("nothing") << Parts(8) << QString() << QString();
    }

    void formatsAddresses()
    {
        QFETCH(Parts, parts);
        QFETCH(QString, formatted);
        QFETCH(QString, shortened);
        QCOMPARE(textLocation(parts).formattedAddress(), formatted);
        QCOMPARE(textLocation(parts).shortFormattedAddress(), shortened);
    }

    // Changing one part keeps all others; equality sees every part.
    void copiesWithOnePartChanged()
    {
        const QDateTime date(QDate(2024, 5, 1), QTime(12, 0), Qt::OffsetFromUTC, 7200);
        const TextLocation address(u"Tour Eiffel"_qs, std::nullopt, std::nullopt, u"Paris"_qs,
                                   std::nullopt, std::nullopt, u"France"_qs, u"FRA"_qs);
        const Location location(48.8584, 2.2945, 35.0, date, 120.0, address);

        QCOMPARE(location.coordinate(), halvex::Coordinate(48.8584, 2.2945));
        QCOMPARE(location.city(), std::optional<QString>(u"Paris"_qs));
        QCOMPARE(location.withDirection(120.0), location);
        QVERIFY(location.withDirection(std::nullopt) != location);
        QVERIFY(location.withAltitude(std::nullopt) != location);
        QVERIFY(location.withTextLocation({}) != location);

        const Location moved = location.withCoordinate(0.0, 0.0).withDirection(std::nullopt);
        QCOMPARE(moved.latitude(), 0.0);
        QCOMPARE(moved.direction(), std::nullopt);
        QCOMPARE(moved.altitude(), std::optional<double>(35.0));
        QCOMPARE(moved.date(), std::optional<QDateTime>(date));
        QCOMPARE(moved.textLocation(), address);

        // The same instant in another zone is the same date.
        QCOMPARE(location.withDate(date.toUTC()), location);

        const halvex::TypedValue value(location);
        QCOMPARE(value.location(), std::optional<Location>(location));
        QCOMPARE(value.coordinate(), std::nullopt);
        QCOMPARE(halvex::TypedTagValue(location.coordinate()).coordinate(),
                 std::optional<halvex::Coordinate>(location.coordinate()));
    }
};

QTEST_GUILESS_MAIN(LocationTest)
#include "LocationTest.moc"
