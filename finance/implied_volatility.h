// The volatility at which an option's value equals a target price: Newton
// from 0.2, and when that fails, bracketing with bisection followed by a
// final Newton polish. value(sigma) and vega(sigma) re-enter the option
// kernel with all of its checks, so they may answer NaN.
#pragma once

#include <cmath>

#include "distributions/pinned_constants.h"
#include "numerics/special_values.h"

namespace Zq::Math {

namespace ImpliedVolatilityDetail {

constexpr double kTolerance = 1.1920928955078125e-07;  // 2^-23
constexpr int kMaxIterations = 200;

template <class Value, class Vega>
double Newton(const Value& value, const Vega& vega, double target, double sigma) {
  for (int i = 0; i < kMaxIterations; ++i) {
    const double diff = target - value(sigma);
    const double slope = vega(sigma);
    if (!std::isfinite(diff) || !std::isfinite(slope)) return kNaN;
    const double next = sigma + diff / slope;
    if (!std::isfinite(next)) return kNaN;
    if (std::fabs(sigma - next) < kTolerance) return next;
    sigma = next;
  }
  return kNaN;
}

// +1 when the value grows with sigma around x0, -1 when it falls, 0 when
// no probe up or down finds a difference.
template <class Value>
int Direction(const Value& value, double x0, double f0) {
  for (double x = 2 * x0; std::isfinite(x) && x < kFloatMax; x *= 2) {
    const double f = value(x);
    if (!std::isfinite(f)) break;
    if (std::fabs(f - f0) > kTolerance) return f0 < f ? 1 : -1;
  }
  for (double x = x0 / 2; std::isfinite(x) && !(x < kTolerance); x /= 2) {
    const double f = value(x);
    if (!std::isfinite(f)) break;
    if (std::fabs(f - f0) > kTolerance) return f < f0 ? 1 : -1;
  }
  return 0;
}

// Bracketing and bisection on an increasing value(sigma) * sign.
template <class Value>
double Bisection(const Value& value, double target, double x0) {
  const double f0 = value(x0);
  if (!std::isfinite(f0)) return kNaN;
  const int sign = Direction(value, x0, f0);
  if (sign == 0) return kNaN;
  const auto f = [&](double x) { return sign * value(x); };
  target *= sign;
  double lo = x0, hi = x0;
  double fLo = sign * f0, fHi = sign * f0;
  while (fHi < target) {
    lo = hi;
    fLo = fHi;
    hi = 2 * hi;
    if (!std::isfinite(hi) || !(hi < kFloatMax)) return kNaN;
    fHi = f(hi);
    if (!std::isfinite(fHi)) return kNaN;
  }
  if (target < fLo) {
    do {
      hi = lo;
      lo = lo / 2;
      if (!std::isfinite(lo) || lo < kTolerance) return kNaN;
      fLo = f(lo);
      if (!std::isfinite(fLo)) return kNaN;
    } while (!(fLo <= target));
  }
  for (int i = 0; i < kMaxIterations; ++i) {
    const double mid = (lo + hi) / 2;
    if (hi - lo < kTolerance) return mid;
    const double fMid = f(mid);
    if (!std::isfinite(fMid)) return kNaN;
    if (fMid >= target) {
      hi = mid;
    } else {
      lo = mid;
    }
  }
  return kNaN;
}

}  // namespace ImpliedVolatilityDetail

template <class Value, class Vega>
double ImpliedVolatility(const Value& value, const Vega& vega, double target) {
  using namespace ImpliedVolatilityDetail;
  constexpr double kStart = 0.2;
  const double newton = Newton(value, vega, target, kStart);
  if (std::isfinite(newton)) return newton;
  const double bracketed = Bisection(value, target, kStart);
  if (std::isnan(bracketed)) return kNaN;
  const double polished = Newton(value, vega, target, bracketed);
  return std::isfinite(polished) ? polished : bracketed;
}

}  // namespace Zq::Math
