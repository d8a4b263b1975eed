#include "FixtureHttpServer.h"

#include <QHostAddress>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace corvelle::test {

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 206: return "Partial Content";
    case 304: return "Not Modified";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 429: return "Too Many Requests";
    default: return "Status";
    }
}

} // namespace

FixtureHttpServer::FixtureHttpServer()
    : thread_(std::make_unique<QThread>())
{
    context_ = new QObject();
    context_->moveToThread(thread_.get());
    thread_->start();
    QSemaphore ready;
    QMetaObject::invokeMethod(
        context_,
        [this, &ready] {
            auto* server = new QTcpServer();
            server->listen(QHostAddress::LocalHost, 0);
            port_ = server->serverPort();
            server_ = server;
            QObject::connect(server, &QTcpServer::newConnection, server, [this, server] {
                while (QTcpSocket* socket = server->nextPendingConnection()) {
                    auto buffer = std::make_shared<QByteArray>();
                    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                        buffer->append(socket->readAll());
                        const qsizetype end = buffer->indexOf("\r\n\r\n");
                        if (end < 0)
                            return;
                        Request request;
                        const QList<QByteArray> lines = buffer->left(end).split('\n');
                        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
                        request.method = first.value(0);
                        const QUrl target(QString::fromLatin1(first.value(1)));
                        request.path = target.path();
                        request.query = QUrlQuery(target);
                        for (qsizetype i = 1; i < lines.size(); ++i) {
                            const qsizetype colon = lines.at(i).indexOf(':');
                            if (colon > 0)
                                request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                                       lines.at(i).mid(colon + 1).trimmed());
                        }
                        const qsizetype length = request.headers.value("content-length", "0").toLongLong();
                        if (buffer->size() < end + 4 + length)
                            return;
                        request.body = buffer->mid(end + 4, length);
                        buffer->clear();
                        const Response response = answer(request);
                        if (response.stall)
                            return;
                        QByteArray reply = "HTTP/1.1 " + QByteArray::number(response.status) + ' '
                            + reasonPhrase(response.status) + "\r\nContent-Length: "
                            + QByteArray::number(response.body.size()) + "\r\nContent-Type: " + response.contentType
                            + "\r\nConnection: close\r\n\r\n" + response.body;
                        socket->write(reply);
                        socket->disconnectFromHost();
                    });
                }
            });
            ready.release();
        },
        Qt::QueuedConnection);
    ready.acquire();
}

FixtureHttpServer::~FixtureHttpServer()
{
    QMetaObject::invokeMethod(
        context_,
        [this] {
            delete server_;
            delete context_;
        },
        Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
}

void FixtureHttpServer::setHandler(Handler handler)
{
    QMutexLocker lock(&mutex_);
    handler_ = std::move(handler);
}

QUrl FixtureHttpServer::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path));
}

QList<FixtureHttpServer::Request> FixtureHttpServer::requests() const
{
    QMutexLocker lock(&mutex_);
    return requests_;
}

void FixtureHttpServer::clearRequests()
{
    QMutexLocker lock(&mutex_);
    requests_.clear();
}

FixtureHttpServer::Response FixtureHttpServer::answer(const Request& request)
{
    Handler handler;
    {
        QMutexLocker lock(&mutex_);
        requests_ << request;
        handler = handler_;
    }
    return handler ? handler(request) : Response::json("{}", 404);
}

} // namespace corvelle::test
