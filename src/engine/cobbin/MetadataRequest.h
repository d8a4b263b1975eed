#pragma once

#include "engine/cobbin/HttpFetch.h"
#include "engine/cobbin/MetadataError.h"

#include <QJsonObject>
#include <QUrl>

#include <optional>

namespace cobbin {

// A JSON request to a service, with its failures told apart: no answer, a time-out, a key
// refused (401, 403), a rate limit (429), nothing there (404), any other status, and an answer
// that is no JSON object.
class MetadataRequest {
public:
    // `notFound` names what was asked for, for the message of a 404.
    static std::optional<QJsonObject> getJson(const QString& service, const QUrl& url,
                                              const HttpFetch::Headers& headers, int timeoutMs,
                                              MetadataError* error, const QString& notFound = {});
    static std::optional<QJsonObject> postJson(const QString& service, const QUrl& url, const QJsonObject& body,
                                               const HttpFetch::Headers& headers, int timeoutMs,
                                               MetadataError* error);
    // The reply read as a JSON object, or the error it stands for.
    static std::optional<QJsonObject> read(const QString& service, const HttpFetch::Reply& reply, int timeoutMs,
                                           MetadataError* error, const QString& notFound = {});
    static void fail(MetadataError* error, const MetadataError& value);
    // The service's address with the path added to its own and the query items, encoded.
    static QUrl endpoint(const QUrl& base, const QString& path, const QList<std::pair<QString, QString>>& query);
};

} // namespace cobbin
