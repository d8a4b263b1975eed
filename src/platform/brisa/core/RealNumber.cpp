#include "platform/brisa/core/RealNumber.h"

#include <cmath>
#include <limits>

namespace brisa {

std::optional<Fraction> fraction(double value, double errorThreshold)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double magnitude = std::fabs(value);
    constexpr double limit = double(std::numeric_limits<qint64>::max());

    // Convergents h/k of the continued fraction of the magnitude.
    double previousH = 1, h = std::floor(magnitude);
    double previousK = 0, k = 1;
    double remainder = magnitude - h;
    if (h > limit)
        return std::nullopt;
    for (int step = 0; step < 64; ++step) {
        if (std::fabs(magnitude - h / k) < errorThreshold || remainder == 0)
            break;
        const double inverse = 1 / remainder;
        const double term = std::floor(inverse);
        remainder = inverse - term;
        const double nextH = term * h + previousH;
        const double nextK = term * k + previousK;
        if (nextH > limit || nextK > limit)
            break;
        previousH = h;
        previousK = k;
        h = nextH;
        k = nextK;
    }
    const qint64 numerator = qint64(h);
    return Fraction{value < 0 ? -numerator : numerator, qint64(k)};
}

} // namespace brisa
