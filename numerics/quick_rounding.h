// What decides a quick pass: whether its value, within its proven error
// bound, settles the correctly rounded result. When it does not, the
// function runs its accurate pass.
#pragma once

#include "numerics/double_double.h"

namespace Zq::Math::Elementary {

using DoubleDouble::DD;

// True, with the result, when every value within |margin| of head + tail
// rounds to the same double (head the larger part). Rounding is monotonic,
// so the two ends agreeing settles everything between them.
inline bool Decide(double head, double tail, double margin, double& result) {
  const double up = head + (tail + margin);
  const double down = head + (tail - margin);
  result = up;
  return up == down;
}

// True when every value within eps * |y| of y.hi + y.lo rounds to y.hi, so
// that y.hi is the correctly rounded value of anything that close.
inline bool RoundsSafely(DD y, double eps) {
  const double margin = eps * __builtin_fabs(y.hi);
  return y.hi + (y.lo + margin) == y.hi && y.hi + (y.lo - margin) == y.hi;
}

// Rounds to a whole number (ties to even) when added to and subtracted
// from a double below 2^51 in magnitude.
constexpr double kShifter = 0x1.8p52;

}  // namespace Zq::Math::Elementary
