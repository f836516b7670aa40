// ZqSobol: Size points of the Sobol sequence after Skip, one row a point,
// one column a coordinate.
#include <vector>

#include "addin/call_frame.h"
#include "random/sobol.h"

ZQ_WORKSHEET ZqSobol(Zq::Addin::WholeNumber size, Zq::Addin::WholeNumber dimensions, std::int32_t skip) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    if (size < 1 || dimensions < 1 || skip < 0 || !Zq::Addin::WithinResultCeiling(size, dimensions)) return out.Error();
    auto sequence = Zq::Math::SobolSequence::Make(static_cast<std::uint32_t>(dimensions), static_cast<std::uint64_t>(skip),
                                                  static_cast<std::uint64_t>(size));
    if (!sequence) return out.Error();
    std::vector<double> point(static_cast<std::size_t>(dimensions));
    return out.Array(size, dimensions, [&](Zq::Addin::ResultRecord* cells) {
      for (long row = 0; row < size; ++row) {
        sequence->Next(point.data());
        for (const double x : point) Zq::Addin::StoreNumber(x, *cells++);
      }
    });
  });
}
