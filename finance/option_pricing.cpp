// The three models as BlackKernel sees them. Each keeps the grouping its
// formulas have always had wherever a result's last bits depend on it: a
// Black-Scholes value is not computed as a discounted Black value, nor the
// other way round.
#include "finance/option_pricing.h"

#include <cmath>

#include "distributions/normal.h"
#include "finance/black_kernel.h"

namespace Zq::Math {

namespace {

using BlackKernelDetail::BlackPoint;
using BlackKernelDetail::DiscountFactor;
using BlackKernelDetail::Discounts;

// Black-Scholes: a spot that pays nothing, the strike discounted at r.
struct SpotModel {
  double r;

  bool Discount(double T, Discounts& d) const {
    d.underlying = 1.0;
    return DiscountFactor(T, r, d.strike);
  }
  double Drifted(double logRatio, double T) const { return logRatio + r * T; }

  double Value(const BlackPoint& p) const {
    const double S = p.underlying, K = p.strike, D = p.discount.strike;
    return p.isCall ? S * NormCdf(p.d1) - D * K * NormCdf(p.d2) : D * K * NormCdf(-p.d2) - S * NormCdf(-p.d1);
  }
  double Time(const BlackPoint& p, double decay) const {
    const double K = p.strike, D = p.discount.strike;
    return p.isCall ? decay + r * K * D * NormCdf(p.d2) : decay - r * K * D * NormCdf(-p.d2);
  }
  double Rate(const BlackPoint& p) const {
    const double K = p.strike, T = p.expiry, D = p.discount.strike;
    return p.isCall ? K * T * D * NormCdf(p.d2) : -K * T * D * NormCdf(-p.d2);
  }
  double Rate2(const BlackPoint& p) const { return Rate(p); }

  double PutFloorValue(const BlackPoint& p) const { return p.strike * p.discount.strike - p.underlying; }
  double PutFloorTime(const BlackPoint& p) const { return -r * p.strike * p.discount.strike; }
  double PutFloorRate(const BlackPoint& p) const { return -p.expiry * p.strike * p.discount.strike; }
  double PutFloorRate2(const BlackPoint& p) const { return PutFloorRate(p); }
};

// Black: a futures price F, everything discounted at r; the value is the
// discounted value of an option on F itself.
struct FuturesModel {
  double r;

  bool Discount(double T, Discounts& d) const {
    if (!DiscountFactor(T, r, d.strike)) return false;
    d.underlying = d.strike;
    return true;
  }
  double Drifted(double logRatio, double /*T*/) const { return logRatio; }

  static double Undiscounted(const BlackPoint& p) {
    const double F = p.underlying, K = p.strike;
    return p.isCall ? F * NormCdf(p.d1) - K * NormCdf(p.d2) : K * NormCdf(-p.d2) - F * NormCdf(-p.d1);
  }
  double Value(const BlackPoint& p) const { return p.discount.strike * Undiscounted(p); }
  double Time(const BlackPoint& p, double decay) const { return decay - r * p.discount.strike * Undiscounted(p); }
  double Rate(const BlackPoint& p) const { return -p.expiry * p.discount.strike * Undiscounted(p); }
  double Rate2(const BlackPoint& p) const { return Rate(p); }

  double PutFloorValue(const BlackPoint& p) const { return p.discount.strike * (p.strike - p.underlying); }
  double PutFloorTime(const BlackPoint& p) const { return -r * p.discount.strike * (p.strike - p.underlying); }
  double PutFloorRate(const BlackPoint& p) const { return -p.expiry * p.discount.strike * (p.strike - p.underlying); }
  double PutFloorRate2(const BlackPoint& p) const { return PutFloorRate(p); }
};

// Garman-Kohlhagen: a currency that earns the foreign rate rf, the strike
// discounted at the domestic rate rd. The second rate sensitivity is in rf.
struct CurrencyModel {
  double rf;
  double rd;

  bool Discount(double T, Discounts& d) const {
    return DiscountFactor(T, rf, d.underlying) && DiscountFactor(T, rd, d.strike);
  }
  double Drifted(double logRatio, double T) const { return (rd - rf) * T + logRatio; }

  double Value(const BlackPoint& p) const {
    const double S = p.underlying, K = p.strike, Df = p.discount.underlying, Dd = p.discount.strike;
    return p.isCall ? Df * S * NormCdf(p.d1) - Dd * K * NormCdf(p.d2) : Dd * K * NormCdf(-p.d2) - Df * S * NormCdf(-p.d1);
  }
  double Time(const BlackPoint& p, double decay) const {
    const double S = p.underlying, K = p.strike, Df = p.discount.underlying, Dd = p.discount.strike;
    return p.isCall ? decay - rf * S * Df * NormCdf(p.d1) + rd * K * Dd * NormCdf(p.d2)
                    : decay + rf * S * Df * NormCdf(-p.d1) - rd * K * Dd * NormCdf(-p.d2);
  }
  double Rate(const BlackPoint& p) const {
    const double K = p.strike, T = p.expiry, Dd = p.discount.strike;
    return p.isCall ? K * T * Dd * NormCdf(p.d2) : -K * T * Dd * NormCdf(-p.d2);
  }
  double Rate2(const BlackPoint& p) const {
    const double S = p.underlying, T = p.expiry, Df = p.discount.underlying;
    return p.isCall ? -S * T * Df * NormCdf(p.d1) : S * T * Df * NormCdf(-p.d1);
  }

  double PutFloorValue(const BlackPoint& p) const {
    return p.strike * p.discount.strike - p.underlying * p.discount.underlying;
  }
  double PutFloorTime(const BlackPoint& p) const {
    return rf * p.underlying * p.discount.underlying - rd * p.strike * p.discount.strike;
  }
  double PutFloorRate(const BlackPoint& p) const { return -p.strike * p.expiry * p.discount.strike; }
  double PutFloorRate2(const BlackPoint& p) const { return p.underlying * p.expiry * p.discount.underlying; }
};

}  // namespace

double BlackScholesValue(bool isCall, double spot, double strike, double expiry, double volatility, double rate,
                         OptionOutput output) {
  return BlackKernel(SpotModel{rate}, isCall, spot, strike, expiry, volatility, output);
}

double BlackFuturesValue(bool isCall, double forward, double strike, double expiry, double volatility, double rate,
                         OptionOutput output) {
  return BlackKernel(FuturesModel{rate}, isCall, forward, strike, expiry, volatility, output);
}

double GarmanKohlhagenValue(bool isCall, double spot, double strike, double expiry, double volatility,
                            double foreignRate, double domesticRate, OptionOutput output) {
  return BlackKernel(CurrencyModel{foreignRate, domesticRate}, isCall, spot, strike, expiry, volatility, output);
}

}  // namespace Zq::Math
