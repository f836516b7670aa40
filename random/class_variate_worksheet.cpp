// Random-variate worksheet functions drawn from the generator classes:
// beta, Gumbel, logistic, Poisson, triangular and Weibull.
#include <cstdint>

#include "random/random_beta.h"
#include "random/random_gumbel.h"
#include "random/random_logistic.h"
#include "random/random_poisson.h"
#include "random/random_triangular.h"
#include "random/random_weibull.h"
#include "random/variate_sample.h"

using Zq::Addin::ClassSample;
using Zq::Addin::Result;
using Zq::Math::IsPositive;
using Zq::Addin::SampleEngine;

ZQ_WORKSHEET ZqRandBeta(short size, double alpha, double beta, short algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    const auto engine = SampleEngine(algorithm, size);
    if (!engine || !IsPositive(alpha) || !IsPositive(beta)) return out.Error();
    Zq::Math::RandomBeta generator;
    generator.alpha = alpha;
    generator.beta = beta;
    return ClassSample(out, generator, *engine, seed1, seed2, size);
  });
}

// Alpha is a location, yet it too must exceed 1e-12.
ZQ_WORKSHEET ZqRandGumbel(short size, double alpha, double beta, short algorithm, std::int32_t seed1,
                          std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    const auto engine = SampleEngine(algorithm, size);
    if (!engine || !IsPositive(alpha) || !IsPositive(beta)) return out.Error();
    Zq::Math::RandomGumbel generator;
    generator.alpha = alpha;
    generator.beta = beta;
    return ClassSample(out, generator, *engine, seed1, seed2, size);
  });
}

ZQ_WORKSHEET ZqRandLogistic(short size, double m, double b, short algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    const auto engine = SampleEngine(algorithm, size);
    if (!engine || !IsPositive(b)) return out.Error();
    Zq::Math::RandomLogistic generator;
    generator.m = m;
    generator.b = b;
    return ClassSample(out, generator, *engine, seed1, seed2, size);
  });
}

ZQ_WORKSHEET ZqRandPoisson(short size, double mean, short algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    const auto engine = SampleEngine(algorithm, size);
    if (!engine || !IsPositive(mean)) return out.Error();
    Zq::Math::RandomPoisson generator;
    generator.mean = mean;
    return ClassSample(out, generator, *engine, seed1, seed2, size);
  });
}

ZQ_WORKSHEET ZqRandTriangular(short size, double min, double max, double mode, short algorithm, std::int32_t seed1,
                              std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    const auto engine = SampleEngine(algorithm, size);
    if (!engine || !(mode > min) || !(mode < max)) return out.Error();
    Zq::Math::RandomTriangular generator;
    generator.min = min;
    generator.max = max;
    generator.mode = mode;
    return ClassSample(out, generator, *engine, seed1, seed2, size);
  });
}

ZQ_WORKSHEET ZqRandWeibull(short size, double alpha, double beta, short algorithm, std::int32_t seed1,
                           std::int32_t seed2) {
  return ZQ_FRAME([&](Result& out) {
    const auto engine = SampleEngine(algorithm, size);
    if (!engine || !IsPositive(alpha) || !IsPositive(beta)) return out.Error();
    Zq::Math::RandomWeibull generator;
    generator.alpha = alpha;
    generator.beta = beta;
    return ClassSample(out, generator, *engine, seed1, seed2, size);
  });
}
