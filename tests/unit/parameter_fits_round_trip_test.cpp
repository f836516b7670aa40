// Round trips over wide grids through each family's own moment functions:
// parameters -> moments -> fit -> moments must give the targets back to
// 1e-9, and a fit that answers must never answer parameters that miss.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iomanip>
#include <limits>
#include <sstream>
#include <vector>

#include "distributions/beta.h"
#include "distributions/gumbel.h"
#include "distributions/johnson_su.h"
#include "distributions/logistic.h"
#include "distributions/lognormal.h"
#include "distributions/parameter_fits.h"
#include "distributions/triangular.h"
#include "distributions/weibull.h"

namespace {

using namespace Zq::Math;

constexpr double kTolerance = 1e-9;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A fit from the first `count` moments to parameters, and the moments of
// those parameters (NaN when the family's functions refuse them).
struct Family {
  const char* name;
  int count;
  std::function<bool(const Moments&, std::vector<double>&)> fit;
  std::function<Moments(const std::vector<double>&)> moments;
};

bool Finite(const Moments& m) {
  return std::isfinite(m.mean) && std::isfinite(m.stdev) && std::isfinite(m.skew) && std::isfinite(m.kurt);
}

// The scales of the comparison: |mean| + stdev, stdev, |skew| + 1, |kurt| + 1.
::testing::AssertionResult Reproduces(const Family& f, const Moments& target, const std::vector<double>& p) {
  const Moments got = f.moments(p);
  const double error[4] = {std::fabs(got.mean - target.mean) / (std::fabs(target.mean) + target.stdev),
                           std::fabs(got.stdev - target.stdev) / target.stdev,
                           std::fabs(got.skew - target.skew) / (std::fabs(target.skew) + 1),
                           std::fabs(got.kurt - target.kurt) / (std::fabs(target.kurt) + 1)};
  for (int i = 0; i < f.count; ++i)
    if (!(error[i] <= kTolerance))
      return ::testing::AssertionFailure() << f.name << " moment " << i << " off by " << error[i];
  return ::testing::AssertionSuccess();
}

// Every parameter set on the grid whose moments are finite is fitted, and
// the fit gives its moments back.
void ExpectRoundTrips(const Family& f, const std::vector<std::vector<double>>& grid) {
  int tried = 0;
  for (const auto& p : grid) {
    const Moments target = f.moments(p);
    if (!Finite(target) || !(target.stdev > 0)) continue;
    ++tried;
    std::vector<double> fitted(p.size(), kNaN);
    std::ostringstream where;
    where << f.name << " at" << std::setprecision(17);
    for (double v : p) where << " " << v;
    if (f.fit(target, fitted))
      EXPECT_TRUE(Reproduces(f, target, fitted)) << where.str();
    else
      ADD_FAILURE() << "no fit: " << where.str();
  }
  EXPECT_GT(tried, static_cast<int>(grid.size()) / 2) << f.name;
}

std::vector<std::vector<double>> Grid(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<std::vector<double>> grid;
  for (double x : a)
    for (double y : b) grid.push_back({x, y});
  return grid;
}

const Family kBeta{"beta", 2, [](const Moments& t, std::vector<double>& p) { return BetaParam(t.mean, t.stdev, p[0], p[1]); },
                   [](const std::vector<double>& p) {
                     return BetaShapesValid(p[0], p[1]) ? BetaMoments(p[0], p[1]) : Moments{kNaN, kNaN, kNaN, kNaN};
                   }};
const Family kGumbel{"gumbel", 2,
                     [](const Moments& t, std::vector<double>& p) { return GumbelParam(t.mean, t.stdev, p[0], p[1]); },
                     [](const std::vector<double>& p) {
                       return IsPositive(p[1]) ? GumbelMoments(p[0], p[1]) : Moments{kNaN, kNaN, kNaN, kNaN};
                     }};
const Family kLogistic{"logistic", 2,
                       [](const Moments& t, std::vector<double>& p) { return LogisticParam(t.mean, t.stdev, p[0], p[1]); },
                       [](const std::vector<double>& p) {
                         return IsPositive(p[1]) ? LogisticMoments(p[0], p[1]) : Moments{kNaN, kNaN, kNaN, kNaN};
                       }};
const Family kLogNorm{"lognormal", 2,
                      [](const Moments& t, std::vector<double>& p) { return LogNormParam(t.mean, t.stdev, p[0], p[1]); },
                      [](const std::vector<double>& p) {
                        return IsPositive(p[1]) ? LogNormMoments(p[0], p[1]) : Moments{kNaN, kNaN, kNaN, kNaN};
                      }};
// Parameters shape, scale; the fit answers scale, shape.
const Family kWeibull{"weibull", 2,
                      [](const Moments& t, std::vector<double>& p) { return WeibullParam(t.mean, t.stdev, p[1], p[0]); },
                      [](const std::vector<double>& p) {
                        return WeibullParametersValid(p[0], p[1]) ? WeibullMoments(p[0], p[1])
                                                                  : Moments{kNaN, kNaN, kNaN, kNaN};
                      }};
const Family kTriangular{
    "triangular", 3,
    [](const Moments& t, std::vector<double>& p) { return TriangularParam(t.mean, t.stdev, t.skew, p[0], p[1], p[2]); },
    [](const std::vector<double>& p) {
      return TriangularShapeValid(p[0], p[1], p[2]) ? TriangularMoments(p[0], p[1], p[2])
                                                    : Moments{kNaN, kNaN, kNaN, kNaN};
    }};
const Family kJohnsonSU{"johnson su", 4,
                        [](const Moments& t, std::vector<double>& p) {
                          return JohnsonSUParam(t.mean, t.stdev, t.skew, t.kurt, p[0], p[1], p[2], p[3]);
                        },
                        [](const std::vector<double>& p) {
                          return IsPositive(p[1]) ? JohnsonSUMoments(p[0], p[1], p[2], p[3])
                                                  : Moments{kNaN, kNaN, kNaN, kNaN};
                        }};

const std::vector<double> kLocations = {-1e200, -3.0, 0.0, 2.5, 1e8, 1e15, 1e300};
const std::vector<double> kScales = {2e-12, 1e-6, 1.0, 1e6, 1e300};

// Shapes more than 1e15 apart put the mean within rounding of 0 or 1, which
// no beta has.
TEST(ParameterFitsRoundTrip, Beta) {
  const std::vector<double> shapes = {2e-12, 1e-6, 1e-3, 0.1, 1.0, 7.0, 1e3, 1e6, 1e9};
  std::vector<std::vector<double>> grid;
  for (const auto& p : Grid(shapes, shapes))
    if (p[0] / p[1] < 1e15 && p[1] / p[0] < 1e15) grid.push_back(p);
  ExpectRoundTrips(kBeta, grid);
}

TEST(ParameterFitsRoundTrip, GumbelAndLogistic) {
  ExpectRoundTrips(kGumbel, Grid(kLocations, kScales));
  ExpectRoundTrips(kLogistic, Grid(kLocations, kScales));
}

TEST(ParameterFitsRoundTrip, LogNormal) {
  ExpectRoundTrips(kLogNorm, Grid({-700.0, -50.0, 0.0, 3.0, 460.0, 700.0},
                                  {2e-12, 1e-8, 1e-4, 0.01, 0.3, 1.0, 3.0, 10.0, 25.0}));
}

TEST(ParameterFitsRoundTrip, Weibull) {
  ExpectRoundTrips(kWeibull, Grid({0.02, 0.1, 0.3, 1.0, 3.6, 20.0, 99.0, 100.0, 101.0, 1e3, 1e5, 1e8, 1e12},
                                  {1e-6, 1.0, 1e6}));
}

TEST(ParameterFitsRoundTrip, Triangular) {
  std::vector<std::vector<double>> grid;
  // Min and width, also widths far under the location.
  const double places[][2] = {{0, 1e-3}, {0, 1},    {0, 1e6},     {-5, 1},         {-5, 30},          {1e8, 1e6},
                              {1e8, 1e8}, {-1e300, 1e300}, {-4, 1e-3}, {1e8, 1e-2}, {-3e15, 0.5}, {7.5, 1e-12}};
  for (const auto& place : places)
    for (double share : {1e-6, 0.01, 0.3, 0.5 - 1e-9, 0.5, 0.5 + 1e-7, 0.7, 0.99, 1 - 1e-6})
      grid.push_back({place[0], place[0] + place[1], place[0] + share * place[1]});
  ExpectRoundTrips(kTriangular, grid);
}

// From w = e^(1/delta^2) near 1e43 (delta 0.1) to w - 1 near 1e-5 (delta
// 300), and from the symmetric member to the log-normal line (|gamma| 5).
TEST(ParameterFitsRoundTrip, JohnsonSU) {
  std::vector<std::vector<double>> grid;
  for (double gamma : {-5.0, -3.0, -2.0, -0.5, -1e-3, -1e-6, 0.0, 1e-6, 1e-3, 0.3, 1.0, 3.0, 5.0})
    for (double delta : {0.1, 0.15, 0.2, 0.3, 0.5, 0.8, 1.5, 3.0, 10.0, 50.0, 300.0})
      for (double lambda : {1e-3, 2.0})
        grid.push_back({gamma, delta, lambda, lambda * 7 - 1});
  ExpectRoundTrips(kJohnsonSU, grid);
}

}  // namespace

