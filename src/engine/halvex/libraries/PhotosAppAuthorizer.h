#pragma once

#include "engine/halvex/kit/LocalizedText.h"

namespace halvex {

// Asks for the right to drive the Photos application before a remote profile is applied.
// There is no Photos library on this system, so the answer is always no.
class PhotosAppAuthorizer {
public:
    // Whether the Photos application may be driven: false here.
    static bool perform();
    // Why perform() answers false, for the message shown to the user.
    static LocalizedText refusalReason();
};

} // namespace halvex
