#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <boost/math/quadrature/gauss_kronrod.hpp>

#include "addin/entry_points.h"
#include "addin/worksheet_functions.h"
#include "distributions/normal.h"
#include "distributions/normal_pareto.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace Zq::Math {
namespace {

using Testing::IsValueError;

// The integral of f over [a, b], adaptive Gauss-Kronrod.
template <class F>
double Integral(F&& f, double a, double b) {
  return boost::math::quadrature::gauss_kronrod<double, 61>::integrate(f, a, b, 15, 1e-13);
}

// The integral of f from x0 outwards to infinity (of x0's sign), through
// x = x0 / s on s in (0, 1].
template <class F>
double TailIntegral(F&& f, double x0) {
  return Integral([&](double s) { return f(x0 / s) * std::abs(x0) / (s * s); }, 0.0, 1.0);
}

double NumberOf(LPXLOPER record) {
  EXPECT_NE(record, nullptr);
  if (record == nullptr || record->xltype != xltypeNum) return std::nan("");
  return record->val.num;
}

// Tails that join the normal density smoothly at their splice points, in
// the standardized variable.
NormParetoParams Continuous(double pU, double pL, double mu, double sigma) {
  const double zU = NormCdfInv(1 - pU);
  const double zL = -NormCdfInv(pL);
  const double alphaU = TailIndexAt(zU);
  const double alphaL = TailIndexAt(zL);
  return {pU, alphaU, pU * std::pow(zU, alphaU), pL, alphaL, pL * std::pow(zL, alphaL), mu, sigma};
}

TEST(NormPareto, WithoutTailsIsTheNormalDistribution) {
  const NormParetoParams p{0, 3, 1, 0, 3, 1, 2, 1.5};
  for (double x : {-4.0, 0.3, 2.0, 7.5}) {
    EXPECT_EQ(NormParetoCdf(x, p), NormCdf((x - 2) / 1.5));
    EXPECT_EQ(NormParetoOrgCdf(x, p), NormCdf((x - 2) / 1.5));
    EXPECT_DOUBLE_EQ(NormParetoPdf(x, p), NormPdf((x - 2) / 1.5));
  }
  EXPECT_EQ(NormParetoFromNormal(-1.25, p), 2 + 1.5 * -1.25);
  EXPECT_EQ(NumberOf(ZqNormParetoMean(0, 0, 2, 1.5)), 2);
  EXPECT_EQ(NumberOf(ZqNormParetoStdev(0, 0, 1.5)), 1.5);
  EXPECT_EQ(NumberOf(ZqNormParetoSkew(0, 0)), 0);
  EXPECT_EQ(NumberOf(ZqNormParetoKurt(0, 0)), 3);
}

TEST(NormPareto, SplicePointsBelongToTheirTails) {
  const double u = NormCdf(1.5);
  const double pU = 1 - u;  // exact: 1 - (1 - u) == u
  const double pL = NormCdf(-1.5);
  const NormParetoParams p{pU, 4, 0.2, pL, 5, 0.3, 0, 1};
  EXPECT_DOUBLE_EQ(NormParetoCdf(1.5, p), 1 - 0.2 * std::pow(1.5, -4));
  EXPECT_DOUBLE_EQ(NormParetoCdf(-1.5, p), 0.3 * std::pow(1.5, -5));
  EXPECT_EQ(NormParetoCdf(0.5, p), NormCdf(0.5));
  // Overlapping tails: the upper one wins.
  const NormParetoParams overlap{0.6, 4.5, 0.2, 0.6, 5.5, 0.3, 0, 1};
  EXPECT_EQ(NormParetoCdf(0.1, overlap), 1 - 0.2 * std::pow(0.1, -4.5));
  // The upper formula at a negative z: a negative base, NaN.
  EXPECT_TRUE(std::isnan(NormParetoCdf(-0.1, overlap)));
}

TEST(NormPareto, TailMapsInvertTheDistributionFunctions) {
  const NormParetoParams p = Continuous(0.04, 0.02, 1, 2);
  NormParetoParams org = p;
  org.mu = 0.5;
  org.sigma = 1;
  for (double z : {-3.5, -2.2, -0.4, 0.9, 2.0, 4.1}) {
    EXPECT_NEAR(NormParetoCdf(NormParetoFromNormal(z, p), p), NormCdf(z), 1e-12) << z;
  }
  // The Org tails in raw x: consistent scales for splice points mu + sigma z.
  const double xU = org.mu + NormCdfInv(1 - org.pU);
  const double xL = -(org.mu + NormCdfInv(org.pL));
  org.betaU = org.pU * std::pow(xU, org.alphaU);
  org.betaL = org.pL * std::pow(xL, org.alphaL);
  for (double z : {-3.5, -2.2, 2.0, 4.1}) {
    EXPECT_NEAR(NormParetoOrgCdf(NormParetoOrgFromNormal(z, org), org), NormCdf(z), 1e-12) << z;
  }
  EXPECT_EQ(NormParetoOrgFromNormal(0.3, org), 0.5 + 0.3);
}

TEST(NormPareto, DensitiesAreTheDerivativesOfTheDistributionFunctions) {
  const NormParetoParams p = Continuous(0.05, 0.03, 0, 1);
  for (double x : {-4.0, -2.5, 0.7, 2.4, 6.0}) {
    const double h = 1e-6;
    EXPECT_NEAR(NormParetoPdf(x, p), (NormParetoCdf(x + h, p) - NormParetoCdf(x - h, p)) / (2 * h), 1e-6) << x;
    EXPECT_NEAR(NormParetoOrgPdf(x, p), (NormParetoOrgCdf(x + h, p) - NormParetoOrgCdf(x - h, p)) / (2 * h), 1e-6)
        << x;
  }
}

TEST(NormPareto, StandardDensityHasNoScaleFactorAndOrgDensityHas) {
  const NormParetoParams unit{0.05, 3, 0.1, 0.05, 3, 0.1, 0, 1};
  const NormParetoParams wide{0.05, 3, 0.1, 0.05, 3, 0.1, 0, 2};
  EXPECT_EQ(NumberOf(ZqNormParetoDistDash(0.5, 0.05, 3, 0.1, 0.05, 3, 0.1, 0, 1)), NormParetoPdf(0.5, unit));
  EXPECT_EQ(NumberOf(ZqNormParetoDistDash(1.0, 0.05, 3, 0.1, 0.05, 3, 0.1, 0, 2)), NormParetoPdf(0.5, unit));
  EXPECT_EQ(NormParetoOrgPdf(1.0, wide), NormParetoOrgPdf(0.5, unit) / 2);
}

TEST(NormPareto, TailIndexAtMatchesTheKnownSplices) {
  EXPECT_NEAR(TailIndexAt(NormCdfInv(0.99)), 6.20, 0.01);
  EXPECT_NEAR(TailIndexAt(NormCdfInv(0.95)), 3.39, 0.01);
}

// Moments by quadrature of z^n times the density-continuous density: the
// body numerically between the splice points, the power-law tails by a
// half-infinite rule.
double MomentByQuadrature(double pU, double pL, int n) {
  const NormParetoParams p = Continuous(pU, pL, 0, 1);
  const double zU = pU > 0 ? NormCdfInv(1 - pU) : 40;
  const double zL = pL > 0 ? NormCdfInv(pL) : -40;
  const auto weighted = [&](double z) { return std::pow(z, n) * NormParetoPdf(z, p); };
  double moment = Integral(weighted, zL, zU);
  if (pU > 0) moment += TailIntegral(weighted, zU);
  if (pL > 0) moment += TailIntegral(weighted, zL);
  return moment;
}

TEST(NormParetoMoment, AgreesWithQuadratureWhereTheMomentExists) {
  const double cases[][2] = {{0.01, 0.01}, {0.02, 0.005}, {0.0, 0.01}, {0.015, 0.0}};
  for (const auto& c : cases) {
    for (int n = 0; n <= 4; ++n) {
      // The splice point comes from the approximate inverse, so p and
      // 1 - Phi(z0) differ by about 1e-7 and the tails' terms with them.
      const double expected = MomentByQuadrature(c[0], c[1], n);
      EXPECT_NEAR(NormParetoMoment(c[0], c[1], n), expected, 5e-5 * std::max(1.0, std::abs(expected)))
          << c[0] << " " << c[1] << " n " << n;
    }
  }
}

TEST(NormParetoMoment, SymmetricTailsHaveNoSkewAndHeavierKurtosis) {
  EXPECT_NEAR(NumberOf(ZqNormParetoSkew(0.01, 0.01)), 0, 1e-9);
  EXPECT_NEAR(NumberOf(ZqNormParetoKurt(0.01, 0.01)), 3.438, 0.0005);
  EXPECT_GT(NumberOf(ZqNormParetoSkew(0.02, 0.0)), 0);
  EXPECT_LT(NumberOf(ZqNormParetoSkew(0.0, 0.02)), 0);
}

// A tail of index alpha has moments below alpha only; where one is missing
// the function answers #VALUE! instead of a meaningless finite number.
TEST(NormParetoMoment, MissingMomentsAreNotFinite) {
  EXPECT_TRUE(std::isfinite(NormParetoMoment(0.05, 0.05, 3)));  // index about 3.39
  EXPECT_TRUE(std::isnan(NormParetoMoment(0.05, 0.05, 4)));
  EXPECT_TRUE(std::isnan(NormParetoMoment(0.05, 0.0, 4)));
  EXPECT_TRUE(std::isnan(NormParetoMoment(0.0, 0.05, 4)));
  EXPECT_TRUE(std::isnan(NormParetoTailMoment(NormCdfInv(0.95), 4)));
  EXPECT_TRUE(IsValueError(ZqNormParetoKurt(0.05, 0.05)));
  EXPECT_TRUE(std::isfinite(NumberOf(ZqNormParetoSkew(0.05, 0.05))));
  // An index below 1 (splice at 0.25) leaves no mean; a splice at or below
  // the centre leaves no tail index at all.
  EXPECT_TRUE(IsValueError(ZqNormParetoMean(1 - NormCdf(0.25), 0, 0, 1)));
  EXPECT_TRUE(IsValueError(ZqNormParetoStdev(0.6, 0, 1)));
  EXPECT_TRUE(std::isfinite(NumberOf(ZqNormParetoStdev(0.05, 0.05, 1))));
}

TEST(NormParetoWorksheet, RejectsTailProbabilitiesOutsideTheUnitInterval) {
  for (const auto& bad : {std::pair{1.0, 0.0}, std::pair{0.0, 1.0}, std::pair{-0.1, 0.0}, std::pair{0.0, -1e-300},
                          std::pair{std::nan(""), 0.0}}) {
    const double pU = bad.first;
    const double pL = bad.second;
    EXPECT_TRUE(IsValueError(ZqNormParetoDist(0.5, pU, 3, 0.1, pL, 3, 0.1, 0, 1)));
    EXPECT_TRUE(IsValueError(ZqNormParetoDistDash(0.5, pU, 3, 0.1, pL, 3, 0.1, 0, 1)));
    EXPECT_TRUE(IsValueError(ZqNormPareto(0.5, pU, 3, 0.1, pL, 3, 0.1, 0, 1)));
    EXPECT_TRUE(IsValueError(ZqNormParetoInv(0.5, pU, 3, 0.1, pL, 3, 0.1, 0, 1)));
    EXPECT_TRUE(IsValueError(ZqNormParetoOrgDist(0.5, pU, 3, 0.1, pL, 3, 0.1, 0, 1)));
    EXPECT_TRUE(IsValueError(ZqNormParetoOrgDistDash(0.5, pU, 3, 0.1, pL, 3, 0.1, 0, 1)));
    EXPECT_TRUE(IsValueError(ZqNormParetoOrg(0.5, pU, 3, 0.1, pL, 3, 0.1, 0, 1)));
    EXPECT_TRUE(IsValueError(ZqNormParetoOrgInv(0.5, pU, 3, 0.1, pL, 3, 0.1, 0, 1)));
    EXPECT_TRUE(IsValueError(ZqNormParetoMean(pU, pL, 0, 1)));
    EXPECT_TRUE(IsValueError(ZqNormParetoStdev(pU, pL, 1)));
    EXPECT_TRUE(IsValueError(ZqNormParetoSkew(pU, pL)));
    EXPECT_TRUE(IsValueError(ZqNormParetoKurt(pU, pL)));
    EXPECT_TRUE(IsValueError(ZqNormParetoOrgMean(pU, 3, pL, 3, 0, 1)));
  }
}

TEST(NormParetoWorksheet, QuantilesNeedAnOpenProbability) {
  for (double p : {0.0, 1.0, -0.5, 1.5}) {
    EXPECT_TRUE(IsValueError(ZqNormParetoInv(p, 0.05, 3, 0.1, 0.05, 3, 0.1, 0, 1)));
    EXPECT_TRUE(IsValueError(ZqNormParetoOrgInv(p, 0.05, 3, 0.1, 0.05, 3, 0.1, 0, 1)));
  }
  const NormParetoParams p = Continuous(0.05, 0.05, 1, 2);
  EXPECT_EQ(NumberOf(ZqNormParetoInv(0.99, p.pU, p.alphaU, p.betaU, p.pL, p.alphaL, p.betaL, 1, 2)),
            NormParetoFromNormal(NormCdfInv(0.99), p));
  EXPECT_EQ(NumberOf(ZqNormParetoOrgInv(0.3, p.pU, p.alphaU, p.betaU, p.pL, p.alphaL, p.betaL, 1, 2)),
            1 + 2 * NormCdfInv(0.3));
}

// The Org mean against quadrature of x times the Org density, with raw-x
// tails continuous in probability at the splice points.
TEST(NormParetoOrgMean, AgreesWithQuadratureAndNeedsIndicesAboveOne) {
  const double mu = 0.5, sigma = 1.2, pU = 0.04, pL = 0.03, alphaU = 3.5, alphaL = 2.5;
  const double xU = mu + sigma * NormCdfInv(1 - pU);
  const double xL = mu + sigma * NormCdfInv(pL);
  const NormParetoParams p{pU, alphaU, pU * std::pow(xU, alphaU), pL, alphaL, pL * std::pow(-xL, alphaL), mu, sigma};
  const auto weighted = [&](double x) { return x * NormParetoOrgPdf(x, p); };
  const double expected = Integral(weighted, xL, xU) + TailIntegral(weighted, xU) + TailIntegral(weighted, xL);
  EXPECT_NEAR(NumberOf(ZqNormParetoOrgMean(pU, alphaU, pL, alphaL, mu, sigma)), expected, 1e-6);
  EXPECT_EQ(NumberOf(ZqNormParetoOrgMean(0, 0.5, 0, 0.5, mu, sigma)), mu);
  EXPECT_TRUE(IsValueError(ZqNormParetoOrgMean(pU, 1, 0, 3, mu, sigma)));
  EXPECT_TRUE(IsValueError(ZqNormParetoOrgMean(0, 3, pL, 0.8, mu, sigma)));
}

}  // namespace
}  // namespace Zq::Math
