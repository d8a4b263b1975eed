#pragma once

#include "engine/cobbin/iTunesService.h"

namespace cobbin {

// Apple TV offers no catalogue search to other programs: its targets keep their own names and
// saved languages and search the same store as iTunes.
class AppleTVService : public iTunesService {
public:
    QString identifyingName() const override { return QStringLiteral("AppleTV"); }
    QString displayName() const override { return QStringLiteral("Apple TV"); }
};

} // namespace cobbin
