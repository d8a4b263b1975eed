#pragma once

#include "platform/brisa/core/Fraction.h"

#include <optional>

namespace brisa {

// The simplest fraction (first continued-fraction convergent) that lies within
// `errorThreshold` of `value`: 0.004 with 1e-06 gives 1 / 250. None for infinities, NaN and
// values whose fraction does not fit in 64 bits.
std::optional<Fraction> fraction(double value, double errorThreshold);

} // namespace brisa
