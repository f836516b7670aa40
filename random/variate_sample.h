// The shape shared by the random-variate worksheet functions: Algorithm is
// checked first, then Size, then the function's own parameters; a fresh
// generator seeded from the call's arguments fills a column of Size cells.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

#include "addin/call_frame.h"
#include "distributions/parameter_checks.h"
#include "distributions/pinned_constants.h"
#include "random/random_normal.h"
#include "random/worksheet_algorithm.h"

namespace Zq::Addin {

// The engine for a call, or nothing when Algorithm or Size is invalid.
inline std::optional<Math::RandomAlgorithm> SampleEngine(short algorithm, short size) {
  const auto engine = WorksheetAlgorithm(algorithm);
  if (!engine || size <= 0) return std::nullopt;
  return engine;
}

// A generator class's sample: a failed draw (Math::kFloatMax), like a
// non-finite one, becomes #VALUE! in its cell.
template <class Generator>
LPXLOPER ClassSample(Result& out, Generator& generator, Math::RandomAlgorithm engine, std::int32_t seed1,
                     std::int32_t seed2, short size) {
  generator.SetSeed(engine, seed1, seed2);
  return out.Column(size, [&] {
    const double v = generator.NextVariate();
    return v == Math::kFloatMax ? std::numeric_limits<double>::quiet_NaN() : v;
  });
}

// The worksheet's three normal switches, as RandomNormal takes them.
struct NormalOptions {
  bool invert;
  bool antithetic;
  bool resampling;
};

// A standard normal generator for a sample of `size` values; nothing when
// resampling finds no spread.
inline std::optional<Math::RandomNormal> StandardNormals(Math::RandomAlgorithm engine, std::int32_t seed1,
                                                         std::int32_t seed2, short size, NormalOptions options) {
  Math::RandomNormal normal;
  if (!normal.InitNormal(seed1, seed2, engine,
                         options.invert ? Math::NormalMethod::Inversion : Math::NormalMethod::BoxMuller,
                         options.antithetic ? Math::Switch::Enabled : Math::Switch::Disabled,
                         options.resampling ? Math::Switch::Enabled : Math::Switch::Disabled, size, 0, 1)) {
    return std::nullopt;
  }
  return normal;
}

}  // namespace Zq::Addin
