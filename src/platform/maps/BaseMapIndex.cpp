#include "platform/maps/BaseMapIndex.h"

#include "platform/maps/Pn2Reader.h"
#include "platform/maps/WebMercator.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace maps {

namespace {

constexpr quint32 cacheMagic = 0x43424d49; // "CBMI"
constexpr quint32 cacheFormat = 2;
const char* const packageName = "marble-qt-data";

// How far apart, in units of the unit square, nodes kept at each band are at least: half a
// pixel at the band's nearest zoom level; the last band keeps every node.
constexpr double bandTolerance[BaseMapIndex::bandCount] = {0.5 / (256 << 2), 0.5 / (256 << 5), 0};

constexpr int bandGrid[BaseMapIndex::bandCount] = {0, 3, 6};
// Cells overlap by a few pixels of the nearest level drawn, so that no seam shows along their
// edges.
constexpr double cellMargin = 4.0 / (256 << 10);

// The part of the ring inside the rectangle (Sutherland–Hodgman): where the ring leaves the
// rectangle, the part runs along its edge. Empty when nothing is inside.
QPolygonF clipped(const QPolygonF& ring, const QRectF& rect)
{
    QPolygonF part = ring;
    const auto clipEdge = [&part](auto inside, auto crossing) {
        if (part.isEmpty())
            return;
        QPolygonF next;
        next.reserve(part.size() + 4);
        QPointF previous = part.last();
        bool previousInside = inside(previous);
        for (const QPointF& point : std::as_const(part)) {
            const bool pointInside = inside(point);
            if (pointInside != previousInside)
                next.append(crossing(previous, point));
            if (pointInside)
                next.append(point);
            previous = point;
            previousInside = pointInside;
        }
        part = std::move(next);
    };
    const auto atX = [](double x) {
        return [x](const QPointF& a, const QPointF& b) { return QPointF(x, a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x())); };
    };
    const auto atY = [](double y) {
        return [y](const QPointF& a, const QPointF& b) { return QPointF(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()), y); };
    };
    clipEdge([&](const QPointF& p) { return p.x() >= rect.left(); }, atX(rect.left()));
    clipEdge([&](const QPointF& p) { return p.x() <= rect.right(); }, atX(rect.right()));
    clipEdge([&](const QPointF& p) { return p.y() >= rect.top(); }, atY(rect.top()));
    clipEdge([&](const QPointF& p) { return p.y() <= rect.bottom(); }, atY(rect.bottom()));
    return part.size() >= 3 ? part : QPolygonF();
}

QPointF project(const QPointF& node)
{
    const double latitude = std::clamp(node.y(), -WebMercator::maxLatitude, WebMercator::maxLatitude) * std::numbers::pi / 180;
    const double y = 0.5 - std::log(std::tan(std::numbers::pi / 4 + latitude / 2)) / (2 * std::numbers::pi);
    return {(node.x() + 180) / 360, y};
}

// The nodes with those closer than `tolerance` to the last one kept left out; the last node
// stays. A ring that shrinks below a triangle, or a line below two nodes, is empty.
QPolygonF simplified(const QPolygonF& nodes, double tolerance, bool closed)
{
    if (tolerance <= 0)
        return nodes;
    QPolygonF kept;
    kept.reserve(nodes.size());
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        const QPointF& node = nodes[i];
        if (!kept.isEmpty() && i + 1 < nodes.size()) {
            const QPointF step = node - kept.last();
            if (std::abs(step.x()) < tolerance && std::abs(step.y()) < tolerance)
                continue;
        }
        kept.append(node);
    }
    if (kept.size() < (closed ? 3 : 2))
        return {};
    const QRectF bounds = kept.boundingRect();
    if (closed && bounds.width() < tolerance && bounds.height() < tolerance)
        return {};
    return kept;
}

