#include "platform/maps/SyncRegionMapView.h"

#include "platform/maps/BaseMap.h"
#include "platform/maps/MapTileSource.h"
#include "platform/maps/WebMercator.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScopeGuard>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace maps {

namespace {

constexpr double pinHeight = 26;
constexpr double pinRadius = 8;
// The time a frame may spend making base map images; the rest are made in the frames after it,
// their parents scaled up meanwhile.
constexpr qint64 baseMapBudgetNs = 3'000'000;

double worldPixels(double zoom)
{
    return WebMercator::tileSize * std::pow(2.0, zoom);
}

} // namespace

SyncRegionMapView::SyncRegionMapView(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    // Every frame paints the whole view: no background is filled first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    restTimer_.setSingleShot(true);
    restTimer_.setInterval(150);
    connect(&restTimer_, &QTimer::timeout, this, [this] {
        moving_ = false;
        update();
    });
    setMinimumSize(120, 90);
}

void SyncRegionMapView::setTileSource(MapTileSource* source)
{
    if (tileSource_)
        disconnect(tileSource_, nullptr, this, nullptr);
    tileSource_ = source;
    if (source)
        connect(source, &MapTileSource::tileLoaded, this, qOverload<>(&QWidget::update));
    update();
}

void SyncRegionMapView::setGreyed(bool greyed)
{
    greyed_ = greyed;
    update();
}

void SyncRegionMapView::setImagery(bool imagery)
{
    imagery_ = imagery;
    update();
}

void SyncRegionMapView::setBaseMap(std::shared_ptr<BaseMap> baseMap)
{
    baseMap_ = std::move(baseMap);
    baseMapSet_ = true;
    reportedProblems_ = 0;
    update();
}

void SyncRegionMapView::setAttribution(const QString& text)
{
    attribution_ = text;
    update();
}

halvex::CoordinateRegion SyncRegionMapView::region() const
{
    return WebMercator::region(centre_, zoom_, size());
}

void SyncRegionMapView::setRegion(const halvex::CoordinateRegion& region)
{
    setCentre(region.centre(), WebMercator::zoomToFit(region, size()));
}

void SyncRegionMapView::setCentre(const halvex::Coordinate& centre, double zoom)
{
    const halvex::Coordinate clamped(std::clamp(centre.latitude(), -WebMercator::maxLatitude, WebMercator::maxLatitude),
                                     WebMercator::coordinate(WebMercator::worldPoint(centre)).longitude());
    centre_ = clamped.isValid() ? clamped : centre_;
    zoom_ = std::clamp(zoom, WebMercator::minZoom, WebMercator::maxZoom);
    moving_ = true;
    restTimer_.start();
    update();
    Q_EMIT regionChanged();
}

void SyncRegionMapView::scaleSpans(double factor)
{
    if (factor > 0)
        setCentre(centre_, zoom_ - std::log2(factor));
}

void SyncRegionMapView::fitAnnotations()
{
    QList<halvex::Coordinate> coordinates;
    coordinates.reserve(annotations_.size());
    for (const MapAnnotation& pin : std::as_const(annotations_))
        coordinates << pin.coordinate;
    if (const auto region = regionFitting(coordinates))
        setRegion(*region);
}

std::optional<halvex::CoordinateRegion> SyncRegionMapView::regionFitting(const QList<halvex::Coordinate>& coordinates)
{
    if (coordinates.isEmpty())
        return std::nullopt;
    double north = -90, south = 90, east = -180, west = 180;
    for (const halvex::Coordinate& c : coordinates) {
        north = std::max(north, c.latitude());
        south = std::min(south, c.latitude());
        east = std::max(east, c.longitude());
        west = std::min(west, c.longitude());
    }
    // A margin of a fifth on each side, and at least a town's width.
    const double latitudeDelta = std::max(0.02, (north - south) * 1.4);
    const double longitudeDelta = std::max(0.02, (east - west) * 1.4);
    return halvex::CoordinateRegion(halvex::Coordinate((north + south) / 2, (east + west) / 2),
                                    std::min(180.0, latitudeDelta), std::min(360.0, longitudeDelta));
}

