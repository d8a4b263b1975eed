#include "support/ui/TileServerStandIn.h"

#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QTcpSocket>

namespace corvelle::test {

TileServerStandIn::TileServerStandIn(QObject* parent)
    : QTcpServer(parent)
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString TileServerStandIn::urlTemplate() const
{
    return isListening() ? QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(serverPort()) : QString();
}

void TileServerStandIn::setColour(int zoom, const QColor& colour)
{
    colours_.insert(zoom, colour);
}

void TileServerStandIn::answer(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return;
    socket->setProperty("request", QByteArray());
    const QList<QByteArray> lines = request.split('\n');
    const QString path = QString::fromLatin1(lines.value(0).split(' ').value(1));
    for (const QByteArray& line : lines) {
        if (line.toLower().startsWith("user-agent:"))
            userAgents << QString::fromLatin1(line.mid(11).trimmed());
    }
    paths << path;
    static const QRegularExpression tilePath(QStringLiteral("^/(\\d+)/(\\d+)/(\\d+)\\.png$"));
    const QRegularExpressionMatch match = tilePath.match(path);
    QByteArray body;
    QByteArray status = "404 Not Found";
    if (match.hasMatch()) {
        QImage image(256, 256, QImage::Format_RGB32);
        image.fill(colours_.value(match.captured(1).toInt(), QColor(128, 128, 128)));
        QBuffer buffer(&body);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        status = "200 OK";
    }
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: image/png\r\nContent-Length: " + QByteArray::number(body.size())
                  + "\r\nConnection: keep-alive\r\n\r\n" + body);
}

} // namespace corvelle::test
