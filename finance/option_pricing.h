// Closed-form European option values, sensitivities and implied volatility
// under the Black-Scholes (spot), Black (futures) and Garman-Kohlhagen
// (currency) models. Pure functions: NaN outside the domain.
#pragma once

namespace Zq::Math {

// What an option kernel returns; the worksheet's output code is the value.
enum class OptionOutput : int {
  Value = 0,
  Delta = 1,
  Gamma = 2,
  Vega = 3,
  Time = 4,       // dV/dT, T the time to expiry
  Rate = 5,       // dV/dr (domestic rate for currencies)
  Rate2 = 6,      // dV/dr again, or dV/drf for currencies
  ImpliedVol = 7  // the volatility argument then carries a target price
};

// A code that names an OptionOutput (0 to 7).
constexpr bool IsOptionOutputCode(int code) { return code >= 0 && code <= static_cast<int>(OptionOutput::ImpliedVol); }

double BlackScholesValue(bool isCall, double spot, double strike, double expiry, double volatility, double rate,
                         OptionOutput output);

double BlackFuturesValue(bool isCall, double forward, double strike, double expiry, double volatility, double rate,
                         OptionOutput output);

double GarmanKohlhagenValue(bool isCall, double spot, double strike, double expiry, double volatility,
                            double foreignRate, double domesticRate, OptionOutput output);

}  // namespace Zq::Math
