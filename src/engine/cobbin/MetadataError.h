#pragma once

#include "engine/halvex/kit/LocalizedText.h"

#include <QString>

namespace cobbin {

// Why a search or a load gave nothing: which service, and the reason as a text the interface
// localises.
struct MetadataError {
    enum class Kind { missingKey, rejectedKey, rateLimited, network, timeout, malformed, notFound, status };

    Kind kind = Kind::network;
    // The service's display name.
    QString service;
    halvex::LocalizedText reason;

    // Some failure was recorded (a default value records none).
    bool isSet() const { return !reason.key.isEmpty(); }

    static MetadataError make(Kind kind, const QString& service, const QVariantList& arguments = {});
};

} // namespace cobbin
