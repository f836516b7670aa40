// GNU MPFR as the reference for the add-in's correctly rounded functions,
// shared by every test that compares with it: the correctly rounded double,
// the bit-for-bit comparison with it and the description of a disagreement,
// and the error of a quick pass's unevaluated sum.
//
// MPFR's functions round correctly to the target precision, and with the
// exponent range set to the double format's (subnormals included) its
// result is the double that a correctly rounded implementation must return.
#pragma once

#include <mpfr.h>

#include <string>

namespace Zq::Test {

using MpfrUnary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
using MpfrBinary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);

// Sets MPFR's exponent range to the double format's for the life of the
// object, and restores the previous range afterwards.
class DoubleExponentRange {
 public:
  DoubleExponentRange();
  ~DoubleExponentRange();
  DoubleExponentRange(const DoubleExponentRange&) = delete;
  DoubleExponentRange& operator=(const DoubleExponentRange&) = delete;

 private:
  mpfr_exp_t emin_;
  mpfr_exp_t emax_;
};

// f(x) and f(x, y) rounded to the nearest double, ties to even, as MPFR
// computes them.
double CorrectlyRounded(MpfrUnary f, double x);
double CorrectlyRounded(MpfrBinary f, double x, double y);

// True when `actual` is `expected` bit for bit (any NaN matches any NaN: a
// NaN's sign is not part of the result).
bool SameResult(double actual, double expected);

// "name(x) = actual, MPFR expected" (or name(x, y)), in hexadecimal, for
// the report of a disagreement.
std::string Disagreement(const char* name, double x, double actual, double expected);
std::string Disagreement(const char* name, double x, double y, double actual, double expected);

// |(head + tail) 2^power - exact| / |unit|, rounded up.
double ErrorAgainst(mpfr_srcptr exact, mpfr_srcptr unit, double head, double tail, int power = 0);

// The same against f(x) and relative to scale(x), both to 256 bits: the
// relative error of a quick pass's value when scale is f.
double QuickPassError(MpfrUnary f, MpfrUnary scale, double x, double head, double tail, int power = 0);

// margin 2^power / |scale(x)|, rounded down: how much of that error a
// pass's own margin covers.
double MarginRelativeTo(MpfrUnary scale, double x, double margin, int power);

}  // namespace Zq::Test
