#include "platform/maps/Pn2Reader.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace maps {

namespace {

// Big-endian numbers from the bytes, with the place read so far; a read past the end fails.
class Cursor {
public:
    explicit Cursor(const QByteArray& data)
        : data_(data)
    {
    }

    bool has(qsizetype bytes) const { return data_.size() - position_ >= bytes; }
    qsizetype remaining() const { return data_.size() - position_; }

    quint8 u8() { return quint8(data_[position_++]); }
    qint8 i8() { return qint8(data_[position_++]); }
    quint16 u16()
    {
        const quint16 value = quint16(quint8(data_[position_]) << 8 | quint8(data_[position_ + 1]));
        position_ += 2;
        return value;
    }
    qint16 i16() { return qint16(u16()); }
    quint32 u32()
    {
        const quint32 high = u16();
        return high << 16 | u16();
    }

private:
    const QByteArray& data_;
    qsizetype position_ = 0;
};

} // namespace

std::optional<QList<GeoPolygon>> Pn2Reader::read(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return parse(file.readAll(), path, error);
}

std::optional<QList<GeoPolygon>> Pn2Reader::parse(const QByteArray& data, const QString& name, QString* error)
{
    const auto fail = [&](const QString& reason) -> std::optional<QList<GeoPolygon>> {
        if (error)
            *error = QStringLiteral("%1: %2").arg(name, reason);
        return std::nullopt;
    };
    Cursor in(data);
    if (!in.has(6))
        return fail(data.isEmpty() ? QStringLiteral("the file is empty") : QStringLiteral("the file ends inside its header"));
    const int version = in.u8();
    if (version != supportedVersion)
        return fail(QStringLiteral("version %1 of the polygon format is not supported (only %2)").arg(version).arg(supportedVersion));
    const quint32 count = in.u32();
    const bool hasColour = in.u8() != 0;
    // Every polygon takes at least its header: a count beyond that is a damaged file, not one
    // to reserve memory for.
    if (qint64(count) * 9 > in.remaining())
        return fail(QStringLiteral("it names %1 polygons, more than its %2 bytes can hold").arg(count).arg(data.size()));

    constexpr int maxLatitude = 90 * int(unitsPerDegree);
    constexpr int maxLongitude = 180 * int(unitsPerDegree);
    constexpr quint8 groupKind = 4;
    QList<GeoPolygon> polygons;
    polygons.reserve(count);
    // The polygons of the group being read, and its colour.
    int groupParts = 0;
    quint8 groupColour = 0;
    while (quint32(polygons.size()) < count) {
        const quint32 index = quint32(polygons.size());
        const auto where = [&] { return QStringLiteral("polygon %1 of %2").arg(index + 1).arg(count); };
        const bool inGroup = groupParts > 0;
        const qsizetype size = hasColour && !inGroup ? 10 : 9;
        if (!in.has(size))
            return fail(QStringLiteral("the file ends in %1").arg(where()));
        const quint8 kind = in.u8();
        if (kind == groupKind && !inGroup) {
            in.u32();
            groupColour = hasColour ? in.u8() : 0;
            groupParts = in.u8();
            continue;
        }
        if (kind > quint8(GeoPolygon::Kind::innerBoundary))
            return fail(QStringLiteral("%1 is of an unknown kind (%2)").arg(where()).arg(kind));
        GeoPolygon polygon;
        polygon.kind = GeoPolygon::Kind(kind);
        polygon.featureId = in.u32();
        if (inGroup) {
            polygon.colourIndex = groupColour;
            --groupParts;
        } else if (hasColour) {
            polygon.colourIndex = in.u8();
        }
        const quint32 absolute = in.u32();
        // An absolute node takes six bytes at least.
        if (qint64(absolute) * 6 > in.remaining())
            return fail(QStringLiteral("the file ends in %1").arg(where()));
        for (quint32 node = 0; node < absolute; ++node) {
            const int latitude = in.i16();
            const int longitude = in.i16();
            const int relative = in.u16();
            if (std::abs(latitude) > maxLatitude || std::abs(longitude) > maxLongitude)
                return fail(QStringLiteral("%1 has a node outside the earth (%2, %3)")
                                .arg(where())
                                .arg(latitude / unitsPerDegree)
                                .arg(longitude / unitsPerDegree));
            // What follows: these relative nodes and the other absolute ones, six bytes each.
            if (!in.has(qsizetype(relative) * 2 + qsizetype(absolute - node - 1) * 6))
                return fail(QStringLiteral("the file ends in %1").arg(where()));
            polygon.nodes.reserve(polygon.nodes.size() + 1 + relative);
            polygon.nodes.append(QPointF(longitude / unitsPerDegree, latitude / unitsPerDegree));
            for (int r = 0; r < relative; ++r) {
                const int latitudeOffset = in.i8();
                const int longitudeOffset = in.i8();
                // An offset may cross the pole or the date line by its own rounding; the node
                // is kept on the earth.
                const int nodeLatitude = std::clamp(latitude + latitudeOffset, -maxLatitude, maxLatitude);
                const int nodeLongitude = std::clamp(longitude + longitudeOffset, -maxLongitude, maxLongitude);
                polygon.nodes.append(QPointF(nodeLongitude / unitsPerDegree, nodeLatitude / unitsPerDegree));
            }
        }
        polygons.append(std::move(polygon));
    }
    return polygons;
}

} // namespace maps
