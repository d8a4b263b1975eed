#include "platform/maps/MapTileSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QSaveFile>

namespace maps {

namespace {

constexpr int maxRunning = 2;

quint64 tileKey(int zoom, int x, int y)
{
    return (quint64(zoom) << 58) | (quint64(quint32(x)) << 29) | quint64(quint32(y));
}

// A tile the server did not give is asked for again only after this long.
constexpr qint64 retryMilliseconds = 60 * 1000;

} // namespace

MapTileSource::MapTileSource(QString urlTemplate, QString cacheFolder, QObject* parent)
    : QObject(parent)
    , urlTemplate_(std::move(urlTemplate))
    , cacheFolder_(std::move(cacheFolder))
    , network_(new QNetworkAccessManager(this))
    , memory_(512)
    , scaled_(128)
{
}

MapTileSource::~MapTileSource() = default;

void MapTileSource::setUrlTemplate(const QString& urlTemplate)
{
    if (urlTemplate == urlTemplate_)
        return;
    urlTemplate_ = urlTemplate;
    memory_.clear();
    scaled_.clear();
    expiries_.clear();
    absent_.clear();
    failedAt_.clear();
    queue_.clear();
}

QString MapTileSource::url(int zoom, int x, int y) const
{
    QString text = urlTemplate_;
    return text.replace(QLatin1String("{z}"), QString::number(zoom))
        .replace(QLatin1String("{x}"), QString::number(x))
        .replace(QLatin1String("{y}"), QString::number(y));
}

QString MapTileSource::path(int zoom, int x, int y) const
{
    // One folder per server, so that changing the template never mixes two servers' tiles.
    const QString server = QString::number(qHash(urlTemplate_), 16);
    return QStringLiteral("%1/%2/%3/%4/%5.png").arg(cacheFolder_, server).arg(zoom).arg(x).arg(y);
}

bool MapTileSource::isFresh(int zoom, int x, int y)
{
    // The disk is read once per tile: a view asks at every frame.
    const quint64 key = tileKey(zoom, x, y);
    auto found = expiries_.constFind(key);
    if (found == expiries_.constEnd()) {
        QDateTime expires;
        QFile expiry(path(zoom, x, y) + QStringLiteral(".expires"));
        if (expiry.open(QIODevice::ReadOnly))
            expires = QDateTime::fromString(QString::fromLatin1(expiry.readAll()).trimmed(), Qt::ISODate);
        found = expiries_.insert(key, expires);
    }
    return found->isValid() && *found > QDateTime::currentDateTimeUtc();
}

QImage MapTileSource::cachedTile(int zoom, int x, int y)
{
    const quint64 key = tileKey(zoom, x, y);
    if (const QImage* image = memory_.object(key))
        return *image;
    // A tile known to be missing from the disk is not looked for again until one arrives.
    if (absent_.contains(key))
        return {};
    QImage image(path(zoom, x, y));
    if (image.isNull())
        absent_.insert(key);
    else
        memory_.insert(key, new QImage(image));
    return image;
}

QImage MapTileSource::tile(int zoom, int x, int y)
{
    const QImage cached = cachedTile(zoom, x, y);
    if (cached.isNull() || !isFresh(zoom, x, y))
        request(zoom, x, y);
    if (!cached.isNull())
        return cached;
    // A tile of a lower level that holds this one, its part scaled up. Not from further than
    // maximumScaledLevels up: a part of a few pixels blown up to a tile is a smear, and the
    // base map drawn in its place shows more.
    for (int up = 1; up <= zoom && up <= maximumScaledLevels; ++up) {
        const QImage parent = cachedTile(zoom - up, x >> up, y >> up);
        if (parent.isNull())
            continue;
        const int part = parent.width() >> up;
        if (part < 1)
            break;
        const QRect source((x & ((1 << up) - 1)) * part, (y & ((1 << up) - 1)) * part, part, part);
        // Scaled once, then kept until a tile arrives.
        const quint64 key = tileKey(zoom, x, y);
        if (const QImage* image = scaled_.object(key))
            return *image;
        const QImage image = parent.copy(source).scaled(parent.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.insert(key, new QImage(image));
        return image;
    }
    return {};
}

void MapTileSource::request(int zoom, int x, int y)
{
    if (urlTemplate_.isEmpty())
        return;
    const quint64 key = tileKey(zoom, x, y);
    if (pending_.contains(key))
        return;
    if (const auto failed = failedAt_.constFind(key);
        failed != failedAt_.constEnd() && QDateTime::currentMSecsSinceEpoch() - *failed < retryMilliseconds)
        return;
    pending_.insert(key);
    queue_.append({zoom, x, y});
    startNext();
}

void MapTileSource::startNext()
{
    while (running_ < maxRunning && !queue_.isEmpty()) {
        // The newest request first: it is the one the view shows now.
        const auto [zoom, x, y] = queue_.takeLast();
        QNetworkRequest request{QUrl(url(zoom, x, y))};
        request.setHeader(QNetworkRequest::UserAgentHeader,
                          QStringLiteral("%1/%2 (desktop metadata editor)")
                              .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion()));
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setTransferTimeout(15000);
        ++running_;
        QNetworkReply* reply = network_->get(request);
        const quint64 key = tileKey(zoom, x, y);
        connect(reply, &QNetworkReply::finished, this,
                [this, reply, key, zoom = zoom, x = x, y = y] { finished(reply, key, zoom, x, y); });
    }
}

void MapTileSource::finished(QNetworkReply* reply, quint64 key, int zoom, int x, int y)
{
    reply->deleteLater();
    --running_;
    pending_.remove(key);
    const QByteArray data = reply->readAll();
    QImage image;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status == 200)
        image.loadFromData(data);
    if (image.isNull()) {
        lastError_ = QStringLiteral("%1: %2").arg(reply->url().toString(),
                                                   reply->error() != QNetworkReply::NoError
                                                       ? reply->errorString()
                                                       : QStringLiteral("not an image (HTTP %1)").arg(status));
        failedAt_.insert(key, QDateTime::currentMSecsSinceEpoch());
        if (!offline_) {
            offline_ = true;
            Q_EMIT wentOffline(lastError_);
        }
        startNext();
        return;
    }
    offline_ = false;
    QDateTime expires = QDateTime::fromString(QString::fromLatin1(reply->rawHeader("Expires")).trimmed(), Qt::RFC2822Date);
    if (!expires.isValid() || expires <= QDateTime::currentDateTimeUtc())
        expires = QDateTime::currentDateTimeUtc().addDays(defaultDays);
    const QString file = path(zoom, x, y);
    // A cache that cannot be written only costs a download next time.
    if (QDir().mkpath(QFileInfo(file).path())) {
        QSaveFile tileFile(file);
        if (tileFile.open(QIODevice::WriteOnly) && tileFile.write(data) == data.size())
            tileFile.commit();
        QSaveFile expiry(file + QStringLiteral(".expires"));
        if (expiry.open(QIODevice::WriteOnly) && expiry.write(expires.toUTC().toString(Qt::ISODate).toLatin1()) > 0)
            expiry.commit();
    }
    memory_.insert(key, new QImage(image));
    absent_.remove(key);
    failedAt_.remove(key);
    expiries_.insert(key, expires);
    // Parents scaled up stand in for tiles that may have come now.
    scaled_.clear();
    Q_EMIT tileLoaded();
    startNext();
}

} // namespace maps