QString fileStamp(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("absent");
    return QStringLiteral("%1@%2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}

} // namespace

QString BaseMapIndex::defaultDataFolder()
{
    const QString folder = qEnvironmentVariable("CORVELLE_BASE_MAP_DIR");
    return folder.isEmpty() ? QStringLiteral("/usr/share/marble/data") : folder;
}

QString BaseMapIndex::layerPath(Layer layer)
{
    switch (layer) {
    case land:
        return QStringLiteral("naturalearth/ne_50m_land.pn2");
    case lakes:
        return QStringLiteral("naturalearth/ne_50m_lakes.pn2");
    case borders:
        return QStringLiteral("naturalearth/ne_50m_admin_0_boundary_lines_land.pn2");
    }
    return {};
}

int BaseMapIndex::bandOf(int level)
{
    return level <= 2 ? 0 : level <= 5 ? 1 : 2;
}

int BaseMapIndex::gridLevel(int band)
{
    return bandGrid[band];
}

int BaseMapIndex::cellOf(int band, int level, int x, int y)
{
    const int shift = std::max(0, level - bandGrid[band]);
    return (y >> shift) * (1 << bandGrid[band]) + (x >> shift);
}

size_t BaseMapIndex::shapeCount(Layer layer, int band) const
{
    size_t count = 0;
    for (const std::vector<Shape>& cell : shapes_[layer][band])
        count += cell.size();
    return count;
}

QString BaseMapIndex::cacheFileName()
{
    return QStringLiteral("base-map.index");
}

QString BaseMapIndex::packageVersion(const QString& package, const QString& statusPath)
{
    QFile file(statusPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inPackage = false;
    QString line;
    while (in.readLineInto(&line)) {
        if (line.isEmpty())
            inPackage = false;
        else if (line.startsWith(QLatin1String("Package: ")))
            inPackage = line.mid(9).trimmed() == package;
        else if (inPackage && line.startsWith(QLatin1String("Version: ")))
            return line.mid(9).trimmed();
    }
    return {};
}

std::shared_ptr<const BaseMapIndex> BaseMapIndex::load(const QString& dataFolder, const QString& cacheFolder,
                                                       QStringList* problemList)
{
    // The cache is current while the package and every file are what they were.
    QString key = QStringLiteral("%1 %2").arg(QString::fromLatin1(packageName), packageVersion(QString::fromLatin1(packageName)));
    for (int layer = 0; layer < layerCount; ++layer) {
        const QString path = dataFolder + QLatin1Char('/') + layerPath(Layer(layer));
        key += QLatin1Char(' ') + path + QLatin1Char('=') + fileStamp(path);
    }

    std::shared_ptr<BaseMapIndex> index(new BaseMapIndex);
    const QString cachePath = cacheFolder + QLatin1Char('/') + cacheFileName();
    Bands bands;
    QStringList problems;
    bool haveLand = true;
    if (readCache(cachePath, key, &bands)) {
        index->fromCache_ = true;
    } else {
        for (int layer = 0; layer < layerCount; ++layer) {
            const QString path = dataFolder + QLatin1Char('/') + layerPath(Layer(layer));
            QString problem;
            const std::optional<QList<GeoPolygon>> polygons = Pn2Reader::read(path, &problem);
            if (!polygons) {
                problems << problem;
                if (layer == land)
                    haveLand = false;
                continue;
            }
            std::vector<QPolygonF> projected;
            std::vector<bool> isHole;
            projected.reserve(polygons->size());
            for (const GeoPolygon& polygon : *polygons) {
                QPolygonF nodes;
                nodes.reserve(polygon.nodes.size());
                for (const QPointF& node : polygon.nodes)
                    nodes.append(project(node));
                projected.push_back(std::move(nodes));
                isHole.push_back(polygon.kind == GeoPolygon::Kind::innerBoundary);
            }
            for (int band = 0; band < bandCount; ++band) {
                std::vector<Rings> shapes;
                for (size_t i = 0; i < projected.size(); ++i) {
                    const bool closed = (*polygons)[qsizetype(i)].isClosed();
                    QPolygonF ring = simplified(projected[i], bandTolerance[band], closed);
                    if (isHole[i]) {
                        // A hole belongs to the area before it; one whose area was left out
                        // at this band goes with it, and a hole too small to see is left out.
                        if (!ring.isEmpty() && !shapes.empty() && shapes.back().closed)
                            shapes.back().rings.append(std::move(ring));
                        continue;
                    }
                    if (ring.isEmpty()) {
                        // Its holes must not attach to the shape before it.
                        shapes.push_back(Rings{closed, {}});
                        continue;
                    }
                    shapes.push_back(Rings{closed, {std::move(ring)}});
                }
                bands[layer][band] = cut(shapes, bandGrid[band]);
            }
        }
        // Only a complete index is kept: a file that could not be read is read (and named)
        // again next time.
        if (problems.isEmpty() && QDir().mkpath(cacheFolder))
            writeCache(cachePath, key, bands);
    }
    if (problemList)
        *problemList = problems;
    if (!haveLand)
        return nullptr;
    index->makeShapes(bands);
    return index;
}

std::vector<std::vector<BaseMapIndex::Rings>> BaseMapIndex::cut(const std::vector<Rings>& shapes, int grid)
{
    const int side = 1 << grid;
    std::vector<std::vector<Rings>> cells(size_t(side) * size_t(side));
    for (const Rings& shape : shapes) {
        if (shape.rings.isEmpty())
            continue;
        QRectF bounds = shape.rings.first().boundingRect();
        const auto cellRange = [side](double from, double to) {
            return std::make_pair(std::clamp(int(std::floor(from * side)), 0, side - 1),
                                  std::clamp(int(std::floor(to * side)), 0, side - 1));
        };
        const auto [left, right] = cellRange(bounds.left() - cellMargin, bounds.right() + cellMargin);
        const auto [top, bottom] = cellRange(bounds.top() - cellMargin, bounds.bottom() + cellMargin);
        for (int row = top; row <= bottom; ++row) {
            for (int column = left; column <= right; ++column) {
                std::vector<Rings>& cell = cells[size_t(row) * size_t(side) + size_t(column)];
                const QRectF rect(double(column) / side - cellMargin, double(row) / side - cellMargin,
                                  1.0 / side + 2 * cellMargin, 1.0 / side + 2 * cellMargin);
                // Lines are short: each cell they reach draws all of one. Areas within the
                // cell are kept whole.
                if (!shape.closed || rect.contains(bounds)) {
                    cell.push_back(shape);
                    continue;
                }
                Rings part{true, {}};
                for (const QPolygonF& ring : shape.rings) {
                    QPolygonF inside = clipped(ring, rect);
                    // The area's part first: without it, its holes have nothing to cut.
                    if (inside.isEmpty() && part.rings.isEmpty())
                        break;
                    if (!inside.isEmpty())
                        part.rings.append(std::move(inside));
                }
                if (!part.rings.isEmpty())
                    cell.push_back(std::move(part));
            }
        }
    }
    return cells;
}

void BaseMapIndex::makeShapes(const Bands& bands)
{
    for (int layer = 0; layer < layerCount; ++layer) {
        for (int band = 0; band < bandCount; ++band) {
            for (const std::vector<Rings>& cell : bands[layer][band]) {
                std::vector<Shape>& shapes = shapes_[layer][band].emplace_back();
                shapes.reserve(cell.size());
                for (const Rings& source : cell) {
                    Shape shape;
                    shape.path.setFillRule(Qt::OddEvenFill);
                    for (const QPolygonF& ring : source.rings) {
                        shape.path.addPolygon(ring);
                        if (source.closed)
                            shape.path.closeSubpath();
                    }
                    // A straight line along the grid has bounds without width or height, which
                    // intersect nothing: they are widened a little.
                    shape.bounds = shape.path.boundingRect().adjusted(-1e-9, -1e-9, 1e-9, 1e-9);
                    shapes.push_back(std::move(shape));
                }
            }
        }
    }
}

bool BaseMapIndex::readCache(const QString& path, const QString& key, Bands* bands)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint32 format = 0;
    QString storedKey;
    in >> magic >> format;
    if (magic != cacheMagic || format != cacheFormat)
        return false;
    in >> storedKey;
    if (in.status() != QDataStream::Ok || storedKey != key)
        return false;
    for (auto& layer : *bands) {
        for (int band = 0; band < bandCount; ++band) {
            layer[band].resize(size_t(1) << (2 * bandGrid[band]));
            for (std::vector<Rings>& cell : layer[band]) {
                quint32 count = 0;
                in >> count;
                if (in.status() != QDataStream::Ok || count > quint32(file.size()))
                    return false;
                cell.resize(count);
                for (Rings& shape : cell) {
                    in >> shape.closed >> shape.rings;
                    if (in.status() != QDataStream::Ok)
                        return false;
                }
            }
        }
    }
    quint32 end = 0;
    in >> end;
    return in.status() == QDataStream::Ok && end == cacheMagic && in.atEnd();
}

void BaseMapIndex::writeCache(const QString& path, const QString& key, const Bands& bands)
{
    // A cache that cannot be written only costs building the index again next time.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QDataStream out(&file);
    out.setVersion(QDataStream::Qt_6_0);
    out << cacheMagic << cacheFormat << key;
    for (const auto& layer : bands) {
        for (const auto& band : layer) {
            for (const std::vector<Rings>& cell : band) {
                out << quint32(cell.size());
                for (const Rings& shape : cell)
                    out << shape.closed << shape.rings;
            }
        }
    }
    out << cacheMagic;
    if (out.status() == QDataStream::Ok)
        file.commit();
}

} // namespace maps
