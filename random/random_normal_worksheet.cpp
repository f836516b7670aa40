// ZqRandNorm: a column of normal variates with the chosen method and
// variance-reduction switches.
#include <cstdint>

#include "addin/call_frame.h"
#include "random/random_normal.h"
#include "random/worksheet_algorithm.h"

ZQ_WORKSHEET ZqRandNorm(short size, short algorithm, std::int32_t seed1, std::int32_t seed2, short useInverse,
                        short useAntithetic, short useResampling) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    using namespace Zq::Math;
    const auto engine = Zq::Addin::WorksheetAlgorithm(algorithm);
    if (!engine || size <= 0) return out.Error();
    RandomNormal normal;
    if (!normal.InitNormal(seed1, seed2, *engine, useInverse != 0 ? NormalMethod::Inversion : NormalMethod::BoxMuller,
                           useAntithetic != 0 ? Switch::Enabled : Switch::Disabled,
                           useResampling != 0 ? Switch::Enabled : Switch::Disabled, size, 0.0, 1.0)) {
      return out.Error();
    }
    return out.ColumnOfRuns(size, [&](double* run, int n) { normal.NextNormals(run, n); });
  });
}
