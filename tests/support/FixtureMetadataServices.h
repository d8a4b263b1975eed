#pragma once

#include "FixtureHttpServer.h"

#include <QByteArray>
#include <QHash>
#include <QSize>
#include <QString>

namespace corvelle::test {

// The four online services as a local server answers them, with invented titles: the movie
// "Glass Harbor" and the show "Copper Valley" (season 2, episode 5 "The Long Thaw"). Each
// service checks the credentials it needs, as the real one does. Images are served under
// /images/: "poster.png" (and every other PNG name) is a posterSize PNG; "missing.png" gives 404;
// "partial.png" 206 and "cached.png" 304, both with image data; "stalled.png" never answers.
//
// Making it points the services' address settings at the server and sets the credentials
// below as the stored ones; an `override` answers a path before the services do.
class FixtureMetadataServices {
public:
    static const QString theMovieDBKey;   // an API key
    static const QString theMovieDBToken; // a read-access token
    static const QString theTVDBKey;
    static const QString theTVDBPin;
    static const QString theTVDBToken; // what the login gives
    static constexpr QSize posterSize{40, 60};

    FixtureMetadataServices();
    ~FixtureMetadataServices();

    FixtureHttpServer& server() { return server_; }
    // Answers `path` (exact, without query) with `response` until cleared.
    void override(const QString& path, const FixtureHttpServer::Response& response);
    void clearOverrides();
    // Whether TheTVDB takes the token it gave; false stands for a token past its month.
    void setTheTVDBTokenValid(bool valid);
    int theTVDBLoginCount() const;
    // The request timeout of the services, in milliseconds.
    static void setTimeout(int milliseconds);

    QUrl imageUrl(const QString& name) const { return server_.url(QStringLiteral("/images/") + name); }
    static QByteArray png(const QSize& size);

private:
    FixtureHttpServer::Response answer(const FixtureHttpServer::Request& request);
    FixtureHttpServer::Response theMovieDB(const FixtureHttpServer::Request& request);
    FixtureHttpServer::Response theTVDB(const FixtureHttpServer::Request& request);
    FixtureHttpServer::Response iTunes(const FixtureHttpServer::Request& request);

    FixtureHttpServer server_;
    mutable QMutex mutex_;
    QHash<QString, FixtureHttpServer::Response> overrides_;
    bool theTVDBTokenValid_ = true;
    int theTVDBLogins_ = 0;
};

} // namespace corvelle::test
