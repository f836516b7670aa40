#include <cmath>
#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "finance/option_pricing.h"

namespace {

using namespace Zq::Math;

double Phi(double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); }

// One market: spot or forward, strike, expiry, volatility, two rates (the
// second used by the currency model only).
struct Market {
  double s, k, t, vol, r, r2;
};

const Market kMarkets[] = {
    {100, 100, 1, 0.2, 0.05, 0.02},  {100, 80, 0.5, 0.35, 0.01, 0.04}, {100, 130, 2, 0.15, 0.07, 0.0},
    {42, 40, 0.25, 0.6, -0.01, 0.03}, {1.3, 1.25, 3, 0.1, 0.02, 0.05},
};

using Kernel = std::function<double(bool, const Market&, OptionOutput)>;

const Kernel kBS = [](bool call, const Market& m, OptionOutput out) { return BlackScholesValue(call, m.s, m.k, m.t, m.vol, m.r, out); };
const Kernel kBF = [](bool call, const Market& m, OptionOutput out) { return BlackFuturesValue(call, m.s, m.k, m.t, m.vol, m.r, out); };
const Kernel kGK = [](bool call, const Market& m, OptionOutput out) {
  return GarmanKohlhagenValue(call, m.s, m.k, m.t, m.vol, m.r2, m.r, out);
};

// Textbook values with the exact normal distribution; the currency model
// with zero foreign rate is Black-Scholes and with rf = rd it is Black's.
double ExactGK(bool call, const Market& m, double rf, double rd) {
  const double v = m.vol * std::sqrt(m.t);
  const double d1 = (std::log(m.s / m.k) + (rd - rf) * m.t) / v + v / 2, d2 = d1 - v;
  const double df = std::exp(-rf * m.t), dd = std::exp(-rd * m.t);
  return call ? m.s * df * Phi(d1) - m.k * dd * Phi(d2) : m.k * dd * Phi(-d2) - m.s * df * Phi(-d1);
}

TEST(OptionPricing, ValuesMatchTheExactClosedForms) {
  for (const Market& m : kMarkets) {
    for (bool call : {true, false}) {
      const double tolerance = 2e-7 * (m.s + m.k);  // the polynomial normal is good to 7.5e-8
      EXPECT_NEAR(kBS(call, m, OptionOutput::Value), ExactGK(call, m, 0, m.r), tolerance);
      const double forward = std::exp(-m.r * m.t) * ExactGK(call, m, 0, 0);
      EXPECT_NEAR(kBF(call, m, OptionOutput::Value), forward, tolerance);
      EXPECT_NEAR(kGK(call, m, OptionOutput::Value), ExactGK(call, m, m.r2, m.r), tolerance);
    }
  }
}

TEST(OptionPricing, PutCallParity) {
  for (const Market& m : kMarkets) {
    const double D = std::exp(-m.r * m.t), Df = std::exp(-m.r2 * m.t);
    const auto value = OptionOutput::Value;
    EXPECT_NEAR(kBS(true, m, value) - kBS(false, m, value), m.s - m.k * D, 1e-12 * m.s);
    EXPECT_NEAR(kBF(true, m, value) - kBF(false, m, value), D * (m.s - m.k), 1e-12 * m.s);
    EXPECT_NEAR(kGK(true, m, value) - kGK(false, m, value), m.s * Df - m.k * D, 1e-12 * m.s);
  }
}

// Central difference of the kernel's value in one market input.
double Derivative(const Kernel& kernel, bool call, Market m, double Market::*input) {
  const double h = 1e-5 * std::fmax(1.0, std::fabs(m.*input));
  Market up = m, down = m;
  up.*input += h;
  down.*input -= h;
  return (kernel(call, up, OptionOutput::Value) - kernel(call, down, OptionOutput::Value)) / (2 * h);
}

// Central difference of the kernel's delta in the underlying.
double DeltaSlope(const Kernel& kernel, bool call, Market m) {
  const double h = 1e-4 * m.s;
  Market up = m, down = m;
  up.s += h;
  down.s -= h;
  return (kernel(call, up, OptionOutput::Delta) - kernel(call, down, OptionOutput::Delta)) / (2 * h);
}

TEST(OptionPricing, SensitivitiesMatchNumericalDerivatives) {
  for (const Market& m : kMarkets) {
    for (bool call : {true, false}) {
      for (const Kernel* kernel : {&kBS, &kBF, &kGK}) {
        const double scale = 1e-5 * (m.s + m.k);
        EXPECT_NEAR((*kernel)(call, m, OptionOutput::Delta), Derivative(*kernel, call, m, &Market::s), 1e-5);
        const double gamma = (*kernel)(call, m, OptionOutput::Gamma);
        EXPECT_NEAR(gamma, DeltaSlope(*kernel, call, m), 2e-4 * gamma);
        EXPECT_NEAR((*kernel)(call, m, OptionOutput::Vega), Derivative(*kernel, call, m, &Market::vol), scale);
        EXPECT_NEAR((*kernel)(call, m, OptionOutput::Time), Derivative(*kernel, call, m, &Market::t), scale);
        EXPECT_NEAR((*kernel)(call, m, OptionOutput::Rate), Derivative(*kernel, call, m, &Market::r), scale);
      }
      EXPECT_NEAR(kGK(call, m, OptionOutput::Rate2), Derivative(kGK, call, m, &Market::r2), 1e-5 * (m.s + m.k));
      EXPECT_EQ(kBS(call, m, OptionOutput::Rate2), kBS(call, m, OptionOutput::Rate));
      EXPECT_EQ(kBF(call, m, OptionOutput::Rate2), kBF(call, m, OptionOutput::Rate));
    }
  }
}

