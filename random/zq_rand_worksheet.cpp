// ZqRand: a column of uniform numbers from the chosen engine and seeds.
#include "addin/call_frame.h"
#include "random/random_uniform.h"
#include "random/worksheet_algorithm.h"

ZQ_WORKSHEET ZqRand(short size, short algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    const auto engine = Zq::Addin::WorksheetAlgorithm(algorithm);
    if (!engine || size <= 0) return out.Error();
    Zq::Math::RandomUniform uniform;
    uniform.SetSeed(*engine, seed1, seed2);
    return out.ColumnOfRuns(size, [&](double* run, int n) { uniform.NextUniforms(run, n); });
  });
}
