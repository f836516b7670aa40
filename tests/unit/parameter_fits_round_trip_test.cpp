// Parameters -> moments -> fit -> moments give the targets back to 1e-9, and
// no fit answers parameters that miss them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "distributions/beta.h"
#include "distributions/gumbel.h"
#include "distributions/johnson_su.h"
#include "distributions/logistic.h"
#include "distributions/lognormal.h"
#include "distributions/parameter_fits.h"
#include "distributions/triangular.h"
#include "distributions/weibull.h"
#include "numerics/special_values.h"

namespace {

using namespace Zq::Math;
using Params = std::vector<double>;
constexpr Moments kRefused{kNaN, kNaN, kNaN, kNaN};

// A fit from the first `count` moments; moments NaN where the family refuses the parameters.
struct Family {
  const char* name;
  int count;
  std::function<bool(const Moments&, Params&)> fit;
  std::function<Moments(const Params&)> moments;
};

// Errors relative to |mean| + stdev, stdev, |skew| + 1, |kurt| + 1.
::testing::AssertionResult Reproduces(const Family& f, const Moments& t, const Params& p) {
  const Moments got = f.moments(p);
  const double error[4] = {std::fabs(got.mean - t.mean) / (std::fabs(t.mean) + t.stdev),
                           std::fabs(got.stdev - t.stdev) / t.stdev, std::fabs(got.skew - t.skew) / (std::fabs(t.skew) + 1),
                           std::fabs(got.kurt - t.kurt) / (std::fabs(t.kurt) + 1)};
  for (int i = 0; i < f.count; ++i)
    if (!(error[i] <= 1e-9)) return ::testing::AssertionFailure() << f.name << " moment " << i << " off by " << error[i];
  return ::testing::AssertionSuccess();
}

const Family kBeta{"beta", 2, [](const Moments& t, Params& p) { return BetaParam(t.mean, t.stdev, p[0], p[1]); },
                   [](const Params& p) { return BetaShapesValid(p[0], p[1]) ? BetaMoments(p[0], p[1]) : kRefused; }};
const Family kGumbel{"gumbel", 2, [](const Moments& t, Params& p) { return GumbelParam(t.mean, t.stdev, p[0], p[1]); },
                     [](const Params& p) { return IsPositive(p[1]) ? GumbelMoments(p[0], p[1]) : kRefused; }};
const Family kLogistic{"logistic", 2, [](const Moments& t, Params& p) { return LogisticParam(t.mean, t.stdev, p[0], p[1]); },
                       [](const Params& p) { return IsPositive(p[1]) ? LogisticMoments(p[0], p[1]) : kRefused; }};
const Family kLogNorm{"lognormal", 2, [](const Moments& t, Params& p) { return LogNormParam(t.mean, t.stdev, p[0], p[1]); },
                      [](const Params& p) { return IsPositive(p[1]) ? LogNormMoments(p[0], p[1]) : kRefused; }};
// Parameters shape, scale; the fit answers scale, shape.
const Family kWeibull{
    "weibull", 2, [](const Moments& t, Params& p) { return WeibullParam(t.mean, t.stdev, p[1], p[0]); },
    [](const Params& p) { return WeibullParametersValid(p[0], p[1]) ? WeibullMoments(p[0], p[1]) : kRefused; }};
const Family kTriangular{
    "triangular", 3, [](const Moments& t, Params& p) { return TriangularParam(t.mean, t.stdev, t.skew, p[0], p[1], p[2]); },
    [](const Params& p) { return TriangularShapeValid(p[0], p[1], p[2]) ? TriangularMoments(p[0], p[1], p[2]) : kRefused; }};
const Family kJohnsonSU{
    "johnson su", 4,
    [](const Moments& t, Params& p) { return JohnsonSUParam(t.mean, t.stdev, t.skew, t.kurt, p[0], p[1], p[2], p[3]); },
    [](const Params& p) { return IsPositive(p[1]) ? JohnsonSUMoments(p[0], p[1], p[2], p[3]) : kRefused; }};

std::vector<Params> Grid(const Params& a, const Params& b) {
  std::vector<Params> grid;
  for (double x : a)
    for (double y : b) grid.push_back({x, y});
  return grid;
}

// Every parameter set on a grid whose moments are finite is fitted, and the
// fit gives its moments back.
TEST(ParameterFitsRoundTrip, EveryFamilyOverItsGrid) {
  const Params locations = {-1e200, -3.0, 0.0, 2.5, 1e8, 1e15, 1e300}, scales = {2e-12, 1e-6, 1.0, 1e6, 1e300};
  // Shapes more than 1e15 apart put the mean within rounding of 0 or 1, which no beta has.
  const Params shapes = {2e-12, 1e-6, 1e-3, 0.1, 1.0, 7.0, 1e3, 1e6, 1e9};
  std::vector<Params> beta;
  for (const auto& p : Grid(shapes, shapes))
    if (p[0] / p[1] < 1e15 && p[1] / p[0] < 1e15) beta.push_back(p);
  // Min and width (also widths far under the location) by the mode's share of the width.
  const double places[][2] = {{0, 1e-3}, {0, 1},          {0, 1e6},  {-5, 1},     {-5, 30},     {1e8, 1e6},
                              {1e8, 1e8}, {-1e300, 1e300}, {-4, 1e-3}, {1e8, 1e-2}, {-3e15, 0.5}, {7.5, 1e-12}};
  std::vector<Params> triangular;
  for (const auto& [lo, width] : places)
    for (double share : {1e-6, 0.01, 0.3, 0.5 - 1e-9, 0.5, 0.5 + 1e-7, 0.7, 0.99, 1 - 1e-6})
      triangular.push_back({lo, lo + width, lo + share * width});
  // From w = e^(1/delta^2) near 1e43 (delta 0.1) to w - 1 near 1e-5 (delta
  // 300), and from the symmetric member to the log-normal line (|gamma| 5).
  std::vector<Params> johnson;
  for (double gamma : {-5.0, -3.0, -2.0, -0.5, -1e-3, -1e-6, 0.0, 1e-6, 1e-3, 0.3, 1.0, 3.0, 5.0})
    for (double delta : {0.1, 0.15, 0.2, 0.3, 0.5, 0.8, 1.5, 3.0, 10.0, 50.0, 300.0})
      for (double lambda : {1e-3, 2.0}) johnson.push_back({gamma, delta, lambda, lambda * 7 - 1});
  const std::pair<const Family*, std::vector<Params>> cases[] = {
      {&kBeta, beta}, {&kGumbel, Grid(locations, scales)}, {&kLogistic, Grid(locations, scales)},
      {&kLogNorm, Grid({-700.0, -50.0, 0.0, 3.0, 460.0, 700.0}, {2e-12, 1e-8, 1e-4, 0.01, 0.3, 1.0, 3.0, 10.0, 25.0})},
      {&kWeibull, Grid({0.02, 0.1, 0.3, 1.0, 3.6, 20.0, 99.0, 100.0, 101.0, 1e3, 1e5, 1e8, 1e12}, {1e-6, 1.0, 1e6})},
      {&kTriangular, triangular}, {&kJohnsonSU, johnson}};
  for (const auto& [f, grid] : cases) {
    int tried = 0;
    for (const Params& p : grid) {
      const Moments t = f->moments(p);
      if (!std::isfinite(t.mean) || !std::isfinite(t.stdev) || !std::isfinite(t.skew) || !std::isfinite(t.kurt) ||
          !(t.stdev > 0))
        continue;
      ++tried;
      Params fitted(p.size(), kNaN);
      EXPECT_TRUE(f->fit(t, fitted) ? Reproduces(*f, t, fitted) : ::testing::AssertionFailure() << f->name << " no fit")
          << ::testing::PrintToString(p);
    }
    EXPECT_GT(tried, static_cast<int>(grid.size()) / 2) << f->name;
  }
}

// Targets on a grid that mixes reachable and unreachable ones (an infinite
// skewness among them): whatever a fit answers must give its targets back.
TEST(ParameterFitsRoundTrip, AnAnswerIsNeverWrong) {
  int answered = 0;
  for (const Family* f : {&kBeta, &kGumbel, &kLogistic, &kLogNorm, &kWeibull, &kTriangular, &kJohnsonSU})
    for (double mean : {-1e6, -1.0, 1e-9, 0.3, 1.0, 1e200})
      for (double stdev : {1e-8, 3.1622e-5, 0.4, 1.0, 1e200})
        for (double skew : {-0.5, 0.0, 0.3, 2.0, std::numeric_limits<double>::infinity()})
          for (double kurt : {-1.0, 0.5, 6.0, 1e4, 1e300}) {
            const Moments t{mean, stdev, skew, kurt};
            Params fitted(4, kNaN);
            if (!f->fit(t, fitted)) continue;
            ++answered;
            EXPECT_TRUE(Reproduces(*f, t, fitted)) << mean << " " << stdev << " " << skew << " " << kurt;
          }
  EXPECT_GT(answered, 1000);
}

// Answers the first formulas missed: a narrow Weibull (its shape came out
// 1.75e7), a log-normal whose S rounded to 0 or whose squared moments
// overflowed, a triangle with its mode 1e-6 of the range from Min; the beta
// shape below the floor has none.
TEST(ParameterFitsRoundTrip, FirstFormulasMissed) {
  double p = 0, q = 0, mode = 0;
  ASSERT_TRUE(WeibullParam(1, 1e-8, p, q));
  EXPECT_NEAR(q, 1.2825498e8, 1e2);
  ASSERT_TRUE(LogNormParam(1, 1e-8, p, q));
  EXPECT_NEAR(p, -5e-17, 1e-30);
  EXPECT_NEAR(q, 1e-8, 1e-21);
  ASSERT_TRUE(LogNormParam(1e200, 1e200, p, q));
  EXPECT_NEAR(p, 460.17044500852918, 1e-12);
  EXPECT_NEAR(q, 0.83255461115769769, 1e-15);
  const Moments narrow = TriangularMoments(1e8, 1.01e8, 100000001);
  ASSERT_TRUE(TriangularParam(narrow.mean, narrow.stdev, narrow.skew, p, q, mode));
  EXPECT_TRUE(Reproduces(kTriangular, narrow, {p, q, mode}));
  EXPECT_FALSE(BetaParam(1e-9, 3.1622e-5, p, q));
}

}  // namespace
