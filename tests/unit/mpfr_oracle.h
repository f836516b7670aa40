// GNU MPFR as the oracle for correctly rounded double functions: MPFR's
// functions round correctly to the target precision, and with the exponent
// range set to the double format's (subnormals included) its result is the
// double that a correctly rounded implementation must return.
#pragma once

#include <mpfr.h>

namespace Zq::Test {

using MpfrUnary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
using MpfrBinary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);

// Sets MPFR's exponent range to the double format's for the life of the
// object, and restores the previous range afterwards.
class DoubleExponentRange {
 public:
  DoubleExponentRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
  }
  ~DoubleExponentRange() {
    mpfr_set_emin(emin_);
    mpfr_set_emax(emax_);
  }
  DoubleExponentRange(const DoubleExponentRange&) = delete;
  DoubleExponentRange& operator=(const DoubleExponentRange&) = delete;

 private:
  mpfr_exp_t emin_;
  mpfr_exp_t emax_;
};

// f(x) rounded to the nearest double, ties to even, as MPFR computes it.
inline double CorrectlyRounded(MpfrUnary f, double x) {
  const DoubleExponentRange range;
  mpfr_t a, r;
  mpfr_inits2(53, a, r, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_d(a, x, MPFR_RNDN);
  const int inexact = f(r, a, MPFR_RNDN);
  mpfr_subnormalize(r, mpfr_check_range(r, inexact, MPFR_RNDN), MPFR_RNDN);
  const double result = mpfr_get_d(r, MPFR_RNDN);
  mpfr_clears(a, r, static_cast<mpfr_ptr>(nullptr));
  return result;
}

// f(x, y) rounded to the nearest double, ties to even.
inline double CorrectlyRounded(MpfrBinary f, double x, double y) {
  const DoubleExponentRange range;
  mpfr_t a, b, r;
  mpfr_inits2(53, a, b, r, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_d(a, x, MPFR_RNDN);
  mpfr_set_d(b, y, MPFR_RNDN);
  const int inexact = f(r, a, b, MPFR_RNDN);
  mpfr_subnormalize(r, mpfr_check_range(r, inexact, MPFR_RNDN), MPFR_RNDN);
  const double result = mpfr_get_d(r, MPFR_RNDN);
  mpfr_clears(a, b, r, static_cast<mpfr_ptr>(nullptr));
  return result;
}

}  // namespace Zq::Test