void SyncRegionMapView::setAnnotations(QList<MapAnnotation> annotations)
{
    annotations_ = std::move(annotations);
    worldPoints_.clear();
    worldPoints_.reserve(annotations_.size());
    for (const MapAnnotation& annotation : std::as_const(annotations_))
        worldPoints_ << WebMercator::worldPoint(annotation.coordinate);
    order_.resize(annotations_.size());
    std::iota(order_.begin(), order_.end(), 0);
    std::stable_sort(order_.begin(), order_.end(), [this](int a, int b) {
        return std::make_pair(annotations_[a].priority, annotations_[a].isSelected)
               < std::make_pair(annotations_[b].priority, annotations_[b].isSelected);
    });
    titleTexts_.clear();
    update();
}

QPointF SyncRegionMapView::tipOf(int index, double pixels, const QPointF& middle) const
{
    const QPointF& point = worldPoints_[index];
    // The copy of the world nearest to the centre, so that pins across 180° show.
    double dx = point.x() - middle.x();
    dx -= std::round(dx);
    return {width() / 2.0 + dx * pixels, height() / 2.0 + (point.y() - middle.y()) * pixels};
}

QPointF SyncRegionMapView::pointOf(const halvex::Coordinate& coordinate) const
{
    const double pixels = worldPixels(zoom_);
    const QPointF middle = WebMercator::worldPoint(centre_);
    QPointF point = WebMercator::worldPoint(coordinate);
    // The copy of the world nearest to the centre, so that pins across 180° show.
    double dx = point.x() - middle.x();
    dx -= std::round(dx);
    return {width() / 2.0 + dx * pixels, height() / 2.0 + (point.y() - middle.y()) * pixels};
}

halvex::Coordinate SyncRegionMapView::coordinateAt(const QPointF& point) const
{
    const double pixels = worldPixels(zoom_);
    const QPointF middle = WebMercator::worldPoint(centre_);
    return WebMercator::coordinate(
        {middle.x() + (point.x() - width() / 2.0) / pixels, middle.y() + (point.y() - height() / 2.0) / pixels});
}

int SyncRegionMapView::annotationAt(const QPointF& point) const
{
    const double pixels = worldPixels(zoom_);
    const QPointF middle = WebMercator::worldPoint(centre_);
    for (auto it = order_.crbegin(); it != order_.crend(); ++it) {
        const QPointF tip = tipOf(*it, pixels, middle);
        const QRectF head(tip.x() - pinRadius, tip.y() - pinHeight, 2 * pinRadius, pinHeight);
        if (head.contains(point))
            return *it;
    }
    return -1;
}

QRect SyncRegionMapView::attributionRect() const
{
    return QRect(width() - attributionWidth, height() - attributionHeight, attributionWidth, attributionHeight);
}

// --- Painting

void SyncRegionMapView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBackground(painter);
    paintTiles(painter);
    if (greyed_)
        painter.fillRect(rect(), QColor(255, 255, 255, 110));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QList<int> topFirst = visiblePins();
    const double pixels = worldPixels(zoom_);
    const QPointF middle = WebMercator::worldPoint(centre_);
    for (auto it = topFirst.crbegin(); it != topFirst.crend(); ++it)
        paintPin(painter, annotations_[*it], tipOf(*it, pixels, middle));
    paintTitles(painter, topFirst);
    if (!attribution_.isEmpty()) {
        QFont font = painter.font();
        font.setPointSizeF(std::max(6.0, font.pointSizeF() * 0.75));
        painter.setFont(font);
        const QRect corner = attributionRect();
        const QRect text = painter.fontMetrics().boundingRect(corner, Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap,
                                                              attribution_);
        painter.fillRect(text.adjusted(-3, -1, 1, 1), QColor(255, 255, 255, 200));
        painter.setPen(Qt::black);
        painter.drawText(corner.adjusted(0, 0, -2, -1), Qt::AlignRight | Qt::AlignBottom | Qt::TextWordWrap, attribution_);
    }
}

