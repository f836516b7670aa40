// Closed-form European option values, sensitivities and implied volatility
// under the Black-Scholes (spot), Black (futures) and Garman-Kohlhagen
// (currency) models. Pure functions: NaN outside the domain.
#pragma once

namespace Zq::Math {

// What an option kernel returns.
enum OptionOutput : int {
  OPTION_VALUE = 0,
  OPTION_DELTA = 1,
  OPTION_GAMMA = 2,
  OPTION_VEGA = 3,
  OPTION_TIME = 4,       // dV/dT, T the time to expiry
  OPTION_RATE = 5,       // dV/dr (domestic rate for currencies)
  OPTION_RATE2 = 6,      // dV/dr again, or dV/drf for currencies
  OPTION_IMPLIED_VOL = 7 // the volatility argument then carries a target price
};

double BlackScholesValue(bool isCall, double spot, double strike, double expiry, double volatility, double rate,
                         int output);

double BlackFuturesValue(bool isCall, double forward, double strike, double expiry, double volatility, double rate,
                         int output);

double GarmanKohlhagenValue(bool isCall, double spot, double strike, double expiry, double volatility,
                            double foreignRate, double domesticRate, int output);

}  // namespace Zq::Math
