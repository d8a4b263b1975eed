#pragma once

#include <QCache>
#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace maps {

// The square images of the map, from a tile server named by a URL template ("{z}", "{x}" and
// "{y}" stand for the tile), kept on disk for as long as the server's Expires header says, else
// seven days. Only tiles a view shows are asked for, two at a time, with a User-Agent that names
// the program: no bulk download.
//
// Offline, or while a tile is on its way: the tile from the disk even when expired, else a
// cached tile of a lower zoom level scaled up (at most maximumScaledLevels up), else nothing (the
// view draws its base map).
class MapTileSource : public QObject {
    Q_OBJECT

public:
    static constexpr int maximumScaledLevels = 4;

    MapTileSource(QString urlTemplate, QString cacheFolder, QObject* parent = nullptr);
    ~MapTileSource() override;

    const QString& urlTemplate() const { return urlTemplate_; }
    void setUrlTemplate(const QString& urlTemplate);
    const QString& cacheFolder() const { return cacheFolder_; }

    // The best image at hand for the tile; asks the server for it when the disk has no fresh one.
    // Null when nothing is at hand yet.
    QImage tile(int zoom, int x, int y);
    // The image of the tile on disk or in memory, expired or not; no request.
    QImage cachedTile(int zoom, int x, int y);
    // Where the tile of the current server is kept on disk.
    QString cachedTilePath(int zoom, int x, int y) const { return path(zoom, x, y); }
    // The last request failed and none has succeeded since.
    bool isOffline() const { return offline_; }
    // The server's answer or the network's reason for the last failure, naming the URL.
    const QString& lastError() const { return lastError_; }

    // How long a tile is kept without an Expires header.
    static constexpr int defaultDays = 7;

Q_SIGNALS:
    // A tile arrived: views showing it repaint.
    void tileLoaded();
    // A request failed (the first one after a success): views may say they are offline.
    void wentOffline(const QString& reason);

private:
    QString url(int zoom, int x, int y) const;
    QString path(int zoom, int x, int y) const;
    bool isFresh(int zoom, int x, int y);
    void request(int zoom, int x, int y);
    void startNext();
    void finished(QNetworkReply* reply, quint64 key, int zoom, int x, int y);

    QString urlTemplate_;
    QString cacheFolder_;
    QNetworkAccessManager* network_;
    // By tile (level, column and row in one number): the images in memory, the parents scaled up
    // in their place, the expiry dates read from the disk, the tiles the disk does not hold, and
    // when a request failed (it is not repeated for a minute).
    QCache<quint64, QImage> memory_;
    QCache<quint64, QImage> scaled_;
    QHash<quint64, QDateTime> expiries_;
    QSet<quint64> absent_;
    QHash<quint64, qint64> failedAt_;
    QList<std::tuple<int, int, int>> queue_;
    QSet<quint64> pending_;
    int running_ = 0;
    bool offline_ = false;
    QString lastError_;
};

} // namespace maps