void SyncRegionMapView::paintBackground(QPainter& painter)
{
    // Straight lines along the pixel grid need no smoothing.
    const bool antialiased = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const auto restore = qScopeGuard([&painter, antialiased] { painter.setRenderHint(QPainter::Antialiasing, antialiased); });
    const QColor sea(0xaa, 0xd3, 0xdf);
    painter.fillRect(rect(), sea);
    // A graticule every ten degrees (every degree when near), so that position still reads. Its
    // colour is white at 60 % over the sea worked out beforehand: an opaque line is a plain fill,
    // a translucent one is blended pixel by pixel.
    const auto over = [](int below) { return below + (255 - below) * 150 / 255; };
    painter.setPen(QPen(QColor(over(sea.red()), over(sea.green()), over(sea.blue())), 1));
    const double step = zoom_ >= 6 ? 1 : 10;
    const halvex::CoordinateRegion shown = region();
    for (double longitude = -180; longitude <= 180; longitude += step) {
        const double x = pointOf({0, longitude}).x();
        if (x >= 0 && x <= width())
            painter.drawLine(QLine(qRound(x), 0, qRound(x), height()));
    }
    for (double latitude = -80; latitude <= 80; latitude += step) {
        if (std::abs(latitude - shown.centre().latitude()) > shown.latitudeDelta())
            continue;
        const int y = qRound(pointOf({latitude, centre_.longitude()}).y());
        painter.drawLine(QLine(0, y, width(), y));
    }
}

void SyncRegionMapView::paintTiles(QPainter& painter)
{
    const int level = std::clamp(int(std::round(zoom_)), 0, int(WebMercator::maxZoom));
    const int count = 1 << level;
    const double scale = std::pow(2.0, zoom_ - level);
    const double size = WebMercator::tileSize * scale;
    const double pixels = worldPixels(zoom_);
    const QPointF middle = WebMercator::worldPoint(centre_);
    // The world's top-left corner in widget points.
    const QPointF origin(width() / 2.0 - middle.x() * pixels, height() / 2.0 - middle.y() * pixels);
    const int firstColumn = int(std::floor(-origin.x() / size));
    const int lastColumn = int(std::floor((width() - origin.x()) / size));
    const int firstRow = std::max(0, int(std::floor(-origin.y() / size)));
    const int lastRow = std::min(count - 1, int(std::floor((height() - origin.y()) / size)));
    // Smooth once the view rests; a plain scaling keeps up with a drag or the wheel.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !moving_);
    QList<std::pair<QRectF, QImage>> tiles;
    QList<QRectF> missing;
    baseMapPending_ = false;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const QRectF target(origin.x() + column * size, origin.y() + row * size, size, size);
            const int x = ((column % count) + count) % count;
            QImage image = tileSource_ ? tileSource_->tile(level, x, row) : QImage();
            if (image.isNull())
                missing << target;
            else
                tiles.append({target, std::move(image)});
        }
    }
    if (!missing.isEmpty())
        paintBaseMap(painter, missing);
    for (const auto& [target, image] : std::as_const(tiles))
        painter.drawImage(target.adjusted(0, 0, 0.5, 0.5), image);
}

void SyncRegionMapView::paintBaseMap(QPainter& painter, const QList<QRectF>& missing)
{
    if (!baseMapSet_) {
        baseMap_ = BaseMap::shared();
        baseMapSet_ = true;
    }
    if (!baseMap_)
        return;
    const auto report = qScopeGuard([this] { reportBaseMapProblems(); });
    if (!baseMap_->isAvailable())
        return;
    const int viewLevel = std::clamp(int(std::round(zoom_)), 0, int(WebMercator::maxZoom));
    const int level = BaseMap::levelFor(viewLevel, imagery_);
    const int count = 1 << level;
    const double size = WebMercator::tileSize * std::pow(2.0, zoom_ - level);
    const double pixels = worldPixels(zoom_);
    const QPointF middle = WebMercator::worldPoint(centre_);
    const QPointF origin(width() / 2.0 - middle.x() * pixels, height() / 2.0 - middle.y() * pixels);
    const int firstColumn = int(std::floor(-origin.x() / size));
    const int lastColumn = int(std::floor((width() - origin.x()) / size));
    const int firstRow = std::max(0, int(std::floor(-origin.y() / size)));
    const int lastRow = std::min(count - 1, int(std::floor((height() - origin.y()) / size)));
    QElapsedTimer spent;
    spent.start();
    bool deferred = false;
    int made = 0;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const QRectF target(origin.x() + column * size, origin.y() + row * size, size, size);
            if (std::none_of(missing.cbegin(), missing.cend(), [&target](const QRectF& square) { return square.intersects(target); }))
                continue;
            const int x = ((column % count) + count) % count;
            QImage image = baseMap_->cachedTile(level, x, row, imagery_);
            if (image.isNull()) {
                if (made == 0 || spent.nsecsElapsed() < baseMapBudgetNs) {
                    image = baseMap_->tile(level, x, row, imagery_);
                    ++made;
                } else {
                    deferred = true;
                }
            }
            if (!image.isNull()) {
                painter.drawImage(target.adjusted(0, 0, 0.5, 0.5), image);
                continue;
            }
            // Not made yet: the part of the nearest coarser image in memory, scaled up.
            for (int up = 1; up <= level && (BaseMap::tileSize >> up) > 0; ++up) {
                const QImage parent = baseMap_->cachedTile(level - up, x >> up, row >> up, imagery_);
                if (parent.isNull())
                    continue;
                const int part = BaseMap::tileSize >> up;
                const QRect source((x & ((1 << up) - 1)) * part, (row & ((1 << up) - 1)) * part, part, part);
                painter.drawImage(target.adjusted(0, 0, 0.5, 0.5), parent, source);
                break;
            }
        }
    }
    baseMapPending_ = deferred;
    if (deferred)
        QTimer::singleShot(0, this, qOverload<>(&QWidget::update));
}

