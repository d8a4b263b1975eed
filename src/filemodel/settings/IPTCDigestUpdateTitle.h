#pragma once

#include "engine/halvex/kit/IPTCDigestUpdate.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// The engine's digest choice, titled for the Edition preferences.
inline QString title(halvex::IPTCDigestUpdate choice)
{
    switch (choice) {
    case halvex::IPTCDigestUpdate::ignore:
        return localizedString(QStringLiteral("EditionUserChoiceIPTCDigestIgnore"));
    case halvex::IPTCDigestUpdate::delete_:
        return localizedString(QStringLiteral("EditionUserChoiceIPTCDigestDelete"));
    case halvex::IPTCDigestUpdate::update:
        return localizedString(QStringLiteral("EditionUserChoiceIPTCDigestUpdate"));
    case halvex::IPTCDigestUpdate::updateIfExists:
        return localizedString(QStringLiteral("EditionUserChoiceIPTCDigestUpdateIfExists"));
    }
    return {};
}

} // namespace corvelle
