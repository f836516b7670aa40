#include "distributions/normal_pareto_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "distributions/normal.h"
#include "numerics/special_values.h"

namespace {

using namespace Zq::Math;

template <class F>
double CentralDifference(F f, double x) {
  const double h = 1e-5;
  return (f(x + h) - f(x - h)) / (2 * h);
}

// The moments move with the splice points through NormCdf and NormCdfInv,
// approximations whose slopes are only close to the exact ones, so the
// analytic rates match central differences to about 1e-4.
void ExpectRate(double analytic, double numeric) {
  EXPECT_NEAR(analytic, numeric, 1e-3 * std::fabs(numeric) + 1e-9) << "numeric " << numeric;
}

TEST(NormParetoFit, MomentRateIsTheSlopeOfEachSidesContribution) {
  const double other = 0.02;  // the opposite tail stays put
  for (double z : {1.95, 2.2, 3.0})
    for (int n = 1; n <= 4; ++n) {
      ExpectRate(MomentRate(TailSide::Upper, n, z),
                 CentralDifference([&](double at) { return NormParetoMoment(1 - NormCdf(at), other, n); }, z));
      ExpectRate(MomentRate(TailSide::Lower, n, z),
                 CentralDifference([&](double at) { return NormParetoMoment(other, NormCdf(-at), n); }, z));
    }
}

TEST(NormParetoFit, SymmetricEquationSlope) {
  for (double kurtosis : {3.5, 6.0})
    for (double z : {1.95, 2.3, 2.9})
      ExpectRate(SymmetricTailEquation(z, kurtosis).slope,
                 CentralDifference([&](double at) { return SymmetricTailEquation(at, kurtosis).value; }, z));
}

TEST(NormParetoFit, TailPairJacobianIncludingTheLowerColumn) {
  const double points[][2] = {{2.0, 2.6}, {2.7, 2.05}, {2.3, 2.3}};
  for (const auto& p : points) {
    const Equation2 e = TailPairEquations(p[0], p[1], 0.01, 4.2);
    for (int i = 0; i < 2; ++i) {
      ExpectRate(e.jacobian[i][0],
                 CentralDifference([&](double at) { return TailPairEquations(at, p[1], 0.01, 4.2).value[i]; }, p[0]));
      ExpectRate(e.jacobian[i][1],
                 CentralDifference([&](double at) { return TailPairEquations(p[0], at, 0.01, 4.2).value[i]; }, p[1]));
    }
  }
}

TEST(NormParetoFit, TailPairRefusesTailsWithoutAFourthMoment) {
  // Spliced at 1.5 a tail has index about 2.9.
  EXPECT_TRUE(std::isnan(TailPairEquations(1.5, 2.5, 0.01, 4).value[0]));
  EXPECT_TRUE(std::isnan(TailPairEquations(2.5, 1.5, 0.01, 4).value[1]));
  EXPECT_TRUE(std::isfinite(TailPairEquations(2.5, 2.5, 0.01, 4).value[0]));
}

struct Targets {
  double mean, sd, skew, exkurt;
};

Targets MomentsOf(const NormParetoParams& p) {
  double m[5] = {};
  for (int n = 1; n <= 4; ++n) m[n] = NormParetoMoment(p.pU, p.pL, n);
  const double w = m[2] - m[1] * m[1];
  const double c3 = m[3] - 3 * m[1] * m[2] + 2 * m[1] * m[1] * m[1];
  const double c4 = m[4] - 4 * m[1] * m[3] + 6 * m[1] * m[1] * m[2] - 3 * m[1] * m[1] * m[1] * m[1];
  return {p.mu + p.sigma * m[1], p.sigma * std::sqrt(w), c3 / std::pow(w, 1.5), c4 / (w * w) - 3};
}

TEST(NormParetoFit, MomentFitRecoversSplicePointsOverAGrid) {
  for (double zU : {1.95, 2.2, 2.5, 2.8, 3.1})
    for (double zL : {1.95, 2.2, 2.5, 2.8, 3.1}) {
      NormParetoParams truth{};
      truth.pU = 1 - NormCdf(zU);
      truth.pL = NormCdf(-zL);
      truth.mu = 1.5;
      truth.sigma = 0.4;
      const Targets t = MomentsOf(truth);
      NormParetoParams fitted{};
      ASSERT_TRUE(NormParetoMomentFit(t.mean, t.sd, t.skew, t.exkurt, fitted)) << zU << " " << zL;
      EXPECT_NEAR(fitted.pU / truth.pU, 1, 1e-6) << zU << " " << zL;
      EXPECT_NEAR(fitted.pL / truth.pL, 1, 1e-6) << zU << " " << zL;
      const Targets back = MomentsOf(fitted);
      EXPECT_NEAR(back.mean, t.mean, 1e-9);
      EXPECT_NEAR(back.sd, t.sd, 1e-9);
      EXPECT_NEAR(back.skew, t.skew, 1e-7);
      EXPECT_NEAR(back.exkurt, t.exkurt, 1e-7);
      // Density-continuous tails: index from the splice point, scale from the probability.
      EXPECT_NEAR(fitted.alphaU, TailIndexAt(zU), 1e-4);
      EXPECT_NEAR(fitted.betaU / (truth.pU * std::pow(zU, fitted.alphaU)), 1, 1e-5);
      EXPECT_NEAR(fitted.betaL / (truth.pL * std::pow(zL, fitted.alphaL)), 1, 1e-5);
    }
}

TEST(NormParetoFit, SkewOfEitherSignGivesMirroredTails) {
  NormParetoParams right{}, left{};
  ASSERT_TRUE(NormParetoMomentFit(0, 1, 0.1, 1.5, right));
  ASSERT_TRUE(NormParetoMomentFit(0, 1, -0.1, 1.5, left));
  EXPECT_GT(right.pU, right.pL);  // the heavier tail on the side of the skew
  EXPECT_NEAR(right.pU, left.pL, 1e-8);
  EXPECT_NEAR(right.pL, left.pU, 1e-8);
  EXPECT_NEAR(MomentsOf(right).skew, 0.1, 1e-8);
  EXPECT_NEAR(MomentsOf(left).skew, -0.1, 1e-8);
}

TEST(NormParetoFit, ZeroSkewGivesSymmetricTailsAroundTheMean) {
  NormParetoParams p{};
  ASSERT_TRUE(NormParetoMomentFit(2, 3, 0, 1, p));
  EXPECT_NEAR(p.pU, p.pL, 1e-9);
  EXPECT_NEAR(p.alphaU, p.alphaL, 1e-6);
  EXPECT_NEAR(p.betaU, p.betaL, 1e-8);
  EXPECT_NEAR(p.mu, 2, 1e-8);
  EXPECT_GT(p.alphaU, 4);
  const Targets back = MomentsOf(p);
  EXPECT_NEAR(back.sd, 3, 1e-9);
  EXPECT_NEAR(back.exkurt, 1, 1e-8);
}

TEST(NormParetoFit, MomentFitEdges) {
  NormParetoParams p{};
  // The normal's kurtosis: tails pushed out until they carry no probability.
  ASSERT_TRUE(NormParetoMomentFit(0, 1, 0, 0, p));
  EXPECT_LT(p.pU, 1e-12);
  EXPECT_NEAR(p.sigma, 1, 1e-12);
  EXPECT_FALSE(NormParetoMomentFit(0, 1, 0, -1, p));
  EXPECT_FALSE(NormParetoMomentFit(0, 1, 0, kNaN, p));
  EXPECT_FALSE(NormParetoMomentFit(0, 1, kNaN, 1, p));
  // A skew this large needs a tail too heavy for a fourth moment.
  EXPECT_FALSE(NormParetoMomentFit(0, 1, 2, 1, p));
}

TEST(NormParetoFit, TailRegressionUsesTheKMostExtremeValues) {
  // Nine values, p = 0.25: k = trunc(10 * 0.25) = 2, the two largest, at
  // tail probabilities 1/10 and 2/10.
  const std::vector<double> data = {5, 1, 9, 3, 7, 2, 8, 4, 6};
  double alpha = 0, beta = 0;
  ASSERT_TRUE(TailRegression(TailSide::Upper, data.data(), 9, 0.25, 1, 2, alpha, beta));
  const double x1 = std::log(8.0 / 2), x2 = std::log(7.0 / 2);
  const double slope = (std::log(0.2) - std::log(0.1)) / (x2 - x1);
  EXPECT_NEAR(alpha, -slope, 1e-12);
  EXPECT_NEAR(beta / std::exp(std::log(0.1) - slope * x1), 1, 1e-12);
  // The lower tail of the mirrored sample is the same fit.
  std::vector<double> mirrored;
  for (double v : data) mirrored.push_back(-v);
  double alphaL = 0, betaL = 0;
  ASSERT_TRUE(TailRegression(TailSide::Lower, mirrored.data(), 9, 0.25, -1, 2, alphaL, betaL));
  EXPECT_EQ(alphaL, alpha);
  EXPECT_EQ(betaL, beta);
}

TEST(NormParetoFit, TailRegressionRecoversAnExactPowerLaw) {
  // Values at the empirical quantiles of beta z^-alpha: the fit is exact.
  const int n = 199;
  std::vector<double> data;
  for (int i = 1; i <= n; ++i) data.push_back(3 + 0.5 * std::pow(i / (n + 1.0) / 0.7, -1 / 2.5));
  double alpha = 0, beta = 0;
  ASSERT_TRUE(TailRegression(TailSide::Upper, data.data(), n, 0.3, 3, 0.5, alpha, beta));
  EXPECT_NEAR(alpha, 2.5, 1e-10);
  EXPECT_NEAR(beta, 0.7, 1e-10);
}

TEST(NormParetoFit, TailRegressionRejections) {
  const std::vector<double> data = {5, 1, 9, 3, 7, 2, 8, 4, 6};
  double alpha = 0, beta = 0;
  EXPECT_FALSE(TailRegression(TailSide::Upper, data.data(), 9, 0.1, 0, 1, alpha, beta));  // k = 1
  EXPECT_FALSE(TailRegression(TailSide::Upper, data.data(), 9, 0.25, 7.5, 1, alpha, beta));  // 7 < mu < 8
  EXPECT_FALSE(TailRegression(TailSide::Upper, data.data(), 9, 0, 0, 1, alpha, beta));
  EXPECT_FALSE(TailRegression(TailSide::Upper, data.data(), 9, 1, 0, 1, alpha, beta));
  // A tail flatter than 1/z: index at or below 1.
  const std::vector<double> flat = {1, 2, 4, 8, 16, 32, 64, 128, 256};
  EXPECT_FALSE(TailRegression(TailSide::Upper, flat.data(), 9, 0.5, 0, 1, alpha, beta));
  const std::vector<double> withNaN = {1, 2, kNaN, 4, 5};
  EXPECT_FALSE(TailRegression(TailSide::Upper, withNaN.data(), 5, 0.5, 0, 1, alpha, beta));
}

TEST(NormParetoFit, MiddleFromTailsJoinsTheSplicePoints) {
  // Org-variant tails built from a body (mu, sigma): the body comes back.
  const double mu = 0.3, sigma = 1.7, pU = 0.04, pL = 0.07, alphaU = 4.5, alphaL = 3.2;
  const double xU = mu + sigma * NormCdfInv(1 - pU);
  const double xL = mu + sigma * NormCdfInv(pL);
  const double betaU = pU * std::pow(xU, alphaU);
  const double betaL = pL * std::pow(-xL, alphaL);
  double m = 0, s = 0;
  ASSERT_TRUE(MiddleFromTails(pU, alphaU, betaU, pL, alphaL, betaL, m, s));
  EXPECT_NEAR(m, mu, 1e-12);
  EXPECT_NEAR(s, sigma, 1e-12);
  // One tail: unit scale, the body through that splice point.
  ASSERT_TRUE(MiddleFromTails(pU, alphaU, betaU, 0, 0, 0, m, s));
  EXPECT_EQ(s, 1);
  EXPECT_NEAR(m + NormCdfInv(1 - pU), xU, 1e-12);
  ASSERT_TRUE(MiddleFromTails(0, 0, 0, pL, alphaL, betaL, m, s));
  EXPECT_EQ(s, 1);
  EXPECT_NEAR(m + NormCdfInv(pL), xL, 1e-12);
  ASSERT_TRUE(MiddleFromTails(0, 0, 0, 0, 0, 0, m, s));
  EXPECT_EQ(m, 0);
  EXPECT_EQ(s, 1);
}

TEST(NormParetoFit, MiddleFromTailsRejections) {
  double m = 0, s = 0;
  EXPECT_FALSE(MiddleFromTails(1, 4, 1, 0, 0, 0, m, s));
  EXPECT_FALSE(MiddleFromTails(0, 0, 0, -0.1, 4, 1, m, s));
  EXPECT_FALSE(MiddleFromTails(kNaN, 4, 1, 0, 0, 0, m, s));
  EXPECT_FALSE(MiddleFromTails(0.05, 4, -1, 0, 0, 0, m, s));  // a negative scale has no splice point
  EXPECT_FALSE(MiddleFromTails(0, 0, 0, 0.05, 4, -1, m, s));
}

}  // namespace
