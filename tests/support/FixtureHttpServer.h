#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QUrl>
#include <QUrlQuery>

#include <functional>
#include <memory>

class QThread;

namespace corvelle::test {

// A small HTTP/1.1 server on 127.0.0.1 that stands in for the online services in tests. It runs
// on a thread of its own, so a client may block any thread, the main one included, while it
// answers. Each request goes to the handler; every request is kept for the test to check.
class FixtureHttpServer {
public:
    struct Request {
        QByteArray method;
        QString path;
        QUrlQuery query;
        // Header names in lower case.
        QHash<QByteArray, QByteArray> headers;
        QByteArray body;
    };
    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        // Never answers: the client's time-out is what ends the exchange.
        bool stall = false;

        static Response json(const QByteArray& body, int status = 200) { return {status, body, "application/json", false}; }
        static Response stalled() { return {0, {}, {}, true}; }
    };
    using Handler = std::function<Response(const Request& request)>;

    FixtureHttpServer();
    ~FixtureHttpServer();
    FixtureHttpServer(const FixtureHttpServer&) = delete;
    FixtureHttpServer& operator=(const FixtureHttpServer&) = delete;

    // Replaces the handler; the default answers 404.
    void setHandler(Handler handler);
    // "http://127.0.0.1:PORT" followed by the path.
    QUrl url(const QString& path = {}) const;
    QList<Request> requests() const;
    void clearRequests();

private:
    Response answer(const Request& request);

    mutable QMutex mutex_;
    Handler handler_;
    QList<Request> requests_;
    quint16 port_ = 0;
    std::unique_ptr<QThread> thread_;
    // Lives on the thread: the server is made and ended there.
    QObject* context_ = nullptr;
    QObject* server_ = nullptr;
};

} // namespace corvelle::test
