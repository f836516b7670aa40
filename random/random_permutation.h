// Random orderings drawn from a uniform engine: the Fisher-Yates shuffle,
// one uniform per step, from the last position down.
#pragma once

#include <cstdint>
#include <span>
#include <utility>

#include "random/random_uniform.h"

namespace Zq::Math {

// Shuffles items in place: for i = n-1 down to 1, swaps item i with item
// j = floor(u (i + 1)) for the engine's next u, which lies in [0, i] since
// u < 1 (the clamp only guards the arithmetic). n - 1 uniforms in all.
template <class T>
void Shuffle(std::span<T> items, RandomUniform& engine) {
  for (std::size_t i = items.size(); i-- > 1;) {
    const auto j = static_cast<std::size_t>(engine.NextUniform() * static_cast<double>(i + 1));
    std::swap(items[i], items[j < i ? j : i]);
  }
}

}  // namespace Zq::Math
