// ZqRandNormPareto and ZqRandNormParetoOrg: normal-Pareto samples, each
// value mapped from a standard normal one. No parameters are checked:
// impossible sets give non-finite cells.
#include "distributions/normal_pareto.h"
#include "random/sample_worksheet.h"

namespace {

using FromNormal = double (*)(double, const Zq::Math::NormParetoParams&);

Zq::Addin::ResultPointer NormParetoSample(Zq::Addin::Result& out, const Zq::Addin::SampleCall& call,
                          const Zq::Math::NormParetoParams& params, Zq::Math::NormalOptions options,
                          FromNormal fromNormal) {
  return Zq::Addin::SampleFromNormals(out, call, options, true, [&](double z) { return fromNormal(z, params); });
}

}  // namespace

// The two functions differ only in the map from normal values.
#define ZQ_NORM_PARETO_SAMPLER(Name, Kernel)                                                                       \
  ZQ_WORKSHEET Name(Zq::Addin::WholeNumber size, double pU, double alphaU, double betaU, double pL, double alphaL, double betaL,    \
                    double mu, double sigma, Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2, short invert, \
                    short antithetic, short resampling, short horizontal) {                                        \
    return ZQ_FRAME([&](Zq::Addin::Result& out) {                                                                  \
      return NormParetoSample(out, {size, algorithm, seed1, seed2, horizontal != 0},                               \
                              {pU, alphaU, betaU, pL, alphaL, betaL, mu, sigma},                                   \
                              Zq::Addin::WorksheetNormalOptions(invert, antithetic, resampling), Kernel);          \
    });                                                                                                            \
  }

ZQ_NORM_PARETO_SAMPLER(ZqRandNormPareto, Zq::Math::NormParetoFromNormal)
ZQ_NORM_PARETO_SAMPLER(ZqRandNormParetoOrg, Zq::Math::NormParetoOrgFromNormal)
