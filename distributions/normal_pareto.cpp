#include "distributions/normal_pareto.h"

#include <cmath>

#include "distributions/normal.h"
#include "numerics/special_values.h"

namespace Zq::Math {

namespace {


// z^k by k multiplications, z^0 = 1.
double Power(double z, int k) {
  double result = 1;
  for (int i = 0; i < k; ++i) result *= z;
  return result;
}

enum class Region { UPPER, LOWER, BODY };

// The upper tail is tested first, so it wins where the tails overlap.
Region RegionOf(double u, const NormParetoParams& p) {
  if (p.pU > 0 && u >= 1 - p.pU) return Region::UPPER;
  if (p.pL > 0 && u <= p.pL) return Region::LOWER;
  return Region::BODY;
}

}  // namespace

double NormParetoCdf(double x, const NormParetoParams& p) {
  const double z = (x - p.mu) / p.sigma;
  const double u = NormCdf(z);
  switch (RegionOf(u, p)) {
    case Region::UPPER: return 1 - p.betaU * std::pow(z, -p.alphaU);
    case Region::LOWER: return p.betaL * std::pow(-z, -p.alphaL);
    case Region::BODY: break;
  }
  return u;
}

double NormParetoPdf(double x, const NormParetoParams& p) {
  const double z = (x - p.mu) / p.sigma;
  switch (RegionOf(NormCdf(z), p)) {
    case Region::UPPER: return p.alphaU * p.betaU * std::pow(z, -p.alphaU - 1);
    case Region::LOWER: return p.alphaL * p.betaL * std::pow(-z, -p.alphaL - 1);
    case Region::BODY: break;
  }
  return NormPdf(z);
}

double NormParetoFromNormal(double z, const NormParetoParams& p) {
  const double u = NormCdf(z);
  switch (RegionOf(u, p)) {
    case Region::UPPER: return p.mu + p.sigma * std::pow((1 - u) / p.betaU, -1 / p.alphaU);
    case Region::LOWER: return p.mu - p.sigma * std::pow(u / p.betaL, -1 / p.alphaL);
    case Region::BODY: break;
  }
  return p.mu + p.sigma * z;
}

double NormParetoOrgCdf(double x, const NormParetoParams& p) {
  const double u = NormCdf((x - p.mu) / p.sigma);
  switch (RegionOf(u, p)) {
    case Region::UPPER: return 1 - p.betaU * std::pow(x, -p.alphaU);
    case Region::LOWER: return p.betaL * std::pow(-x, -p.alphaL);
    case Region::BODY: break;
  }
  return u;
}

double NormParetoOrgPdf(double x, const NormParetoParams& p) {
  const double z = (x - p.mu) / p.sigma;
  switch (RegionOf(NormCdf(z), p)) {
    case Region::UPPER: return p.alphaU * p.betaU * std::pow(x, -p.alphaU - 1);
    case Region::LOWER: return p.alphaL * p.betaL * std::pow(-x, -p.alphaL - 1);
    case Region::BODY: break;
  }
  return NormPdf(z) / p.sigma;
}

double NormParetoOrgFromNormal(double z, const NormParetoParams& p) {
  const double u = NormCdf(z);
  switch (RegionOf(u, p)) {
    case Region::UPPER: return std::pow((1 - u) / p.betaU, -1 / p.alphaU);
    case Region::LOWER: return -std::pow(u / p.betaL, -1 / p.alphaL);
    case Region::BODY: break;
  }
  return p.mu + p.sigma * z;
}

double TailIndexAt(double z0) { return z0 * NormPdf(z0) / (1 - NormCdf(z0)); }

double NormParetoBodyMoment(double pU, double pL, int n) {
  const double zU = pU > 0 ? NormCdfInv(1 - pU) : 0;
  const double zL = pL > 0 ? NormCdfInv(pL) : 0;
  // e(k): the boundary terms z^(k-1) phi(z) of the splice points.
  const auto edge = [&](int k) {
    const double upper = pU > 0 ? -(Power(zU, k - 1) * NormPdf(zU)) : 0;
    const double lower = pL > 0 ? Power(zL, k - 1) * NormPdf(zL) : 0;
    return upper + lower;
  };
  // body(k) = (k - 1) body(k - 2) + e(k), from body(0) or body(1).
  double body = n % 2 == 0 ? 1 - pU - pL : edge(1);
  for (int k = n % 2 == 0 ? 2 : 3; k <= n; k += 2) body = (k - 1) * body + edge(k);
  return body;
}

double NormParetoTailMoment(double z0, int n) {
  const double alpha = TailIndexAt(z0);
  if (!(alpha > n)) return kNaN;
  return Power(z0, n + 1) * NormPdf(z0) / (alpha - n);
}

double NormParetoMoment(double pU, double pL, int n) {
  double moment = NormParetoBodyMoment(pU, pL, n);
  if (pU > 0) moment += NormParetoTailMoment(NormCdfInv(1 - pU), n);
  if (pL > 0) {
    const double s = n % 2 == 1 ? -1 : 1;
    moment += s * NormParetoTailMoment(-NormCdfInv(pL), n);
  }
  return moment;
}

namespace {

// The power-law tail's mean contribution beyond x0 = mu + sigma z0, less
// the normal body's over the same region.
double OrgTailShift(double p, double z0, double alpha, double mu, double sigma) {
  if (!(alpha > 1)) return kNaN;
  const double s = z0 > 0 ? 1 : -1;
  return (mu + sigma * z0) * p * alpha / (alpha - 1) - (mu * p + s * sigma * NormPdf(z0));
}

}  // namespace

double NormParetoOrgMean(double pU, double alphaU, double pL, double alphaL, double mu, double sigma) {
  double mean = mu;
  if (pU > 0) mean += OrgTailShift(pU, NormCdfInv(1 - pU), alphaU, mu, sigma);
  if (pL > 0) mean += OrgTailShift(pL, NormCdfInv(pL), alphaL, mu, sigma);
  return mean;
}

}  // namespace Zq::Math
