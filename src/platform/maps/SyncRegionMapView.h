#pragma once

#include "engine/halvex/places/CoordinateRegion.h"
#include "platform/maps/MapAnnotation.h"
#include "platform/maps/MapTileSource.h"

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QStaticText>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

namespace maps {

class BaseMap;

// A map over Web-Mercator tiles that keeps its region: the centre and spans the owner sets stay
// what it shows when the widget is resized, and the wheel (zoom about the pointer) and a drag
// (pan) change it. Pins are painted in priority order with their titles; a click on a pin
// reports it, a double click anywhere reports the position and never zooms.
//
// Where no tile is at hand (offline, nothing cached, not even a parent to scale) the offline base
// map is drawn: land, lakes and borders, or the picture of the earth for the imagery styles.
// Without its data, a plain background with a graticule, and the view says once what is missing
// (baseMapUnavailable()). Pins and clicks work the same either way.
//
// While the region keeps changing, tiles are scaled without smoothing; the frame after the view
// rests is smooth. A pin covered by one drawn over it at nearly the same point is not drawn,
// and a title that would overlap the title of a pin above it is left out. The bottom-right
// corner carries the tile attribution and takes no click.
class SyncRegionMapView : public QWidget {
    Q_OBJECT

public:
    explicit SyncRegionMapView(QWidget* parent = nullptr);

    // Null: the base map alone.
    void setTileSource(MapTileSource* source);
    MapTileSource* tileSource() const { return tileSource_; }
    void setGreyed(bool greyed);
    // The imagery styles: the base map is the picture of the earth instead of the land map.
    void setImagery(bool imagery);
    bool isImagery() const { return imagery_; }
    // The base map drawn without tiles; BaseMap::shared() unless set. Null: the plain background.
    void setBaseMap(std::shared_ptr<BaseMap> baseMap);
    // The last frame left base map images to be made (a frame makes only as many as its time
    // allows, at least one); the next frames make them.
    bool hasPendingBaseMap() const { return baseMapPending_; }
    void setAttribution(const QString& text);

    halvex::CoordinateRegion region() const;
    void setRegion(const halvex::CoordinateRegion& region);
    const halvex::Coordinate& centre() const { return centre_; }
    double zoom() const { return zoom_; }
    void setCentre(const halvex::Coordinate& centre, double zoom);
    // Multiplies both spans (0.25 zooms in twice, 4 out twice).
    void scaleSpans(double factor);
    // The region that shows every pin given, with a margin; none without pins.
    static std::optional<halvex::CoordinateRegion> regionFitting(const QList<halvex::Coordinate>& coordinates);
    // Shows every pin of the view, with a margin; nothing without pins.
    void fitAnnotations();

    const QList<MapAnnotation>& annotations() const { return annotations_; }
    void setAnnotations(QList<MapAnnotation> annotations);

    // Widget point of a position and back.
    QPointF pointOf(const halvex::Coordinate& coordinate) const;
    halvex::Coordinate coordinateAt(const QPointF& point) const;
    // The pin under the point, the one drawn on top; -1 for none.
    int annotationAt(const QPointF& point) const;
    // The corner kept for the attribution.
    QRect attributionRect() const;

    // The pins drawn in the current region, top-most first: those in sight and not hidden under a
    // pin drawn over them at nearly the same point (a pin with a direction or a title is always
    // drawn).
    QList<int> visiblePins() const;
    // The titles drawn, with their boxes: those of the pins in `topFirst` (see visiblePins()),
    // each left out when it would overlap the title of a pin above it.
    QList<std::pair<int, QRectF>> titlePlacements(const QList<int>& topFirst) const;

    static constexpr int attributionWidth = 90;
    static constexpr int attributionHeight = 45;

Q_SIGNALS:
    void doubleAction(const halvex::Coordinate& coordinate);
    void annotationClicked(int index, Qt::KeyboardModifiers modifiers);
    void regionChanged();
    // Once per problem: what of the base map's data could not be read, naming the files and
    // the reasons.
    void baseMapUnavailable(const QString& reason);

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void paintTiles(QPainter& painter);
    void paintBackground(QPainter& painter);
    // Draws the base map's images over the tile squares in `missing` (widget points).
    void paintBaseMap(QPainter& painter, const QList<QRectF>& missing);
    void reportBaseMapProblems();
    void paintPin(QPainter& painter, const MapAnnotation& annotation, const QPointF& tip) const;
    QPixmap pinImage(const QColor& tint, bool selected) const;
    QList<int> drawingOrder() const { return order_; }
    // Where each pin's tip falls now, in widget points.
    QPointF tipOf(int index, double pixels, const QPointF& middle) const;
    void paintTitles(QPainter& painter, const QList<int>& topFirst) const;
    const QStaticText& titleText(int index) const;

    QPointer<MapTileSource> tileSource_;
    halvex::Coordinate centre_{20, 0};
    double zoom_ = 1;
    bool greyed_ = false;
    bool imagery_ = false;
    std::shared_ptr<BaseMap> baseMap_;
    bool baseMapSet_ = false;
    bool baseMapPending_ = false;
    // How many of the base map's problems were told.
    int reportedProblems_ = 0;
    QString attribution_;
    QList<MapAnnotation> annotations_;
    std::optional<QPoint> pressPoint_;
    QPointF pressWorldCentre_;
    bool dragged_ = false;
    mutable QHash<quint64, QPixmap> pinImages_;
    // Per pin, made when the pins are set: its place on the world plane, and the drawing order
    // (by priority, selected pins over the others, else in list order).
    QList<QPointF> worldPoints_;
    QList<int> order_;
    // The titles laid out once, by pin; an entry is made when the title is first drawn.
    mutable QHash<int, QStaticText> titleTexts_;
    // Set while the region keeps changing (a drag, the wheel): tiles are then scaled without
    // smoothing, and drawn smooth again once the view rests.
    bool moving_ = false;
    QTimer restTimer_;
    mutable QFont titleFont_;
};

} // namespace maps
