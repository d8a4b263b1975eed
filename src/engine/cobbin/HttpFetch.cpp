#include "engine/cobbin/HttpFetch.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace cobbin {

namespace {

HttpFetch::Reply exchange(const QUrl& url, const QByteArray& method, const QByteArray& body,
                          const HttpFetch::Headers& headers, int timeoutMs)
{
    HttpFetch::Reply result;
    if (!url.isValid() || url.scheme().isEmpty()) {
        result.failure = HttpFetch::Failure::network;
        result.errorText = QStringLiteral("invalid address");
        return result;
    }
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferNetwork);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, HttpFetch::userAgent());
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    std::unique_ptr<QNetworkReply> reply(method == "POST" ? manager.post(request, body) : manager.get(request));
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    timer.stop();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    result.status = status.isValid() ? status.toInt() : 0;
    result.body = reply->readAll();
    if (timedOut) {
        result.failure = HttpFetch::Failure::timeout;
        result.status = 0;
    } else if (result.status == 0 && reply->error() != QNetworkReply::NoError) {
        result.failure = HttpFetch::Failure::network;
        result.errorText = reply->errorString();
    }
    return result;
}

} // namespace

QByteArray HttpFetch::userAgent()
{
    return QByteArrayLiteral("Corvelle/" CORVELLE_VERSION " (media metadata editor; Qt)");
}

HttpFetch::Reply HttpFetch::get(const QUrl& url, const Headers& headers, int timeoutMs)
{
    return exchange(url, "GET", {}, headers, timeoutMs);
}

HttpFetch::Reply HttpFetch::post(const QUrl& url, const QByteArray& body, const Headers& headers, int timeoutMs)
{
    return exchange(url, "POST", body, headers, timeoutMs);
}

} // namespace cobbin
