// The normal-Pareto family: a normal centre whose tails beyond two splice
// points are replaced by power laws. The splice points sit where the normal
// distribution function reaches 1 - pU (upper) and pL (lower); a tail
// probability of 0 switches that tail off.
//
// Standard variant: a location-scale family, the power laws live in the
// standardized z = (x - mu) / sigma. Org variant: the body is normal (mu,
// sigma) in x and the power laws are written in the raw x. The parameters
// are used exactly as passed; inconsistent sets are not repaired.
#pragma once

namespace Zq::Math {

struct NormParetoParams {
  double pU;      // upper tail probability, 0 switches the tail off
  double alphaU;  // upper tail index
  double betaU;   // upper tail scale coefficient
  double pL;      // lower tail probability, 0 switches the tail off
  double alphaL;  // lower tail index
  double betaL;   // lower tail scale coefficient
  double mu;      // location of the normal body
  double sigma;   // scale of the normal body
};

// Distribution function at x.
double NormParetoCdf(double x, const NormParetoParams& params);
// Density with respect to the standardized variable (no 1/sigma factor).
double NormParetoPdf(double x, const NormParetoParams& params);
// The value whose normal-Pareto probability is Phi(z): maps a standard
// normal variate to a normal-Pareto one.
double NormParetoFromNormal(double z, const NormParetoParams& params);

double NormParetoOrgCdf(double x, const NormParetoParams& params);
// Density in x: the body carries the 1/sigma factor, the tails are in x.
double NormParetoOrgPdf(double x, const NormParetoParams& params);
double NormParetoOrgFromNormal(double z, const NormParetoParams& params);

// z0 * phi(z0) / (1 - Phi(z0)): the index of a power-law tail joining the
// normal density smoothly at z0.
double TailIndexAt(double z0);

// The integral of z^n phi(z) over the normal body between the splice
// points of tails with probabilities pU and pL (n >= 0).
double NormParetoBodyMoment(double pU, double pL, int n);

// The n-th moment's contribution of a density-continuous power-law tail
// spliced at z0 > 0 (mirror the lower tail to use it). NaN when the tail's
// index is not above n: the moment does not exist.
double NormParetoTailMoment(double z0, int n);

// E[Z^n] of the standardized distribution with density-continuous tails of
// probabilities pU and pL; NaN when a switched-on tail's index is not
// above n.
double NormParetoMoment(double pU, double pL, int n);

// Mean of the Org variant; NaN when a switched-on tail's index is not above
// 1, where the mean does not exist.
double NormParetoOrgMean(double pU, double alphaU, double pL, double alphaL, double mu, double sigma);

}  // namespace Zq::Math
