// ZqRandLHS: a Latin hypercube sample of Size points in Dimensions columns
// of uniforms, from the chosen engine and seeds.
#include "random/latin_hypercube.h"
#include "random/sample_worksheet.h"

ZQ_WORKSHEET ZqRandLHS(Zq::Addin::WholeNumber size, Zq::Addin::WholeNumber dimensions, Zq::Addin::WholeNumber algorithm,
                       std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    const auto engineAlgorithm = Zq::Addin::WorksheetAlgorithm(algorithm);
    if (!engineAlgorithm || size < 1 || dimensions < 1 || !Zq::Addin::WithinResultCeiling(size, dimensions)) {
      return out.Error();
    }
    Zq::Math::RandomUniform engine(*engineAlgorithm, seed1, seed2);
    return out.Array(size, dimensions, [&](Zq::Addin::ResultRecord* cells) {
      return Zq::Math::LatinHypercube(size, dimensions, engine, [&](std::int32_t row, std::int32_t column, double x) {
        Zq::Addin::StoreNumber(x, cells[static_cast<std::ptrdiff_t>(row) * dimensions + column]);
      });
    });
  });
}
