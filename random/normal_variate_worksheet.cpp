// Random-variate worksheet functions built on standard normal variates
// (log-normal, Johnson SU, the two normal-Pareto variants) and on uniform
// ones (truncated normal).
#include <cmath>
#include <cstdint>
#include <limits>

#include "distributions/normal_pareto.h"
#include "distributions/truncated_normal_quantile.h"
#include "random/variate_sample.h"

namespace {

using Zq::Addin::NormalOptions;
using Zq::Addin::Result;
using Zq::Math::IsPositive;
using Zq::Addin::SampleEngine;
using Zq::Addin::StandardNormals;

// Above this exponent the log-normal value is taken as out of range.
constexpr double kLogNormalExponentLimit = 88.7;

// Size values transform(z) of standard normal z, as a column or a row.
template <class Transform>
LPXLOPER NormalSample(Result& out, Zq::Math::RandomAlgorithm engine, std::int32_t seed1, std::int32_t seed2,
                      short size, NormalOptions options, Transform&& transform, bool asRow = false) {
  auto normal = StandardNormals(engine, seed1, seed2, size, options);
  if (!normal) return out.Error();
  return out.Values(size, [&] { return transform(normal->NextNormal()); }, asRow);
}

// The normal-Pareto generators check no parameters: impossible sets give
// non-finite cells.
template <class FromNormal>
LPXLOPER NormParetoSample(Result& out, short size, const Zq::Math::NormParetoParams& params, short algorithm,
                          std::int32_t seed1, std::int32_t seed2, NormalOptions options, bool horizontal,
                          FromNormal fromNormal) {
  const auto engine = SampleEngine(algorithm, size);
  if (!engine) return out.Error();
  return NormalSample(
      out, *engine, seed1, seed2, size, options, [&](double z) { return fromNormal(z, params); }, horizontal);
}

}  // namespace

ZQ_WORKSHEET ZqRandLogNorm(short size, double m, double s, short algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    const auto engine = SampleEngine(algorithm, size);
    if (!engine || !IsPositive(s)) return out.Error();
    return NormalSample(out, *engine, seed1, seed2, size, NormalOptions{true, false, false}, [&](double z) {
      const double y = m + s * z;
      return y > kLogNormalExponentLimit ? std::numeric_limits<double>::quiet_NaN() : std::exp(y);
    });
  });
}

ZQ_WORKSHEET ZqRandJohnsonSU(short size, double gamma, double delta, double lambda, double xi, short algorithm,
                             std::int32_t seed1, std::int32_t seed2, short invert, short antithetic,
                             short resampling) {
  return ZQ_FRAME([&](Result& out) {
    const auto engine = SampleEngine(algorithm, size);
    if (!engine || !IsPositive(delta) || !IsPositive(lambda)) return out.Error();
    const NormalOptions options{invert != 0, antithetic != 0, resampling != 0};
    return NormalSample(out, *engine, seed1, seed2, size, options,
                        [&](double z) { return xi + lambda * std::sinh((z - gamma) / delta); });
  });
}

ZQ_WORKSHEET ZqRandNormPareto(short size, double pU, double alphaU, double betaU, double pL, double alphaL,
                              double betaL, double mu, double sigma, short algorithm, std::int32_t seed1,
                              std::int32_t seed2, short invert, short antithetic, short resampling,
                              short horizontal) {
  return ZQ_FRAME([&](Result& out) {
    return NormParetoSample(out, size, {pU, alphaU, betaU, pL, alphaL, betaL, mu, sigma}, algorithm, seed1, seed2,
                            {invert != 0, antithetic != 0, resampling != 0}, horizontal != 0,
                            Zq::Math::NormParetoFromNormal);
  });
}

ZQ_WORKSHEET ZqRandNormParetoOrg(short size, double pU, double alphaU, double betaU, double pL, double alphaL,
                                 double betaL, double mu, double sigma, short algorithm, std::int32_t seed1,
                                 std::int32_t seed2, short invert, short antithetic, short resampling,
                                 short horizontal) {
  return ZQ_FRAME([&](Result& out) {
    return NormParetoSample(out, size, {pU, alphaU, betaU, pL, alphaL, betaL, mu, sigma}, algorithm, seed1, seed2,
                            {invert != 0, antithetic != 0, resampling != 0}, horizontal != 0,
                            Zq::Math::NormParetoOrgFromNormal);
  });
}

ZQ_WORKSHEET ZqRandTruncNorm(short size, double min, double max, double mu, double sigma, short algorithm,
                             std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    const auto engine = SampleEngine(algorithm, size);
    if (!engine || !IsPositive(sigma) || !(max > min)) return out.Error();
    Zq::Math::RandomUniform uniform;
    uniform.SetSeed(*engine, seed1, seed2);
    const Zq::Math::TruncNormQuantiles quantile(min, max, mu, sigma);
    return out.Column(size, [&] { return quantile(uniform.NextUniform()); });
  });
}
