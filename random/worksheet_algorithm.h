// The worksheet Algorithm argument shared by every random function:
// 0 -> MT2002, 1 -> MT1998, 2 -> RAN2; anything else is invalid.
#pragma once

#include <optional>

#include "random/random_uniform.h"

namespace Zq::Addin {

inline std::optional<Math::RandomAlgorithm> WorksheetAlgorithm(short code) {
  switch (code) {
    case 0: return Math::MT2002;
    case 1: return Math::MT1998;
    case 2: return Math::RAN2;
    default: return std::nullopt;
  }
}

}  // namespace Zq::Addin
