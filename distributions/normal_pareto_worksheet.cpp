// Worksheet functions of the normal-Pareto family (exported by name, not
// registered). Each first checks that both tail probabilities lie in
// [0, 1); the Inv functions check their probability before that.
#include <cmath>

#include "addin/call_frame.h"
#include "distributions/normal.h"
#include "distributions/normal_pareto.h"

namespace {

using Zq::Addin::Result;
using Zq::Math::NormParetoMoment;
using Zq::Math::NormParetoParams;

bool ValidTailProbability(double p) { return p >= 0 && p < 1; }

bool ValidTails(double pU, double pL) { return ValidTailProbability(pU) && ValidTailProbability(pL); }

// The eight parameters, checked; #VALUE! when a tail probability is out of
// range, else `value` of them.
template <class Value>
Zq::Addin::ResultPointer WithParams(Result& out, const NormParetoParams& params, Value&& value) {
  if (!ValidTails(params.pU, params.pL)) return out.Error();
  return out.Number(value(params));
}

// A quantile: the family's map applied to the normal quantile of p.
template <class FromNormal>
Zq::Addin::ResultPointer Quantile(Result& out, double p, const NormParetoParams& params, FromNormal fromNormal) {
  if (!(p > 0 && p < 1)) return out.Error();
  return WithParams(out, params, [&](const NormParetoParams& checked) {
    return fromNormal(Zq::Math::NormCdfInv(p), checked);
  });
}

// The first four raw moments of the standardized distribution.
struct RawMoments {
  double m1, m2, m3, m4;
  double Variance() const { return m2 - m1 * m1; }
};

RawMoments MomentsOf(double pU, double pL, int highest) {
  RawMoments m{};
  double* slots[] = {&m.m1, &m.m2, &m.m3, &m.m4};
  for (int n = 1; n <= highest; ++n) *slots[n - 1] = NormParetoMoment(pU, pL, n);
  return m;
}

template <class Value>
Zq::Addin::ResultPointer FromMoments(Result& out, double pU, double pL, int highest, Value&& value) {
  if (!ValidTails(pU, pL)) return out.Error();
  return out.Number(value(MomentsOf(pU, pL, highest)));
}

}  // namespace

#define ZQ_NORM_PARETO_ARGS double pU, double alphaU, double betaU, double pL, double alphaL, double betaL, double mu, double sigma
#define ZQ_NORM_PARETO_PARAMS NormParetoParams{pU, alphaU, betaU, pL, alphaL, betaL, mu, sigma}

// Functions of a point x (or a normal value z) and the eight parameters.
#define ZQ_NORM_PARETO_POINT_FUNCTION(Name, Kernel)                                                      \
  ZQ_WORKSHEET Name(double x, ZQ_NORM_PARETO_ARGS) {                                                     \
    return ZQ_FRAME([&](Result& out) {                                                                   \
      return WithParams(out, ZQ_NORM_PARETO_PARAMS, [&](const NormParetoParams& p) { return Kernel(x, p); }); \
    });                                                                                                  \
  }

ZQ_NORM_PARETO_POINT_FUNCTION(ZqNormParetoDist, Zq::Math::NormParetoCdf)
ZQ_NORM_PARETO_POINT_FUNCTION(ZqNormParetoDistDash, Zq::Math::NormParetoPdf)
ZQ_NORM_PARETO_POINT_FUNCTION(ZqNormPareto, Zq::Math::NormParetoFromNormal)
ZQ_NORM_PARETO_POINT_FUNCTION(ZqNormParetoOrgDist, Zq::Math::NormParetoOrgCdf)
ZQ_NORM_PARETO_POINT_FUNCTION(ZqNormParetoOrgDistDash, Zq::Math::NormParetoOrgPdf)
ZQ_NORM_PARETO_POINT_FUNCTION(ZqNormParetoOrg, Zq::Math::NormParetoOrgFromNormal)

ZQ_WORKSHEET ZqNormParetoInv(double p, ZQ_NORM_PARETO_ARGS) {
  return ZQ_FRAME([&](Result& out) { return Quantile(out, p, ZQ_NORM_PARETO_PARAMS, Zq::Math::NormParetoFromNormal); });
}

ZQ_WORKSHEET ZqNormParetoOrgInv(double p, ZQ_NORM_PARETO_ARGS) {
  return ZQ_FRAME([&](Result& out) { return Quantile(out, p, ZQ_NORM_PARETO_PARAMS, Zq::Math::NormParetoOrgFromNormal); });
}

ZQ_WORKSHEET ZqNormParetoMean(double pU, double pL, double mu, double sigma) {
  return ZQ_FRAME([&](Result& out) {
    return FromMoments(out, pU, pL, 1, [&](const RawMoments& m) { return mu + sigma * m.m1; });
  });
}

ZQ_WORKSHEET ZqNormParetoStdev(double pU, double pL, double sigma) {
  return ZQ_FRAME([&](Result& out) {
    return FromMoments(out, pU, pL, 2, [&](const RawMoments& m) { return sigma * std::sqrt(m.Variance()); });
  });
}

ZQ_WORKSHEET ZqNormParetoSkew(double pU, double pL) {
  return ZQ_FRAME([&](Result& out) {
    return FromMoments(out, pU, pL, 3, [](const RawMoments& m) {
      const double central3 = m.m3 - 3 * m.m1 * m.m2 + 2 * m.m1 * m.m1 * m.m1;
      return central3 / std::pow(m.Variance(), 1.5);
    });
  });
}

// Plain kurtosis: a normal body without tails gives 3.
ZQ_WORKSHEET ZqNormParetoKurt(double pU, double pL) {
  return ZQ_FRAME([&](Result& out) {
    return FromMoments(out, pU, pL, 4, [](const RawMoments& m) {
      const double m1Squared = m.m1 * m.m1;
      const double central4 = m.m4 - 4 * m.m1 * m.m3 + 6 * m1Squared * m.m2 - 3 * m1Squared * m1Squared;
      const double variance = m.Variance();
      return central4 / (variance * variance);
    });
  });
}

ZQ_WORKSHEET ZqNormParetoOrgMean(double pU, double alphaU, double pL, double alphaL, double mu, double sigma) {
  return ZQ_FRAME([&](Result& out) {
    if (!ValidTails(pU, pL)) return out.Error();
    return out.Number(Zq::Math::NormParetoOrgMean(pU, alphaU, pL, alphaL, mu, sigma));
  });
}
