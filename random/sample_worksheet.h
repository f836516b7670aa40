// The frame of the random worksheet functions: Algorithm is checked first,
// then Size, then the function's own parameters; a fresh engine seeded from
// the call's arguments feeds the function's sampler, whose values go
// straight from the sampler's runs into a column (or a row) of Size cells,
// a non-finite value as #VALUE! in its cell. A sampler here is anything
// with Generate(engine, count, sink) calling sink(x) for each of `count`
// values in turn.
#pragma once

#include <cstdint>
#include <optional>
#include <type_traits>
#include <utility>

#include "addin/call_frame.h"
#include "distributions/pinned_constants.h"
#include "numerics/special_values.h"
#include "random/random_normal.h"
#include "random/random_uniform.h"

namespace Zq::Addin {

// The worksheet Algorithm argument: 0 -> RandomAlgorithm::Mt2002,
// 1 -> RandomAlgorithm::Mt1998, 2 -> RandomAlgorithm::Ran2; anything else
// is invalid.
inline std::optional<Math::RandomAlgorithm> WorksheetAlgorithm(WholeNumber code) {
  switch (code) {
    case 0: return Math::RandomAlgorithm::Mt2002;
    case 1: return Math::RandomAlgorithm::Mt1998;
    case 2: return Math::RandomAlgorithm::Ran2;
    default: return std::nullopt;
  }
}

// The arguments every random function takes besides its parameters.
struct SampleCall {
  WholeNumber size;
  WholeNumber algorithm;
  std::int32_t seed1;
  std::int32_t seed2;
  bool asRow = false;
};

// A random function's call. setUp(engine) checks the function's parameters
// and answers its sampler, or nothing for #VALUE!; it sees the seeded engine
// unchanging (resampling pre-draws from a copy).
template <class SetUp>
ResultPointer Sample(Result& out, const SampleCall& call, SetUp&& setUp) {
  const auto algorithm = WorksheetAlgorithm(call.algorithm);
  const long rows = call.asRow ? 1 : call.size;
  const long columns = call.asRow ? call.size : 1;
  // A Size past the grid or the ceiling is refused before the sampler is
  // set up: resampling draws all Size values ahead.
  if (!algorithm || call.size <= 0 || !WithinResultCeiling(rows, columns)) return out.Error();
  Math::RandomUniform engine(*algorithm, call.seed1, call.seed2);
  auto sampler = std::forward<SetUp>(setUp)(std::as_const(engine));
  if (!sampler) return out.Error();
  const long size = call.size;
  return out.Array(rows, columns, [&](ResultRecord* cells) {
    sampler->Generate(engine, size, [&cells](double x) { StoreNumber(x, *cells++); });
  });
}

// The engine's own numbers.
struct Uniforms {
  template <class Sink>
  void Generate(Math::RandomUniform& engine, long count, Sink&& sink) {
    engine.Generate(count, std::forward<Sink>(sink));
  }
};

// transform(x) for each value x of the inner sampler.
template <class Inner, class Transform>
struct Transformed {
  Inner inner;
  Transform transform;

  template <class Sink>
  void Generate(Math::RandomUniform& engine, long count, Sink&& sink) {
    inner.Generate(engine, count, [&](double x) { sink(transform(x)); });
  }
};

template <class Inner, class Transform>
std::optional<Transformed<Inner, Transform>> MapValues(std::optional<Inner> inner, Transform transform) {
  if (!inner) return std::nullopt;
  return Transformed<Inner, Transform>{std::move(*inner), std::move(transform)};
}

// A sampler of one value per Next(engine) call. Its failed draw,
// Math::kFloatMax, is #VALUE! in its cell like a non-finite value.
template <class Sampler>
struct OneByOne {
  Sampler sampler;

  template <class Sink>
  void Generate(Math::RandomUniform& engine, long count, Sink&& sink) {
    for (long k = 0; k < count; ++k) {
      const double x = sampler.Next(engine);
      sink(x == Math::kFloatMax ? Math::kNaN : x);
    }
  }
};

// The call of a one-value-at-a-time sampler: #VALUE! unless `valid` (the
// worksheet's checks of the parameters) and make() gives a sampler.
template <class Make>
ResultPointer SampleOneByOne(Result& out, const SampleCall& call, bool valid, Make&& make) {
  using Sampler = typename std::invoke_result_t<Make>::value_type;
  return Sample(out, call, [&](const Math::RandomUniform&) -> std::optional<OneByOne<Sampler>> {
    if (!valid) return std::nullopt;
    auto sampler = make();
    if (!sampler) return std::nullopt;
    return OneByOne<Sampler>{std::move(*sampler)};
  });
}

// The call of transform(z) for standard normal z drawn with `options`:
// #VALUE! unless `valid`, or when resampling finds no spread.
template <class Transform>
ResultPointer SampleFromNormals(Result& out, const SampleCall& call, Math::NormalOptions options, bool valid,
                           Transform&& transform) {
  return Sample(out, call, [&](const Math::RandomUniform& engine) {
    return MapValues(valid ? Math::RandomNormal::Make(engine, options, call.size) : std::nullopt, transform);
  });
}

// The worksheet's three normal switches.
inline Math::NormalOptions WorksheetNormalOptions(short invert, short antithetic, short resampling) {
  return {invert != 0, antithetic != 0, resampling != 0};
}

}  // namespace Zq::Addin
