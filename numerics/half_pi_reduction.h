// Exact reduction of any positive double by pi/2 (Payne and Hanek's method):
// a = k pi/2 + r with |r| <= pi/4, r to 2^-250 absolute, from the stored
// bits of 2/pi. The closest any double comes to a multiple of pi/2 is about
// 2^-61, so r keeps some 190 significant bits.
#pragma once

#include "numerics/fixed_point.h"

namespace Zq::Math {

struct HalfPiReduction {
  FixedPoint::Fixed magnitude;  // |r|
  bool negative;                // r < 0
  bool odd;                     // k is odd
};

// For finite a >= 2^-30.
HalfPiReduction ReduceByHalfPi(double a);

}  // namespace Zq::Math
