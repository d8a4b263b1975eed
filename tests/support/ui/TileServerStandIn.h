#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QTcpServer>

namespace corvelle::test {

// A tile server on the loopback address: every GET of "/{z}/{x}/{y}.png" answers a 256 × 256
// PNG of one colour (set per zoom level, grey by default), anything else 404. It counts the
// requests and keeps their paths and User-Agent headers. Stands in for the internet's servers.
class TileServerStandIn : public QTcpServer {
    Q_OBJECT

public:
    explicit TileServerStandIn(QObject* parent = nullptr);

    // The URL template for the map views; empty until listening.
    QString urlTemplate() const;
    void setColour(int zoom, const QColor& colour);

    QList<QString> paths;
    QList<QString> userAgents;

private:
    void answer(class QTcpSocket* socket);

    QHash<int, QColor> colours_;
};

} // namespace corvelle::test
