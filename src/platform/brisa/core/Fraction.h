#pragma once

#include <QtGlobal>

namespace brisa {

// A fraction numerator / denominator; the denominator is positive.
struct Fraction {
    qint64 numerator = 0;
    qint64 denominator = 1;

    friend bool operator==(const Fraction&, const Fraction&) = default;
};

} // namespace brisa
