// Each kernel runs the same checks in the same order: strike, expiry, the
// expiry values, volatility, discount exponents, then the boundary values
// of a non-positive underlying and finally the closed forms.
#include "finance/option_pricing.h"

#include <cmath>
#include <limits>

#include "distributions/normal.h"
#include "finance/implied_volatility.h"

namespace Zq::Math {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMaxExponent = 88.7;

double Density(double x) { return 0.398942280401433 * std::exp((-0.5 * x) * x); }

// Values at expiry (T = 0): the intrinsic value and its delta, else 0.
double ExpiryValue(bool isCall, double underlying, double strike, OptionOutput output) {
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

// Solves for the volatility at which the kernel's value is `target`; every
// trial goes through the kernel with all of its checks.
template <class Kernel>
double SolveVolatility(const Kernel& kernel, double target) {
  return ImpliedVolatility([&](double sigma) { return kernel(sigma, OptionOutput::Value); },
                           [&](double sigma) { return kernel(sigma, OptionOutput::Vega); }, target);
}

}  // namespace

double BlackScholesValue(bool isCall, double spot, double strike, double expiry, double volatility, double rate,
                         OptionOutput output) {
  if (!IsOptionOutputCode(static_cast<int>(output))) return kNaN;
  if (output == OptionOutput::ImpliedVol) {
    return SolveVolatility(
        [&](double sigma, OptionOutput out) { return BlackScholesValue(isCall, spot, strike, expiry, sigma, rate, out); },
        volatility);
  }
  if (strike <= 0 || expiry < 0) return kNaN;
  if (expiry == 0) return ExpiryValue(isCall, spot, strike, output);
  const double v = volatility * std::sqrt(expiry);
  if (v <= 0) return kNaN;
  const double exponent = -(expiry * rate);
  if (exponent > kMaxExponent) return kNaN;
  const double D = std::exp(exponent);
  const double ratio = spot / strike;
  const double K = strike, S = spot, T = expiry, r = rate;
  if (ratio <= 0) {
    if (isCall) return 0.0;
    switch (output) {
      case OptionOutput::Value: return K * D - S;
      case OptionOutput::Delta: return -1.0;
      case OptionOutput::Time: return -r * K * D;
      case OptionOutput::Rate:
      case OptionOutput::Rate2: return -T * K * D;
      default: return 0.0;
    }
  }
  const double d1 = (std::log(ratio) + r * T) / v + 0.5 * v;
  const double d2 = d1 - v;
  switch (output) {
    case OptionOutput::Value: return isCall ? S * NormCdf(d1) - D * K * NormCdf(d2) : D * K * NormCdf(-d2) - S * NormCdf(-d1);
    case OptionOutput::Delta: return isCall ? NormCdf(d1) : -NormCdf(-d1);
    case OptionOutput::Gamma: return S * v == 0 ? 0.0 : Density(d1) / (S * v);
    case OptionOutput::Vega: return S * Density(d1) * std::sqrt(T);
    case OptionOutput::Time:
      return isCall ? S * v * Density(d1) / (2 * T) + r * K * D * NormCdf(d2)
                    : S * v * Density(d1) / (2 * T) - r * K * D * NormCdf(-d2);
    default: return isCall ? K * T * D * NormCdf(d2) : -K * T * D * NormCdf(-d2);
  }
}

double BlackFuturesValue(bool isCall, double forward, double strike, double expiry, double volatility, double rate,
                         OptionOutput output) {
  if (!IsOptionOutputCode(static_cast<int>(output))) return kNaN;
  if (output == OptionOutput::ImpliedVol) {
    return SolveVolatility(
        [&](double sigma, OptionOutput out) { return BlackFuturesValue(isCall, forward, strike, expiry, sigma, rate, out); },
        volatility);
  }
  if (strike <= 0 || expiry < 0) return kNaN;
  if (expiry == 0) return ExpiryValue(isCall, forward, strike, output);
  const double v = volatility * std::sqrt(expiry);
  if (v <= 0) return kNaN;
  const double exponent = -(expiry * rate);
  if (exponent > kMaxExponent) return kNaN;
  const double D = std::exp(exponent);
  const double ratio = forward / strike;
  const double K = strike, F = forward, T = expiry, r = rate;
  if (ratio <= 0) {
    if (isCall) return 0.0;
    switch (output) {
      case OptionOutput::Value: return D * (K - F);
      case OptionOutput::Delta: return -D;
      case OptionOutput::Time: return -r * D * (K - F);
      case OptionOutput::Rate:
      case OptionOutput::Rate2: return -T * D * (K - F);
      default: return 0.0;
    }
  }
  const double d1 = std::log(ratio) / v + 0.5 * v;
  const double d2 = d1 - v;
  switch (output) {
    case OptionOutput::Value: return isCall ? D * (F * NormCdf(d1) - K * NormCdf(d2)) : D * (K * NormCdf(-d2) - F * NormCdf(-d1));
    case OptionOutput::Delta: return isCall ? D * NormCdf(d1) : -D * NormCdf(-d1);
    case OptionOutput::Gamma: return F * v == 0 ? 0.0 : D * Density(d1) / (F * v);
    case OptionOutput::Vega: return D * F * Density(d1) * std::sqrt(T);
    case OptionOutput::Time:
      return isCall ? D * F * v * Density(d1) / (2 * T) - r * D * (F * NormCdf(d1) - K * NormCdf(d2))
                    : D * F * v * Density(d1) / (2 * T) - r * D * (K * NormCdf(-d2) - F * NormCdf(-d1));
    default: return isCall ? -T * D * (F * NormCdf(d1) - K * NormCdf(d2)) : -T * D * (K * NormCdf(-d2) - F * NormCdf(-d1));
  }
}

double GarmanKohlhagenValue(bool isCall, double spot, double strike, double expiry, double volatility,
                            double foreignRate, double domesticRate, OptionOutput output) {
  if (!IsOptionOutputCode(static_cast<int>(output))) return kNaN;
  if (output == OptionOutput::ImpliedVol) {
    return SolveVolatility(
        [&](double sigma, OptionOutput out) {
          return GarmanKohlhagenValue(isCall, spot, strike, expiry, sigma, foreignRate, domesticRate, out);
        },
        volatility);
  }
  if (strike <= 0 || expiry < 0) return kNaN;
  if (expiry == 0) return ExpiryValue(isCall, spot, strike, output);
  const double v = volatility * std::sqrt(expiry);
  if (v <= 0) return kNaN;
  const double foreignExponent = -(expiry * foreignRate);
  const double domesticExponent = -(expiry * domesticRate);
  if (foreignExponent > kMaxExponent || domesticExponent > kMaxExponent) return kNaN;
  const double Df = std::exp(foreignExponent);
  const double Dd = std::exp(domesticExponent);
  const double ratio = spot / strike;
  const double K = strike, S = spot, T = expiry, rf = foreignRate, rd = domesticRate;
  if (ratio <= 0) {
    if (isCall) return 0.0;
    switch (output) {
      case OptionOutput::Value: return K * Dd - S * Df;
      case OptionOutput::Delta: return -Df;
      case OptionOutput::Time: return rf * S * Df - rd * K * Dd;
      case OptionOutput::Rate: return -K * T * Dd;
      case OptionOutput::Rate2: return S * T * Df;
      default: return 0.0;
    }
  }
  const double d1 = ((rd - rf) * T + std::log(ratio)) / v + 0.5 * v;
  const double d2 = d1 - v;
  switch (output) {
    case OptionOutput::Value:
      return isCall ? Df * S * NormCdf(d1) - Dd * K * NormCdf(d2) : Dd * K * NormCdf(-d2) - Df * S * NormCdf(-d1);
    case OptionOutput::Delta: return isCall ? Df * NormCdf(d1) : -Df * NormCdf(-d1);
    case OptionOutput::Gamma: return S * v == 0 ? 0.0 : Df * Density(d1) / (S * v);
    case OptionOutput::Vega: return Df * S * Density(d1) * std::sqrt(T);
    case OptionOutput::Time:
      return isCall ? Df * S * v * Density(d1) / (2 * T) - rf * S * Df * NormCdf(d1) + rd * K * Dd * NormCdf(d2)
                    : Df * S * v * Density(d1) / (2 * T) + rf * S * Df * NormCdf(-d1) - rd * K * Dd * NormCdf(-d2);
    case OptionOutput::Rate: return isCall ? K * T * Dd * NormCdf(d2) : -K * T * Dd * NormCdf(-d2);
    default: return isCall ? -S * T * Df * NormCdf(d1) : S * T * Df * NormCdf(-d1);
  }
}

}  // namespace Zq::Math
