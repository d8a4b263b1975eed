#pragma once

#include <QtGlobal>

namespace corvelle {

// The pages of the step-by-step edition, in their order. Reached as EditorEditionCache::Step; an
// empty std::optional<Step> stands for no step (no way back, or the last page).
enum class EditorEditionCacheStep {
    // Choose one group of tags by value-editor type.
    tagSelection,
    // Edit the value with the value editor of the tags' type.
    tagEdition,
    // Edit the raw value as text.
    rawEdition,
    // Choose a quick action.
    actionSelection,
    // The settings of the chosen quick action.
    actionEdition,
};

inline size_t qHash(EditorEditionCacheStep step, size_t seed = 0) noexcept
{
    return ::qHash(int(step), seed);
}

} // namespace corvelle
