#include "engine/cobbin/MetadataRequest.h"

#include <QJsonDocument>
#include <QUrlQuery>

namespace cobbin {

void MetadataRequest::fail(MetadataError* error, const MetadataError& value)
{
    if (error)
        *error = value;
}

QUrl MetadataRequest::endpoint(const QUrl& base, const QString& path, const QList<std::pair<QString, QString>>& query)
{
    QUrl url = base;
    QString prefix = url.path();
    if (prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    url.setPath(prefix + path);
    QUrlQuery items;
    for (const auto& [name, value] : query)
        items.addQueryItem(name, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    url.setQuery(items);
    return url;
}

std::optional<QJsonObject> MetadataRequest::read(const QString& service, const HttpFetch::Reply& reply,
                                                 int timeoutMs, MetadataError* error, const QString& notFound)
{
    using K = MetadataError::Kind;
    switch (reply.failure) {
    case HttpFetch::Failure::timeout:
        fail(error, MetadataError::make(K::timeout, service, {(timeoutMs + 999) / 1000}));
        return std::nullopt;
    case HttpFetch::Failure::network:
        fail(error, MetadataError::make(K::network, service, {reply.errorText}));
        return std::nullopt;
    case HttpFetch::Failure::none:
        break;
    }
    if (reply.status == 401 || reply.status == 403) {
        fail(error, MetadataError::make(K::rejectedKey, service, {reply.status}));
        return std::nullopt;
    }
    if (reply.status == 429) {
        fail(error, MetadataError::make(K::rateLimited, service));
        return std::nullopt;
    }
    if (reply.status == 404) {
        fail(error, MetadataError::make(K::notFound, service, {notFound}));
        return std::nullopt;
    }
    if (reply.status != 200) {
        fail(error, MetadataError::make(K::status, service, {reply.status}));
        return std::nullopt;
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(reply.body, &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject()) {
        fail(error, MetadataError::make(K::malformed, service));
        return std::nullopt;
    }
    return document.object();
}

std::optional<QJsonObject> MetadataRequest::getJson(const QString& service, const QUrl& url,
                                                    const HttpFetch::Headers& headers, int timeoutMs,
                                                    MetadataError* error, const QString& notFound)
{
    HttpFetch::Headers all = headers;
    all.append({QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json")});
    return read(service, HttpFetch::get(url, all, timeoutMs), timeoutMs, error, notFound);
}

std::optional<QJsonObject> MetadataRequest::postJson(const QString& service, const QUrl& url,
                                                     const QJsonObject& body, const HttpFetch::Headers& headers,
                                                     int timeoutMs, MetadataError* error)
{
    HttpFetch::Headers all = headers;
    all.append({QByteArrayLiteral("Accept"), QByteArrayLiteral("application/json")});
    all.append({QByteArrayLiteral("Content-Type"), QByteArrayLiteral("application/json")});
    return read(service, HttpFetch::post(url, QJsonDocument(body).toJson(QJsonDocument::Compact), all, timeoutMs),
                timeoutMs, error);
}

} // namespace cobbin
