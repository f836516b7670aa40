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

bool ValidOutput(int output) { return output >= OPTION_VALUE && output <= OPTION_IMPLIED_VOL; }

// Values at expiry (T = 0): the intrinsic value and its delta, else 0.
double ExpiryValue(bool isCall, double underlying, double strike, int output) {
  if (output == OPTION_VALUE) {
    if (isCall) return underlying > strike ? underlying - strike : 0.0;
    return underlying < strike ? strike - underlying : 0.0;
  }
  if (output == OPTION_DELTA) {
    if (isCall) return underlying > strike ? 1.0 : 0.0;
    return underlying < strike ? -1.0 : 0.0;
  }
  return 0.0;
}

// Solves for the volatility at which the kernel's value is `target`; every
// trial goes through the kernel with all of its checks.
template <class Kernel>
double SolveVolatility(const Kernel& kernel, double target) {
  return ImpliedVolatility([&](double sigma) { return kernel(sigma, OPTION_VALUE); },
                           [&](double sigma) { return kernel(sigma, OPTION_VEGA); }, target);
}

}  // namespace

double BlackScholesValue(bool isCall, double spot, double strike, double expiry, double volatility, double rate,
                         int output) {
  if (!ValidOutput(output)) return kNaN;
  if (output == OPTION_IMPLIED_VOL) {
    return SolveVolatility(
        [&](double sigma, int out) { return BlackScholesValue(isCall, spot, strike, expiry, sigma, rate, out); },
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
      case OPTION_VALUE: return K * D - S;
      case OPTION_DELTA: return -1.0;
      case OPTION_TIME: return -r * K * D;
      case OPTION_RATE:
      case OPTION_RATE2: return -T * K * D;
      default: return 0.0;
    }
  }
  const double d1 = (std::log(ratio) + r * T) / v + 0.5 * v;
  const double d2 = d1 - v;
  switch (output) {
    case OPTION_VALUE: return isCall ? S * NormCdf(d1) - D * K * NormCdf(d2) : D * K * NormCdf(-d2) - S * NormCdf(-d1);
    case OPTION_DELTA: return isCall ? NormCdf(d1) : -NormCdf(-d1);
    case OPTION_GAMMA: return S * v == 0 ? 0.0 : Density(d1) / (S * v);
    case OPTION_VEGA: return S * Density(d1) * std::sqrt(T);
    case OPTION_TIME:
      return isCall ? S * v * Density(d1) / (2 * T) + r * K * D * NormCdf(d2)
                    : S * v * Density(d1) / (2 * T) - r * K * D * NormCdf(-d2);
    default: return isCall ? K * T * D * NormCdf(d2) : -K * T * D * NormCdf(-d2);
  }
}

double BlackFuturesValue(bool isCall, double forward, double strike, double expiry, double volatility, double rate,
                         int output) {
  if (!ValidOutput(output)) return kNaN;
  if (output == OPTION_IMPLIED_VOL) {
    return SolveVolatility(
        [&](double sigma, int out) { return BlackFuturesValue(isCall, forward, strike, expiry, sigma, rate, out); },
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
      case OPTION_VALUE: return D * (K - F);
      case OPTION_DELTA: return -D;
      case OPTION_TIME: return -r * D * (K - F);
      case OPTION_RATE:
      case OPTION_RATE2: return -T * D * (K - F);
      default: return 0.0;
    }
  }
  const double d1 = std::log(ratio) / v + 0.5 * v;
  const double d2 = d1 - v;
  switch (output) {
    case OPTION_VALUE: return isCall ? D * (F * NormCdf(d1) - K * NormCdf(d2)) : D * (K * NormCdf(-d2) - F * NormCdf(-d1));
    case OPTION_DELTA: return isCall ? D * NormCdf(d1) : -D * NormCdf(-d1);
    case OPTION_GAMMA: return F * v == 0 ? 0.0 : D * Density(d1) / (F * v);
    case OPTION_VEGA: return D * F * Density(d1) * std::sqrt(T);
    case OPTION_TIME:
      return isCall ? D * F * v * Density(d1) / (2 * T) - r * D * (F * NormCdf(d1) - K * NormCdf(d2))
                    : D * F * v * Density(d1) / (2 * T) - r * D * (K * NormCdf(-d2) - F * NormCdf(-d1));
    default: return isCall ? -T * D * (F * NormCdf(d1) - K * NormCdf(d2)) : -T * D * (K * NormCdf(-d2) - F * NormCdf(-d1));
  }
}

double GarmanKohlhagenValue(bool isCall, double spot, double strike, double expiry, double volatility,
                            double foreignRate, double domesticRate, int output) {
  if (!ValidOutput(output)) return kNaN;
  if (output == OPTION_IMPLIED_VOL) {
    return SolveVolatility(
        [&](double sigma, int out) {
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
      case OPTION_VALUE: return K * Dd - S * Df;
      case OPTION_DELTA: return -Df;
      case OPTION_TIME: return rf * S * Df - rd * K * Dd;
      case OPTION_RATE: return -K * T * Dd;
      case OPTION_RATE2: return S * T * Df;
      default: return 0.0;
    }
  }
  const double d1 = ((rd - rf) * T + std::log(ratio)) / v + 0.5 * v;
  const double d2 = d1 - v;
  switch (output) {
    case OPTION_VALUE:
      return isCall ? Df * S * NormCdf(d1) - Dd * K * NormCdf(d2) : Dd * K * NormCdf(-d2) - Df * S * NormCdf(-d1);
    case OPTION_DELTA: return isCall ? Df * NormCdf(d1) : -Df * NormCdf(-d1);
    case OPTION_GAMMA: return S * v == 0 ? 0.0 : Df * Density(d1) / (S * v);
    case OPTION_VEGA: return Df * S * Density(d1) * std::sqrt(T);
    case OPTION_TIME:
      return isCall ? Df * S * v * Density(d1) / (2 * T) - rf * S * Df * NormCdf(d1) + rd * K * Dd * NormCdf(d2)
                    : Df * S * v * Density(d1) / (2 * T) + rf * S * Df * NormCdf(-d1) - rd * K * Dd * NormCdf(-d2);
    case OPTION_RATE: return isCall ? K * T * Dd * NormCdf(d2) : -K * T * Dd * NormCdf(-d2);
    default: return isCall ? -S * T * Df * NormCdf(d1) : S * T * Df * NormCdf(-d1);
  }
}

}  // namespace Zq::Math