void SyncRegionMapView::reportBaseMapProblems()
{
    if (!baseMap_ || baseMap_->problems().size() <= reportedProblems_)
        return;
    const QString problems = baseMap_->problems().mid(reportedProblems_).join(QLatin1String("; "));
    reportedProblems_ = int(baseMap_->problems().size());
    // Told after the frame: a receiver may show a message, which must not happen while painting.
    QMetaObject::invokeMethod(this, [this, problems] { Q_EMIT baseMapUnavailable(problems); }, Qt::QueuedConnection);
}

QPixmap SyncRegionMapView::pinImage(const QColor& tint, bool selected) const
{
    // One image per colour and state, drawn once and reused for every pin like it.
    const quint64 key = (quint64(tint.rgba()) << 1) | (selected ? 1 : 0);
    if (const auto found = pinImages_.constFind(key); found != pinImages_.constEnd())
        return *found;
    const qreal ratio = devicePixelRatioF();
    QPixmap image(QSize(int(2 * pinRadius + 4), int(pinHeight + 2)) * ratio);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF tip(pinRadius + 2, pinHeight + 1);
    const QPointF head(tip.x(), tip.y() - pinHeight + pinRadius);
    QPainterPath path;
    path.moveTo(tip);
    path.lineTo(head.x() - pinRadius * 0.7, head.y() + pinRadius * 0.7);
    path.arcTo(QRectF(head.x() - pinRadius, head.y() - pinRadius, 2 * pinRadius, 2 * pinRadius), 225, -270);
    path.closeSubpath();
    painter.setPen(QPen(selected ? Qt::black : QColor(80, 80, 80), selected ? 1.5 : 1));
    painter.setBrush(selected ? tint : tint.lighter(150));
    painter.drawPath(path);
    painter.setBrush(Qt::white);
    painter.drawEllipse(head, pinRadius * 0.35, pinRadius * 0.35);
    painter.end();
    pinImages_.insert(key, image);
    return image;
}

QList<int> SyncRegionMapView::visiblePins() const
{
    // A pin whose tip falls within a few points of the tip of a pin drawn over it is all but
    // hidden by it: only the upper one is drawn. Cells of the view mark the tips already taken.
    constexpr int cell = 3;
    const QRect shown = rect().adjusted(-40, -40, 40, 40);
    const int columns = shown.width() / cell + 1;
    const int rows = shown.height() / cell + 1;
    std::vector<bool> taken(size_t(columns) * size_t(rows), false);
    const double pixels = worldPixels(zoom_);
    const QPointF middle = WebMercator::worldPoint(centre_);
    QList<int> result;
    for (auto it = order_.crbegin(); it != order_.crend(); ++it) {
        const QPointF tip = tipOf(*it, pixels, middle);
        if (!shown.contains(tip.toPoint()))
            continue;
        const MapAnnotation& annotation = annotations_[*it];
        const size_t place = size_t((int(tip.y()) - shown.top()) / cell) * size_t(columns)
                             + size_t((int(tip.x()) - shown.left()) / cell);
        // A direction or a title shows beyond the pin: such a pin is always drawn.
        if (taken[place] && !annotation.direction && annotation.title.isEmpty())
            continue;
        taken[place] = true;
        result << *it;
    }
    return result;
}

