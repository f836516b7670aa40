// ZqRand: a column of uniform numbers from the chosen engine and seeds.
#include "random/sample_worksheet.h"

ZQ_WORKSHEET ZqRand(Zq::Addin::WholeNumber size, Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    return Zq::Addin::Sample(out, {size, algorithm, seed1, seed2},
                             [](const Zq::Math::RandomUniform&) { return std::optional(Zq::Addin::Uniforms{}); });
  });
}
