#include "platform/maps/BaseMapIndex.h"
#include "platform/maps/Pn2Reader.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using maps::BaseMapIndex;
using maps::GeoPolygon;
using maps::Pn2Reader;

namespace {

// Writes polygon files byte by byte, big-endian, as the format lays them out.
struct Bytes {
    QByteArray data;
    Bytes& u8(int value)
    {
        data.append(char(quint8(value)));
        return *this;
    }
    Bytes& u16(int value) { return u8(value >> 8).u8(value); }
    Bytes& u32(quint32 value) { return u16(int(value >> 16)).u16(int(value & 0xffff)); }
    // An absolute node in degrees and its relative nodes in half arc minutes.
    Bytes& node(double latitude, double longitude, const QList<std::pair<int, int>>& relative = {})
    {
        u16(int(std::lround(latitude * 120))).u16(int(std::lround(longitude * 120))).u16(int(relative.size()));
        for (const auto& [dLatitude, dLongitude] : relative)
            u8(dLatitude).u8(dLongitude);
        return *this;
    }
};

// A file with colours: a ring with a hole, then a group of two parts (the second a line).
QByteArray sample()
{
    Bytes file;
    file.u8(2).u32(4).u8(1);
    file.u8(2).u32(7).u8(5).u32(2).node(10, 20, {{0, 120}, {120, 120}}).node(11, 20);
    file.u8(3).u32(7).u8(5).u32(1).node(10.5, 20.5, {{-12, 0}, {0, -12}});
    file.u8(4).u32(8).u8(9).u8(2);
    file.u8(2).u32(8).u32(1).node(-33.5, 151, {{-1, 1}, {1, 1}});
    file.u8(0).u32(8).u32(1).node(-89.5, -179.5, {{-127, -127}});
    return file.data;
}

QString installedFile(BaseMapIndex::Layer layer)
{
    return BaseMapIndex::defaultDataFolder() + QLatin1Char('/') + BaseMapIndex::layerPath(layer);
}

} // namespace

class Pn2ReaderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every kind of record of a small file: absolute and relative nodes, holes, a group whose
    // parts take its colour and carry none of their own, offsets past the pole kept on earth.
    void readsAHandMadeFile()
    {
        QString error;
        const auto polygons = Pn2Reader::parse(sample(), u"sample.pn2"_qs, &error);
        QVERIFY2(polygons, qPrintable(error));
        QCOMPARE(polygons->size(), 4);
        const GeoPolygon& ring = (*polygons)[0];
        QCOMPARE(ring.kind, GeoPolygon::Kind::outerBoundary);
        QCOMPARE(ring.featureId, 7u);
        QCOMPARE(ring.colourIndex, 5);
        QCOMPARE(ring.nodes, (QList<QPointF>{{20, 10}, {21, 10}, {21, 11}, {20, 11}}));
        QCOMPARE((*polygons)[1].kind, GeoPolygon::Kind::innerBoundary);
        QCOMPARE((*polygons)[1].nodes, (QList<QPointF>{{20.5, 10.5}, {20.5, 10.4}, {20.4, 10.5}}));
        const GeoPolygon& part = (*polygons)[2];
        QCOMPARE(part.featureId, 8u);
        QCOMPARE(part.colourIndex, 9);
        QCOMPARE(part.nodes.size(), 3);
        QVERIFY(std::abs(part.nodes[1].x() - (151 + 1 / 120.0)) < 1e-9);
        const GeoPolygon& line = (*polygons)[3];
        QVERIFY(!line.isClosed());
        QCOMPARE(line.colourIndex, 9);
        QCOMPARE(line.nodes.last(), QPointF(-180, -90));
    }

    // A damaged file is refused with its name and the reason, whatever byte it ends at.
    void refusesDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason");
        const QByteArray good = sample();
        QTest::newRow("empty") << QByteArray() << u"empty"_qs;
        QTest::newRow("in the header") << good.left(3) << u"header"_qs;
        QTest::newRow("other version") << QByteArray(good).replace(0, 1, "\x03") << u"version 3"_qs;
        QTest::newRow("count beyond the size") << Bytes().u8(2).u32(1000000).u8(0).u32(0).data << u"1000000 polygons"_qs;
        QTest::newRow("unknown kind") << QByteArray(good).replace(6, 1, "\x09") << u"unknown kind (9)"_qs;
        QTest::newRow("node off the earth") << Bytes().u8(2).u32(1).u8(0).u8(0).u32(1).u32(1).node(95, 0).data
                                            << u"outside the earth"_qs;
        QTest::newRow("cut before the polygons") << good.left(10) << u"names 4 polygons"_qs;
        // Cut inside each kind of record: never a crash, never a partial answer.
        for (qsizetype length : {45, 50, 55, 60, 70, 80, 90, 94})
            QTest::newRow(qPrintable(QStringLiteral("cut at %1").arg(length))) << good.left(length) << u"ends in polygon"_qs;
    }

    void refusesDamagedFiles()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        QString error;
        QVERIFY(!Pn2Reader::parse(data, u"/data/broken.pn2"_qs, &error));
        QVERIFY2(error.startsWith(u"/data/broken.pn2: "_qs) && error.contains(reason), qPrintable(error));
    }

    // The file on disk: a truncated one and a missing one are named with the reason.
    void namesTheFileOnDisk()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"cut.pn2"_qs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(sample().left(45));
        file.close();
        QString error;
        QVERIFY(!Pn2Reader::read(path, &error));
        QVERIFY2(error.startsWith(path + u": "_qs) && error.contains(u"ends in polygon 2 of 4"_qs), qPrintable(error));
        QVERIFY(!Pn2Reader::read(folder.filePath(u"none.pn2"_qs), &error));
        QVERIFY2(error.contains(u"none.pn2"_qs) && error.contains(u"No such file"_qs), qPrintable(error));
    }

    // The installed layers read to their end: land with Fiji first and the Caspian as a hole,
    // lakes with Lake Victoria, borders as lines; every node on the earth.
    void readsTheInstalledLayers()
    {
        QString error;
        const auto land = Pn2Reader::read(installedFile(BaseMapIndex::land), &error);
        QVERIFY2(land, qPrintable(error));
        QCOMPARE(land->size(), 1421);
        QVERIFY(std::abs(land->first().nodes.first().y() + 16.17) < 0.01);
        QVERIFY(std::abs(land->first().nodes.first().x() - 180) < 0.01);
        const auto holes = std::count_if(land->cbegin(), land->cend(),
                                         [](const GeoPolygon& p) { return p.kind == GeoPolygon::Kind::innerBoundary; });
        QCOMPARE(holes, 1);

        const auto lakes = Pn2Reader::read(installedFile(BaseMapIndex::lakes), &error);
        QVERIFY2(lakes, qPrintable(error));
        const bool victoria = std::any_of(lakes->cbegin(), lakes->cend(), [](const GeoPolygon& lake) {
            return QPolygonF(lake.nodes).boundingRect().contains(QPointF(33, -1));
        });
        QVERIFY(victoria);

        const auto borders = Pn2Reader::read(installedFile(BaseMapIndex::borders), &error);
        QVERIFY2(borders, qPrintable(error));
        QVERIFY(borders->size() > 300);
        for (const GeoPolygon& border : *borders) {
            QVERIFY(!border.isClosed());
            for (const QPointF& node : border.nodes)
                QVERIFY(std::abs(node.x()) <= 180 && std::abs(node.y()) <= 90);
        }
    }
};

QTEST_MAIN(Pn2ReaderTest)
#include "Pn2ReaderTest.moc"