void SyncRegionMapView::paintPin(QPainter& painter, const MapAnnotation& annotation, const QPointF& tip) const
{
    // Whole pixels: a plain copy, no resampling.
    painter.drawPixmap(QPoint(qRound(tip.x() - pinRadius - 2), qRound(tip.y() - pinHeight - 1)),
                       pinImage(annotation.tint, annotation.isSelected));
    if (annotation.direction) {
        // Degrees clockwise from north; the widget's y grows downwards.
        const double angle = *annotation.direction * std::numbers::pi / 180;
        const QPointF end(tip.x() + std::sin(angle) * 18, tip.y() - std::cos(angle) * 18);
        painter.setPen(QPen(annotation.tint.darker(130), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(tip, end);
    }
}

const QStaticText& SyncRegionMapView::titleText(int index) const
{
    if (font() != titleFont_) {
        titleFont_ = font();
        titleTexts_.clear();
    }
    auto found = titleTexts_.find(index);
    if (found == titleTexts_.end()) {
        QStaticText text(annotations_[index].title);
        text.setTextFormat(Qt::PlainText);
        text.setPerformanceHint(QStaticText::AggressiveCaching);
        text.prepare(QTransform(), titleFont_);
        found = titleTexts_.insert(index, text);
    }
    return *found;
}

QList<std::pair<int, QRectF>> SyncRegionMapView::titlePlacements(const QList<int>& topFirst) const
{
    const double pixels = worldPixels(zoom_);
    const QPointF middle = WebMercator::worldPoint(centre_);
    const double lineHeight = QFontMetricsF(font()).height();
    QList<std::pair<int, QRectF>> placed;
    for (int index : topFirst) {
        if (annotations_[index].title.isEmpty())
            continue;
        const QSizeF size = titleText(index).size();
        const QPointF tip = tipOf(index, pixels, middle);
        const QRectF box(tip.x() - size.width() / 2 - 3, tip.y() + 2, size.width() + 6, std::max(size.height(), lineHeight) + 2);
        if (std::none_of(placed.cbegin(), placed.cend(), [&box](const auto& other) { return other.second.intersects(box); }))
            placed.append({index, box});
    }
    return placed;
}

void SyncRegionMapView::paintTitles(QPainter& painter, const QList<int>& topFirst) const
{
    painter.setFont(font());
    const QList<std::pair<int, QRectF>> placed = titlePlacements(topFirst);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 215));
    for (const auto& [index, box] : placed)
        painter.drawRect(box);
    painter.setPen(Qt::black);
    for (const auto& [index, box] : placed)
        painter.drawStaticText(QPointF(box.left() + 3, box.top() + 1), titleText(index));
}

// --- Events

void SyncRegionMapView::wheelEvent(QWheelEvent* event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0)
        return;
    // Zoom about the pointer: the position under it stays under it.
    const QPointF point = event->position();
    const halvex::Coordinate under = coordinateAt(point);
    const double zoom = std::clamp(zoom_ + steps * 0.5, WebMercator::minZoom, WebMercator::maxZoom);
    const double pixels = worldPixels(zoom);
    const QPointF world = WebMercator::worldPoint(under);
    const QPointF centre(world.x() - (point.x() - width() / 2.0) / pixels, world.y() - (point.y() - height() / 2.0) / pixels);
    setCentre(WebMercator::coordinate(centre), zoom);
    event->accept();
}

void SyncRegionMapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || attributionRect().contains(event->position().toPoint()))
        return;
    pressPoint_ = event->position().toPoint();
    pressWorldCentre_ = WebMercator::worldPoint(centre_);
    dragged_ = false;
}

void SyncRegionMapView::mouseMoveEvent(QMouseEvent* event)
{
    if (!pressPoint_)
        return;
    const QPoint delta = event->position().toPoint() - *pressPoint_;
    if (!dragged_ && delta.manhattanLength() < 4)
        return;
    dragged_ = true;
    const double pixels = worldPixels(zoom_);
    setCentre(WebMercator::coordinate({pressWorldCentre_.x() - delta.x() / pixels, pressWorldCentre_.y() - delta.y() / pixels}),
              zoom_);
}

void SyncRegionMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (!pressPoint_)
        return;
    pressPoint_.reset();
    if (dragged_ || event->button() != Qt::LeftButton)
        return;
    const int index = annotationAt(event->position());
    if (index >= 0)
        Q_EMIT annotationClicked(index, event->modifiers());
}

void SyncRegionMapView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || attributionRect().contains(event->position().toPoint()))
        return;
    Q_EMIT doubleAction(coordinateAt(event->position()));
    event->accept();
}

} // namespace maps
