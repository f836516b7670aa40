// The error of a quick pass's unevaluated sum against GNU MPFR at 256 bits,
// for the tests that hold each quick pass to its proven bound.
#pragma once

#include <mpfr.h>

#include <cmath>

#include "tests/unit/mpfr_oracle.h"

namespace Zq::Test {

// |(head + tail) 2^power - f(x)| / |scale(x)|, rounded up: the relative
// error when scale is f.
inline double QuickPassError(MpfrUnary f, MpfrUnary scale, double x, double head, double tail, int power = 0) {
  mpfr_t exact, approx, unit;
  mpfr_inits2(256, exact, approx, unit, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_d(exact, x, MPFR_RNDN);
  f(exact, exact, MPFR_RNDN);
  mpfr_set_d(unit, x, MPFR_RNDN);
  scale(unit, unit, MPFR_RNDN);
  mpfr_set_d(approx, head, MPFR_RNDN);
  mpfr_add_d(approx, approx, tail, MPFR_RNDN);
  mpfr_mul_2si(approx, approx, power, MPFR_RNDN);
  mpfr_sub(approx, approx, exact, MPFR_RNDN);
  mpfr_div(approx, approx, unit, MPFR_RNDN);
  const double error = std::abs(mpfr_get_d(approx, MPFR_RNDU));
  mpfr_clears(exact, approx, unit, static_cast<mpfr_ptr>(nullptr));
  return error;
}

}  // namespace Zq::Test
