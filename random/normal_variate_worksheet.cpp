// Random-variate worksheet functions built on standard normal variates
// (log-normal, Johnson SU) and on uniform ones (truncated normal).
#include <cmath>

#include "distributions/parameter_checks.h"
#include "distributions/truncated_normal_quantile.h"
#include "random/sample_worksheet.h"

using Zq::Addin::Result;
using Zq::Addin::SampleFromNormals;
using Zq::Math::IsPositive;

ZQ_WORKSHEET ZqRandLogNorm(Zq::Addin::WholeNumber size, double m, double s, Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    return SampleFromNormals(out, {size, algorithm, seed1, seed2}, {.inversion = true}, IsPositive(s), [&](double z) {
      const double y = m + s * z;
      return y > Zq::Math::kFloatExpLimit ? Zq::Math::kNaN : std::exp(y);
    });
  });
}

ZQ_WORKSHEET ZqRandJohnsonSU(Zq::Addin::WholeNumber size, double gamma, double delta, double lambda, double xi, Zq::Addin::WholeNumber algorithm,
                             std::int32_t seed1, std::int32_t seed2, short invert, short antithetic,
                             short resampling) {
  return ZQ_FRAME([&](Result& out) {
    return SampleFromNormals(out, {size, algorithm, seed1, seed2},
                             Zq::Addin::WorksheetNormalOptions(invert, antithetic, resampling),
                             IsPositive(delta) && IsPositive(lambda),
                             [&](double z) { return xi + lambda * std::sinh((z - gamma) / delta); });
  });
}

ZQ_WORKSHEET ZqRandTruncNorm(Zq::Addin::WholeNumber size, double min, double max, double mu, double sigma, Zq::Addin::WholeNumber algorithm,
                             std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    return Zq::Addin::Sample(out, {size, algorithm, seed1, seed2}, [&](const Zq::Math::RandomUniform&) {
      const bool valid = IsPositive(sigma) && max > min;
      return Zq::Addin::MapValues(valid ? std::optional(Zq::Addin::Uniforms{}) : std::nullopt,
                                  Zq::Math::TruncNormQuantiles(min, max, mu, sigma));
    });
  });
}
