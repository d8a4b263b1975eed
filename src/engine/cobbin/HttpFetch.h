#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <utility>

namespace cobbin {

// One HTTP exchange that blocks its thread until the reply ends or the time runs out. Each call
// makes its own network manager, so it may run on any thread, the main thread excepted.
class HttpFetch {
public:
    enum class Failure { none, network, timeout };
    struct Reply {
        Failure failure = Failure::none;
        // The HTTP status; 0 when no response came.
        int status = 0;
        QByteArray body;
        // The transport's reason when the exchange failed.
        QString errorText;
    };
    using Headers = QList<std::pair<QByteArray, QByteArray>>;

    static constexpr int defaultTimeout = 30000;
    // Sent with every request, so that a service can tell who asks.
    static QByteArray userAgent();

    static Reply get(const QUrl& url, const Headers& headers = {}, int timeoutMs = defaultTimeout);
    static Reply post(const QUrl& url, const QByteArray& body, const Headers& headers = {},
                      int timeoutMs = defaultTimeout);
};

} // namespace cobbin
