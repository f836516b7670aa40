// The one sequence every European option kernel runs, whatever its model:
// the output code, the implied volatility, strike and expiry, the values
// at expiry, volatility, the discount exponents, then the limits of a
// non-positive underlying and finally the closed forms. A model (see
// option_pricing.cpp) brings its discount factors, the drift in d1 and the
// formulas in which it has always grouped its rates its own way; delta,
// gamma, vega and the decay term of the time sensitivity are the same
// expressions in the underlying's discount for all of them.
#pragma once

#include <cmath>

#include "distributions/normal.h"
#include "finance/implied_volatility.h"
#include "finance/option_pricing.h"
#include "numerics/special_values.h"

namespace Zq::Math::BlackKernelDetail {

// What a unit of the underlying and the strike are worth today.
struct Discounts {
  double underlying;  // 1 for a spot that pays nothing
  double strike;
};

// exp(-(expiry * rate)) into `factor`; false when the exponent passes the
// single-precision limit.
inline bool DiscountFactor(double expiry, double rate, double& factor) {
  const double exponent = -(expiry * rate);
  if (exponent > kFloatExpLimit) return false;
  factor = std::exp(exponent);
  return true;
}

// One evaluation: the underlying is the spot, or the futures price.
struct BlackPoint {
  bool isCall;
  double underlying;
  double strike;
  double expiry;
  double v;  // volatility * sqrt(expiry)
  Discounts discount;
  double d1;
  double d2;
};

// Values at expiry (T = 0): the intrinsic value and its delta, else 0.
inline double ExpiryValue(bool isCall, double underlying, double strike, OptionOutput output) {
  if (output == OptionOutput::Value) {
    if (isCall) return underlying > strike ? underlying - strike : 0.0;
    return underlying < strike ? strike - underlying : 0.0;
  }
  if (output == OptionOutput::Delta) {
    if (isCall) return underlying > strike ? 1.0 : 0.0;
    return underlying < strike ? -1.0 : 0.0;
  }
  return 0.0;
}

// A call on a non-positive underlying is worth nothing and moves with
// nothing; a put is the discounted strike less the underlying.
template <class Model>
double NonPositiveUnderlying(const Model& model, const BlackPoint& p, OptionOutput output) {
  if (p.isCall) return 0.0;
  switch (output) {
    case OptionOutput::Value: return model.PutFloorValue(p);
    case OptionOutput::Delta: return -p.discount.underlying;
    case OptionOutput::Time: return model.PutFloorTime(p);
    case OptionOutput::Rate: return model.PutFloorRate(p);
    case OptionOutput::Rate2: return model.PutFloorRate2(p);
    default: return 0.0;
  }
}

template <class Model>
double ClosedForm(const Model& model, const BlackPoint& p, OptionOutput output) {
  const double U = p.underlying, Du = p.discount.underlying;
  switch (output) {
    case OptionOutput::Value: return model.Value(p);
    case OptionOutput::Delta: return p.isCall ? Du * NormCdf(p.d1) : -Du * NormCdf(-p.d1);
    case OptionOutput::Gamma: return U * p.v == 0 ? 0.0 : Du * NormPdf(p.d1) / (U * p.v);
    case OptionOutput::Vega: return Du * U * NormPdf(p.d1) * std::sqrt(p.expiry);
    case OptionOutput::Time: return model.Time(p, Du * U * p.v * NormPdf(p.d1) / (2 * p.expiry));
    case OptionOutput::Rate: return model.Rate(p);
    default: return model.Rate2(p);
  }
}

}  // namespace Zq::Math::BlackKernelDetail

namespace Zq::Math {

// The value or sensitivity `output` of a European option under `model`.
// The implied volatility solves for the volatility at which the value is the
// `volatility` argument; every trial goes through this kernel with all of
// its checks.
template <class Model>
double BlackKernel(const Model& model, bool isCall, double underlying, double strike, double expiry,
                   double volatility, OptionOutput output) {
  using namespace BlackKernelDetail;
  if (!IsOptionOutputCode(static_cast<int>(output))) return kNaN;
  if (output == OptionOutput::ImpliedVol) {
    const auto value = [&](double sigma) {
      return BlackKernel(model, isCall, underlying, strike, expiry, sigma, OptionOutput::Value);
    };
    const auto vega = [&](double sigma) {
      return BlackKernel(model, isCall, underlying, strike, expiry, sigma, OptionOutput::Vega);
    };
    return ImpliedVolatility(value, vega, volatility);
  }
  if (strike <= 0 || expiry < 0) return kNaN;
  if (expiry == 0) return ExpiryValue(isCall, underlying, strike, output);
  BlackPoint p{isCall, underlying, strike, expiry, volatility * std::sqrt(expiry), {}, 0.0, 0.0};
  if (p.v <= 0) return kNaN;
  if (!model.Discount(expiry, p.discount)) return kNaN;
  const double ratio = underlying / strike;
  if (ratio <= 0) return NonPositiveUnderlying(model, p, output);
  p.d1 = model.Drifted(std::log(ratio), expiry) / p.v + 0.5 * p.v;
  p.d2 = p.d1 - p.v;
  return ClosedForm(model, p, output);
}

}  // namespace Zq::Math
