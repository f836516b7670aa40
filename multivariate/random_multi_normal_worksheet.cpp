// ZqRandMultiNorm: Size correlated normal vectors, one per row.
#include <cstdint>

#include "addin/call_frame.h"
#include "addin/user_break.h"
#include "multivariate/array_argument_worksheet.h"
#include "multivariate/random_multi_normal.h"
#include "random/sample_worksheet.h"

namespace {

// Vectors drawn together: the factor is walked once for all of them.
constexpr std::int32_t kBatch = 8;

// The mean's dimension: its row count, or its column count when it is one
// row. An argument without values has none.
std::int32_t MeanDimension(const Zq::Addin::ArrayArgument* mean) {
  if (mean == nullptr || mean->rows == 0 || mean->columns == 0) return 0;
  return mean->rows == 1 ? mean->columns : mean->rows;
}

}  // namespace

ZQ_WORKSHEET ZqRandMultiNorm(Zq::Addin::WholeNumber size, const Zq::Addin::ArrayArgument* cov, const Zq::Addin::ArrayArgument* mean, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
                             std::int32_t seed2, short useInverse, short useAntithetic, short useResampling) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    namespace M = Zq::Math;
    const std::int32_t d = MeanDimension(mean);
    const auto engine = Zq::Addin::WorksheetAlgorithm(algorithm);
    const M::ConstMatrixView covariance = Zq::Addin::MatrixArgument(cov);
    if (!engine || size <= 0 || d == 0 || covariance.Rows() != d || covariance.Columns() != d) return out.Error();
    // The result, and the sampler's working memory with this call's own
    // copies of the covariance and the mean and its batches of vectors and
    // draws, under the ceiling before any work.
    const M::NormalOptions options = Zq::Addin::WorksheetNormalOptions(useInverse, useAntithetic, useResampling);
    const auto dimension = static_cast<std::uint64_t>(d);
    if (!Zq::Addin::WithinResultCeiling(size, d) ||
        !Zq::Addin::WithinWorkingMemory(M::RandomMultiNormal::WorkingBytes(d, options.resampling) +
                                        (dimension * dimension + (1 + 2 * kBatch) * dimension) * sizeof(double))) {
      return out.Error();
    }
    // The first d doubles of the mean in row order: never more than it holds.
    const M::ConstVectorView meanValues(FpValues(mean), 1, d);
    M::Matrix covarianceCopy(d, d, M::Init::Zero);
    M::Vector meanCopy(d, M::Init::Zero);
    M::Matrix x(kBatch, d, M::Init::Zero);
    M::Matrix z(kBatch, d, M::Init::Zero);
    if (covarianceCopy.Empty() || meanCopy.Length() != d || x.Empty() || z.Empty()) return out.Error();
    M::CopyInto(covariance, covarianceCopy);
    M::CopyInto(meanValues, meanCopy);
    M::StopRequest userBreak = Zq::Addin::BreakOnEsc();
    M::RandomMultiNormal sampler;
    if (!sampler.InitMultiNormal(meanCopy, covarianceCopy, options, size, seed1, seed2, *engine, userBreak)) {
      return out.Error();
    }
    const std::uint64_t rowWork = dimension * dimension * 2;
    return out.Array(size, d, [&](Zq::Addin::ResultRecord* cells) {
      const std::int64_t rows = size;
      for (std::int64_t first = 0; first < rows; first += kBatch) {
        const auto count = static_cast<std::int32_t>(rows - first < kBatch ? rows - first : kBatch);
        sampler.NextVectors(count, x.Data(), z.Data());
        for (std::int32_t b = 0; b < count; ++b) {
          for (std::int32_t i = 0; i < d; ++i) Zq::Addin::StoreNumber(x(b, i), *cells++);
          if (userBreak.Poll(rowWork)) return false;
        }
      }
      return true;
    });
  });
}