TEST(OptionPricing, ImpliedVolatilityRoundTrips) {
  int checked = 0;
  for (const Kernel* kernel : {&kBS, &kBF, &kGK}) {
    for (double strike : {50.0, 80.0, 100.0, 125.0, 200.0}) {
      for (double expiry : {0.1, 1.0, 5.0}) {
        for (double vol : {0.05, 0.3, 0.9}) {
          for (bool call : {true, false}) {
            Market m{100, strike, expiry, vol, 0.03, 0.01};
            const double price = (*kernel)(call, m, OptionOutput::Value);
            // Only where the price still tells volatilities apart.
            if (!((*kernel)(call, m, OptionOutput::Vega) > 1)) continue;
            m.vol = price;
            ++checked;
            EXPECT_NEAR((*kernel)(call, m, OptionOutput::ImpliedVol), vol, 1e-6)
                << strike << " " << expiry << " " << vol << " " << call;
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 100);
}

TEST(OptionPricing, ImpliedVolatilityFarFromTheStart) {
  // A far out-of-the-money option at high volatility: from 0.2 the vega is
  // nearly 0 and Newton's first step overshoots; bracketing recovers.
  for (double vol : {1.0, 2.5}) {
    const double price = BlackScholesValue(true, 100, 150, 0.25, vol, 0.02, OptionOutput::Value);
    EXPECT_NEAR(BlackScholesValue(true, 100, 150, 0.25, price, 0.02, OptionOutput::ImpliedVol), vol, 1e-6);
  }
}

TEST(OptionPricing, ImpliedVolatilityFailures) {
  // At expiry the value is flat in the volatility: no direction is found.
  EXPECT_TRUE(std::isnan(BlackScholesValue(true, 110, 100, 0, 10, 0.05, OptionOutput::ImpliedVol)));
  // Below the zero-volatility value the bisection runs towards 0 and fails.
  const double floor = 100 - 90 * std::exp(-0.05);
  EXPECT_TRUE(std::isnan(BlackScholesValue(true, 100, 90, 1, floor - 0.5, 0.05, OptionOutput::ImpliedVol)));
}

TEST(OptionPricing, ChecksAndBoundaries) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (int code = 0; code <= 6; ++code) {
    const auto out = static_cast<OptionOutput>(code);
    // At expiry the volatility and the rates are never looked at.
    const double expiry = BlackScholesValue(true, 120, 100, 0, -1, 1e9, out);
    EXPECT_EQ(expiry, code == 0 ? 20.0 : code == 1 ? 1.0 : 0.0);
    EXPECT_EQ(GarmanKohlhagenValue(false, 80, 100, 0, nan, -1e9, 1e9, out), code == 0 ? 20.0 : code == 1 ? -1.0 : 0.0);
    EXPECT_EQ(BlackFuturesValue(false, 120, 100, 0, 0, 0, out), 0.0);
    EXPECT_TRUE(std::isnan(BlackScholesValue(true, 100, 100, -0.1, 0.2, 0.05, out)));
    EXPECT_TRUE(std::isnan(BlackScholesValue(true, 100, 0, 1, 0.2, 0.05, out)));
    EXPECT_TRUE(std::isnan(BlackScholesValue(true, 100, 100, 1, 0, 0.05, out)));
    EXPECT_TRUE(std::isnan(BlackFuturesValue(true, 100, 100, 2, 0.2, -44.4, out)));  // -rT > 88.7
    EXPECT_TRUE(std::isnan(GarmanKohlhagenValue(true, 100, 100, 1, 0.2, -88.8, 0.0, out)));
    EXPECT_TRUE(std::isfinite(BlackScholesValue(true, 1, 1, 1, 0.2, -88.7, out)));  // -rT = 88.7 still computes
    EXPECT_EQ(BlackScholesValue(true, 0, 100, 1, 0.2, 0.05, out), 0.0);
  }
  const double D = std::exp(-0.05);
  EXPECT_DOUBLE_EQ(BlackScholesValue(false, 0, 100, 1, 0.2, 0.05, OptionOutput::Value), 100 * D);
  EXPECT_EQ(BlackScholesValue(false, 0, 100, 1, 0.2, 0.05, OptionOutput::Delta), -1.0);
  EXPECT_DOUBLE_EQ(BlackScholesValue(false, 0, 100, 1, 0.2, 0.05, OptionOutput::Time), -0.05 * 100 * D);
  EXPECT_DOUBLE_EQ(BlackFuturesValue(false, -5, 100, 1, 0.2, 0.05, OptionOutput::Value), 105 * D);
  EXPECT_DOUBLE_EQ(GarmanKohlhagenValue(false, 0, 100, 1, 0.2, 0.03, 0.05, OptionOutput::Rate), -100 * D);
  for (int code : {-1, 8}) {
    EXPECT_TRUE(std::isnan(BlackScholesValue(true, 100, 100, 1, 0.2, 0.05, static_cast<OptionOutput>(code))));
  }
}

}  // namespace
