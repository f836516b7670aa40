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
    // Numbers are taken from the engine a run at a time: one call per number
    // would keep the engine's position in memory from number to number.
    double run[256];
    int next = 0, end = 0;
    long left = size;
    return out.Column(size, [&] {
      if (next == end) {
        end = left < 256 ? static_cast<int>(left) : 256;
        uniform.NextUniforms(run, end);
        left -= end;
        next = 0;
      }
      return run[next++];
    });
  });
}
