// The 256-bit core of the elementary functions' accurate passes: e^x and
// log x in wide arithmetic (numerics/wide_float.h), correct to far more bits
// than the hardest-to-round arguments need, and their rounding to double.
// Slow (microseconds): each function runs its accurate pass only when its
// quick pass cannot decide the rounding.
#pragma once

#include "numerics/wide_float.h"

namespace Zq::Math::Elementary {

// e^x for |x| < 2^11, to within 2^-235 relative.
WideFloat::Wide ExpWide(const WideFloat::Wide& x);

// log x for finite x > 0, to within 2^-184 relative, given a quick value
// head + tail within 2^-60 of it relative.
WideFloat::Wide LogWide(double x, double head, double tail);

// value rounded to the nearest double, known to within 2^-accuracyBits
// relative; rounded as exact when a value that close could round either way.
double Rounded(const WideFloat::Wide& value, int accuracyBits);

}  // namespace Zq::Math::Elementary
