#include "tests/unit/mpfr_reference.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace Zq::Test {

DoubleExponentRange::DoubleExponentRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
  mpfr_set_emin(-1073);
  mpfr_set_emax(1024);
}

DoubleExponentRange::~DoubleExponentRange() {
  mpfr_set_emin(emin_);
  mpfr_set_emax(emax_);
}

double CorrectlyRounded(MpfrUnary f, double x) {
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

double CorrectlyRounded(MpfrBinary f, double x, double y) {
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

bool SameResult(double actual, double expected) {
  if (std::isnan(actual) || std::isnan(expected)) return std::isnan(actual) && std::isnan(expected);
  return std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected);
}

std::string Disagreement(const char* name, double x, double actual, double expected) {
  char line[160];
  std::snprintf(line, sizeof line, "%s(%a) = %a, MPFR %a", name, x, actual, expected);
  return line;
}

std::string Disagreement(const char* name, double x, double y, double actual, double expected) {
  char line[200];
  std::snprintf(line, sizeof line, "%s(%a, %a) = %a, MPFR %a", name, x, y, actual, expected);
  return line;
}

double ErrorAgainst(mpfr_srcptr exact, mpfr_srcptr unit, double head, double tail, int power) {
  mpfr_t approx;
  mpfr_init2(approx, 256);
  mpfr_set_d(approx, head, MPFR_RNDN);
  mpfr_add_d(approx, approx, tail, MPFR_RNDN);
  mpfr_mul_2si(approx, approx, power, MPFR_RNDN);
  mpfr_sub(approx, approx, exact, MPFR_RNDN);
  mpfr_div(approx, approx, unit, MPFR_RNDN);
  mpfr_abs(approx, approx, MPFR_RNDN);
  const double error = mpfr_get_d(approx, MPFR_RNDU);
  mpfr_clear(approx);
  return error;
}

double QuickPassError(MpfrUnary f, MpfrUnary scale, double x, double head, double tail, int power) {
  mpfr_t exact, unit;
  mpfr_inits2(256, exact, unit, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_d(exact, x, MPFR_RNDN);
  f(exact, exact, MPFR_RNDN);
  mpfr_set_d(unit, x, MPFR_RNDN);
  scale(unit, unit, MPFR_RNDN);
  const double error = ErrorAgainst(exact, unit, head, tail, power);
  mpfr_clears(exact, unit, static_cast<mpfr_ptr>(nullptr));
  return error;
}

double MarginRelativeTo(MpfrUnary scale, double x, double margin, int power) {
  mpfr_t covered, unit;
  mpfr_inits2(256, covered, unit, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_d(unit, x, MPFR_RNDN);
  scale(unit, unit, MPFR_RNDN);
  mpfr_set_d(covered, margin, MPFR_RNDN);
  mpfr_mul_2si(covered, covered, power, MPFR_RNDN);
  mpfr_div(covered, covered, unit, MPFR_RNDD);
  const double result = mpfr_get_d(covered, MPFR_RNDD);
  mpfr_clears(covered, unit, static_cast<mpfr_ptr>(nullptr));
  return result;
}

}  // namespace Zq::Test
