#include "map/LocationEditWindowController.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace corvelle;

namespace {

const halvex::Location zurich(47.3769, 8.5417, 408.0, QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC), 90.0,
                              halvex::TextLocation(u"Café"_qs, u"Limmatquai"_qs, u"12"_qs, u"Zürich"_qs, u"ZH"_qs,
                                                   u"8001"_qs, u"Switzerland"_qs, u"CH"_qs));

} // namespace

class LocationEditWindowControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Save stays disabled until the latitude and longitude are numbers in range, and the
    // altitude and direction are empty or numbers.
    void saveNeedsAPlaceInRange_data()
    {
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("altitude");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << "" << "" << "" << "" << false;
        QTest::newRow("latitude only") << "47.5" << "" << "" << "" << false;
        QTest::newRow("both") << "47.5" << "8.25" << "" << "" << true;
        QTest::newRow("edges") << "-90" << "180" << "" << "" << true;
        QTest::newRow("latitude beyond a pole") << "90.0001" << "8" << "" << "" << false;
        QTest::newRow("longitude beyond") << "47" << "-180.5" << "" << "" << false;
        QTest::newRow("not a number") << "47°N" << "8" << "" << "" << false;
        QTest::newRow("spaces around") << " 47.5 " << " 8 " << "" << "" << true;
        QTest::newRow("altitude and direction") << "47" << "8" << "-12.5" << "359.5" << true;
        QTest::newRow("altitude not a number") << "47" << "8" << "high" << "" << false;
        QTest::newRow("direction beyond a turn") << "47" << "8" << "" << "361" << false;
    }

    void saveNeedsAPlaceInRange()
    {
        QFETCH(QString, latitude);
        QFETCH(QString, longitude);
        QFETCH(QString, altitude);
        QFETCH(QString, direction);
        QFETCH(bool, enabled);
        LocationEditWindowController sheet;
        sheet.show();
        QTest::keyClicks(sheet.latitudeField(), latitude);
        QTest::keyClicks(sheet.longitudeField(), longitude);
        QTest::keyClicks(sheet.altitudeField(), altitude);
        QTest::keyClicks(sheet.directionField(), direction);
        QCOMPARE(sheet.applyButton()->isEnabled(), enabled);
        QCOMPARE(sheet.problem().isEmpty(), enabled);
        // Return does not get round a disabled Save.
        QTest::keyClick(sheet.latitudeField(), Qt::Key_Return);
        QCOMPARE(sheet.result(), enabled ? 1 : 0);
        QCOMPARE(sheet.location().has_value(), enabled);
    }

    // The place into the fields with at least 8 digits, and back: emptied fields remove their
    // part, the date stays.
    void editsAPlace()
    {
        LocationEditWindowController sheet;
        sheet.setLocation(zurich);
        sheet.show();
        QCOMPARE(sheet.latitudeField()->text(), u"47.37690000"_qs);
        QCOMPARE(sheet.longitudeField()->text(), u"8.54170000"_qs);
        QCOMPARE(sheet.addressFields()[3]->text(), u"Zürich"_qs);
        sheet.altitudeField()->clear();
        sheet.addressFields()[0]->clear();
        sheet.longitudeField()->setText(u"8.5"_qs);
        sheet.applyButton()->click();
        QCOMPARE(sheet.result(), 1);
        const halvex::Location expected =
            zurich.withCoordinate(47.3769, 8.5)
                .withAltitude(std::nullopt)
                .withTextLocation(halvex::TextLocation(std::nullopt, u"Limmatquai"_qs, u"12"_qs, u"Zürich"_qs,
                                                       u"ZH"_qs, u"8001"_qs, u"Switzerland"_qs, u"CH"_qs));
        QCOMPARE(*sheet.location(), expected);
        QVERIFY(sheet.location()->date());
    }

    // Cancel keeps the place; setting an equal place keeps what was typed.
    void cancelAndEqualPlaceKeepTheFields()
    {
        LocationEditWindowController sheet;
        sheet.setLocation(zurich);
        sheet.show();
        QLineEdit* city = sheet.addressFields()[3];
        city->setText(u"Zurich"_qs);
        sheet.setLocation(halvex::Location(zurich));
        QCOMPARE(city->text(), u"Zurich"_qs);
        sheet.cancelButton()->click();
        QCOMPARE(sheet.result(), 0);
        QCOMPARE(*sheet.location(), zurich);
        // Another place replaces what was typed.
        sheet.setLocation(std::nullopt);
        QCOMPARE(city->text(), QString());
        QCOMPARE(sheet.latitudeField()->text(), QString());
        QVERIFY(!sheet.applyButton()->isEnabled());
    }
};

QTEST_MAIN(LocationEditWindowControllerTest)
#include "LocationEditWindowControllerTest.moc"
