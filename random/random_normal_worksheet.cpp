// ZqRandNorm: a column of normal variates with the chosen method and
// variance-reduction switches.
#include "random/sample_worksheet.h"

ZQ_WORKSHEET ZqRandNorm(Zq::Addin::WholeNumber size, Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2, short useInverse,
                        short useAntithetic, short useResampling) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    const auto options = Zq::Addin::WorksheetNormalOptions(useInverse, useAntithetic, useResampling);
    return Zq::Addin::Sample(out, {size, algorithm, seed1, seed2}, [&](const Zq::Math::RandomUniform& engine) {
      return Zq::Math::RandomNormal::Make(engine, options, size);
    });
  });
}
