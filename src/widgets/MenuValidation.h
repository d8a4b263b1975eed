#pragma once

namespace corvelle {

// A validator's answer for one menu or toolbar command: the command is its own and disabled,
// its own and enabled, or not its own (the next validator is asked).
enum class MenuValidation {
    disabled = 0,
    enabled = 1,
    notMine = 2,
};

} // namespace corvelle