namespace {

// Targets on a grid that mixes reachable and unreachable ones (an infinite
// skewness among them): whatever a fit answers must give its targets back.
TEST(ParameterFitsRoundTrip, AnAnswerIsNeverWrong) {
  const std::vector<const Family*> families = {&kBeta,    &kGumbel,     &kLogistic,  &kLogNorm,
                                               &kWeibull, &kTriangular, &kJohnsonSU};
  int answered = 0;
  for (const Family* f : families)
    for (double mean : {-1e6, -1.0, 1e-9, 0.3, 1.0, 1e200})
      for (double stdev : {1e-8, 3.1622e-5, 0.4, 1.0, 1e200})
        for (double skew : {-0.5, 0.0, 0.3, 2.0, std::numeric_limits<double>::infinity()})
          for (double kurt : {-1.0, 0.5, 6.0, 1e4, 1e300}) {
            const Moments target{mean, stdev, skew, kurt};
            std::vector<double> fitted(4, kNaN);
            if (!f->fit(target, fitted)) continue;
            ++answered;
            EXPECT_TRUE(Reproduces(*f, target, fitted)) << mean << " " << stdev << " " << skew << " " << kurt;
          }
  EXPECT_GT(answered, 1000);
}

// The moments here have answers the first formulas missed: a narrow
// Weibull (its shape came out 1.75e7), a log-normal whose S rounded to 0 or
// whose squared moments overflowed, a triangle with its mode 1e-6 of the
// range from Min; the beta shape below the floor has none.
TEST(ParameterFitsRoundTrip, FirstFormulasMissed) {
  double p = 0, q = 0;
  ASSERT_TRUE(WeibullParam(1, 1e-8, p, q));
  EXPECT_NEAR(q, 1.2825498e8, 1e2);
  ASSERT_TRUE(LogNormParam(1, 1e-8, p, q));
  EXPECT_NEAR(p, -5e-17, 1e-30);
  EXPECT_NEAR(q, 1e-8, 1e-21);
  ASSERT_TRUE(LogNormParam(1e200, 1e200, p, q));
  EXPECT_NEAR(p, 460.17044500852918, 1e-12);
  EXPECT_NEAR(q, 0.83255461115769769, 1e-15);
  const Moments narrow = TriangularMoments(1e8, 1.01e8, 100000001);
  double lo = 0, hi = 0, mode = 0;
  ASSERT_TRUE(TriangularParam(narrow.mean, narrow.stdev, narrow.skew, lo, hi, mode));
  EXPECT_TRUE(Reproduces(kTriangular, narrow, {lo, hi, mode}));
  EXPECT_FALSE(BetaParam(1e-9, 3.1622e-5, p, q));
}

}  // namespace
