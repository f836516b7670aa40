// Random-variate worksheet functions drawn one value at a time: beta,
// Gumbel, logistic, Poisson, triangular and Weibull.
#include "distributions/parameter_checks.h"
#include "random/random_beta.h"
#include "random/random_gumbel.h"
#include "random/random_logistic.h"
#include "random/random_poisson.h"
#include "random/random_triangular.h"
#include "random/random_weibull.h"
#include "random/sample_worksheet.h"

using Zq::Addin::Result;
using Zq::Addin::SampleOneByOne;
using Zq::Math::IsPositive;

ZQ_WORKSHEET ZqRandBeta(Zq::Addin::WholeNumber size, double alpha, double beta, Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    return SampleOneByOne(out, {size, algorithm, seed1, seed2}, IsPositive(alpha) && IsPositive(beta),
                          [&] { return Zq::Math::RandomBeta::Make(alpha, beta); });
  });
}

// Alpha is a location, yet it too must exceed 1e-12.
ZQ_WORKSHEET ZqRandGumbel(Zq::Addin::WholeNumber size, double alpha, double beta, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
                          std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    return SampleOneByOne(out, {size, algorithm, seed1, seed2}, IsPositive(alpha) && IsPositive(beta),
                          [&] { return Zq::Math::RandomGumbel::Make(alpha, beta); });
  });
}

ZQ_WORKSHEET ZqRandLogistic(Zq::Addin::WholeNumber size, double m, double b, Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    return SampleOneByOne(out, {size, algorithm, seed1, seed2}, IsPositive(b),
                          [&] { return Zq::Math::RandomLogistic::Make(m, b); });
  });
}

ZQ_WORKSHEET ZqRandPoisson(Zq::Addin::WholeNumber size, double mean, Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    return SampleOneByOne(out, {size, algorithm, seed1, seed2}, IsPositive(mean),
                          [&] { return Zq::Math::RandomPoisson::Make(mean); });
  });
}

ZQ_WORKSHEET ZqRandTriangular(Zq::Addin::WholeNumber size, double min, double max, double mode, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
                              std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    return SampleOneByOne(out, {size, algorithm, seed1, seed2}, mode > min && mode < max,
                          [&] { return Zq::Math::RandomTriangular::Make(min, max, mode); });
  });
}

// Alpha is the scale and beta the shape.
ZQ_WORKSHEET ZqRandWeibull(Zq::Addin::WholeNumber size, double alpha, double beta, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
                           std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    return SampleOneByOne(out, {size, algorithm, seed1, seed2}, IsPositive(alpha) && IsPositive(beta),
                          [&] { return Zq::Math::RandomWeibull::Make(beta, alpha); });
  });
}
