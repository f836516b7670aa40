#include "distributions/normal_pareto_fit.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "distributions/normal.h"
#include "multivariate/matrix.h"
#include "numerics/special_values.h"
#include "solvers/solve_equations.h"

namespace Zq::Math {

namespace {

constexpr double kTolX = 1e-10;
constexpr double kTolF = 1e-14;
constexpr double kFirstSplice = 1.9;

double Power(double z, int n) {
  double result = 1;
  for (int k = 0; k < n; ++k) result *= z;
  return result;
}

// Raw moments m1 ... m4 (index 0 unused) and the central moments built on them.
struct FamilyMoments {
  double m[5];
  double variance;
  double third;
  double fourth;
};

FamilyMoments MomentsOf(double pU, double pL) {
  FamilyMoments s{};
  for (int n = 1; n <= 4; ++n) s.m[n] = NormParetoMoment(pU, pL, n);
  const double m1 = s.m[1], m2 = s.m[2], m3 = s.m[3], m4 = s.m[4];
  s.variance = m2 - m1 * m1;
  s.third = m3 - 3 * m1 * m2 + 2 * m1 * m1 * m1;
  s.fourth = m4 - 4 * m1 * m3 + 6 * m1 * m1 * m2 - 3 * m1 * m1 * m1 * m1;
  return s;
}

// Tail probabilities of the splice points, the lower one mirrored to zL > 0.
double UpperP(double zU) { return 1 - NormCdf(zU); }
double LowerP(double zL) { return NormCdf(-zL); }

}  // namespace

double MomentRate(TailSide side, int n, double z0) {
  const double pdf = NormPdf(z0);
  const double h = pdf / (1 - NormCdf(z0));
  const double alpha = z0 * h;
  const double zn = Power(z0, n);
  const double sign = side == TailSide::Upper || n % 2 == 0 ? 1.0 : -1.0;
  const double tail = sign * pdf * zn / (alpha - n) *
                      ((n + 1) - z0 * z0 - z0 * h * (h * z0 + 1 - z0 * z0) / (alpha - n));
  // The body gains (or loses) the density times z^n at its moving edge.
  return tail + sign * zn * pdf;
}

Equation1 SymmetricTailEquation(double z, double kurtosis) {
  const double p = 1 - NormCdf(z);
  const double m2 = NormParetoMoment(p, p, 2);
  const double m4 = NormParetoMoment(p, p, 4);
  const double r2 = MomentRate(TailSide::Upper, 2, z);
  const double r4 = MomentRate(TailSide::Upper, 4, z);
  return {m4 - kurtosis * m2 * m2, 2 * (r4 - 2 * kurtosis * m2 * r2)};
}

Equation2 TailPairEquations(double zU, double zL, double skew2, double kurtosis) {
  Equation2 e{};
  const double pU = UpperP(zU);
  const double pL = LowerP(zL);
  if (!(zU * NormPdf(zU) / pU > 4) || !(zL * NormPdf(zL) / (1 - NormCdf(zL)) > 4)) {
    e.value[0] = e.value[1] = kNaN;
    return e;
  }
  const FamilyMoments s = MomentsOf(pU, pL);
  const double m1 = s.m[1], m2 = s.m[2], m3 = s.m[3];
  const double w = s.variance, c3 = s.third;
  e.value[0] = c3 * c3 - skew2 * w * w * w;
  e.value[1] = s.fourth - kurtosis * w * w;

  const TailSide sides[2] = {TailSide::Upper, TailSide::Lower};
  const double splices[2] = {zU, zL};
  for (int j = 0; j < 2; ++j) {
    double d[5] = {};
    for (int n = 1; n <= 4; ++n) d[n] = MomentRate(sides[j], n, splices[j]);
    const double dw = d[2] - 2 * m1 * d[1];
    const double dc3 = d[3] - 3 * m2 * d[1] - 3 * m1 * d[2] + 6 * m1 * m1 * d[1];
    const double dc4 = d[4] - 4 * m3 * d[1] - 4 * m1 * d[3] + 12 * m1 * m2 * d[1] + 6 * m1 * m1 * d[2] -
                       12 * m1 * m1 * m1 * d[1];
    e.jacobian[0][j] = 2 * c3 * dc3 - 3 * skew2 * w * w * dw;
    e.jacobian[1][j] = dc4 - 2 * kurtosis * w * dw;
  }
  return e;
}

bool NormParetoMomentFit(double mean, double sd, double skew, double exkurt, NormParetoParams& params) {
  const double skew2 = skew * skew;
  const double kurtosis = exkurt + 3;

  auto symmetric = [&](double z) { return SymmetricTailEquation(z, kurtosis); };
  double v = 0;
  if (!SolveOne(symmetric, kFirstSplice, kTolX, kTolF, v)) return false;

  double zU = v;
  double zL = v;
  if (skew2 != 0) {
    // The equations see only the squared skewness: a root and its mirror
    // image (the tails swapped) both solve them. The search always starts
    // with the lower tail the heavier, from where it converges for the
    // widest range of targets; a root whose skewness has the wrong sign is
    // replaced by its mirror image.
    zL = v - 0.1;
    auto pair = [&](double u, double l) { return TailPairEquations(u, l, skew2, kurtosis); };
    if (!SolveTwo(pair, zU, zL, kTolX, kTolF)) return false;
    if (MomentsOf(UpperP(zU), LowerP(zL)).third * skew < 0) std::swap(zU, zL);
  }

  const double pU = UpperP(zU);
  const double pL = LowerP(zL);
  const double alphaU = zU * NormPdf(zU) / pU;
  const double alphaL = zL * NormPdf(zL) / (1 - NormCdf(zL));
  const double m1 = NormParetoMoment(pU, pL, 1);
  const double m2 = NormParetoMoment(pU, pL, 2);
  params.pU = pU;
  params.alphaU = alphaU;
  params.betaU = std::pow(zU, alphaU) * pU;
  params.pL = pL;
  params.alphaL = alphaL;
  params.betaL = std::pow(zL, alphaL) * pL;
  params.sigma = sd / std::sqrt(m2 - m1 * m1);
  params.mu = mean - params.sigma * m1;
  return alphaU > 4 && alphaL > 4;
}

bool TailRegression(TailSide side, const double* values, std::int32_t n, double p, double mu, double sigma,
                    double& alpha, double& beta) {
  if (values == nullptr || n < 2 || !(p > 0 && p < 1)) return false;
  const std::int32_t k = static_cast<std::int32_t>((n + 1) * p);
  if (k < 2 || k > n) return false;

  Vector sorted(n, Init::Uninitialised);
  if (sorted.Length() != n) return false;
  for (std::int32_t i = 0; i < n; ++i) {
    if (std::isnan(values[i])) return false;
    sorted[i] = values[i];
  }
  std::sort(sorted.Data(), sorted.Data() + n);

  // The i-th most extreme value, i = 1 ... k.
  const bool upper = side == TailSide::Upper;
  auto extreme = [&](std::int32_t i) { return upper ? sorted[n - i] : sorted[i - 1]; };
  if (!((extreme(1) - mu) * (extreme(k) - mu) > 0)) return false;

  double sx = 0, sy = 0, sxy = 0, sxx = 0;
  for (std::int32_t i = 1; i <= k; ++i) {
    const double x = std::log(std::fabs(extreme(i) - mu) / sigma);
    const double y = std::log(static_cast<double>(i) / (n + 1));
    sx += x;
    sy += y;
    sxy += x * y;
    sxx += x * x;
  }
  const double g = k * sxx - sx * sx;
  const double slope = (k * sxy - sx * sy) / g;
  const double intercept = (sy * sxx - sx * sxy) / g;
  alpha = -slope;
  beta = std::exp(intercept);
  return std::isfinite(alpha) && std::isfinite(beta) && alpha > 1 && beta > 0;
}

bool MiddleFromTails(double pU, double alphaU, double betaU, double pL, double alphaL, double betaL, double& mu,
                     double& sigma) {
  if (!(pU >= 0 && pU < 1 && pL >= 0 && pL < 1)) return false;
  const bool upper = pU > 0;
  const bool lower = pL > 0;
  const double zU = upper ? NormCdfInv(1 - pU) : 0;
  const double xU = upper ? std::pow(pU / betaU, -1 / alphaU) : 0;
  const double zL = lower ? NormCdfInv(pL) : 0;
  const double u = lower ? std::pow(pL / betaL, -1 / alphaL) : 0;
  if (upper && lower) {
    // The body passes through (zU, xU) and (zL, -u).
    sigma = (u + xU) / (zU - zL);
    mu = (-u * zU - zL * xU) / (zU - zL);
  } else if (lower) {
    mu = -u - zL;
    sigma = 1;
  } else if (upper) {
    mu = xU - zU;
    sigma = 1;
  } else {
    mu = 0;
    sigma = 1;
  }
  return std::isfinite(mu) && std::isfinite(sigma) && sigma > 0;
}

}  // namespace Zq::Math
