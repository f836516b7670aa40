// The worksheet Algorithm argument shared by every random function:
// 0 -> RandomAlgorithm::Mt2002, 1 -> RandomAlgorithm::Mt1998, 2 -> RandomAlgorithm::Ran2; anything else is invalid.
#pragma once

#include <optional>

#include "random/random_uniform.h"

namespace Zq::Addin {

inline std::optional<Math::RandomAlgorithm> WorksheetAlgorithm(short code) {
  switch (code) {
    case 0: return Math::RandomAlgorithm::Mt2002;
    case 1: return Math::RandomAlgorithm::Mt1998;
    case 2: return Math::RandomAlgorithm::Ran2;
    default: return std::nullopt;
  }
}

}  // namespace Zq::Addin
