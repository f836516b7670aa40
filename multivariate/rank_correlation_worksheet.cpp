// Rank correlation on the worksheet: ZqRankCorrel reorders the columns of a
// sample towards a target rank correlation (Iman and Conover); ZqSpearman
// and ZqKendall measure the rank correlation of a table's columns.
#include <cstdint>

#include "addin/call_frame.h"
#include "addin/user_break.h"
#include "multivariate/array_argument_worksheet.h"
#include "multivariate/iman_conover.h"
#include "multivariate/matrix_result_worksheet.h"
#include "multivariate/rank_statistics.h"
#include "random/sample_worksheet.h"

ZQ_WORKSHEET ZqRankCorrel(const Zq::Addin::ArrayArgument* samples, const Zq::Addin::ArrayArgument* correlation,
                          Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) {
    const Zq::Math::ConstMatrixView table = Zq::Addin::MatrixArgument(samples);
    const Zq::Math::ConstMatrixView target = Zq::Addin::MatrixArgument(correlation);
    const auto engineAlgorithm = Zq::Addin::WorksheetAlgorithm(algorithm);
    const std::uint64_t n = static_cast<std::uint64_t>(table.Rows());
    const std::uint64_t d = static_cast<std::uint64_t>(table.Columns());
    // Scores and the result (n x d each), three columns of work, and four
    // d x d matrices.
    const std::uint64_t workingBytes = 16 * n * d + 20 * n + 32 * d * d;
    if (!engineAlgorithm || n < 2 || d < 1 || target.Rows() != table.Columns() ||
        !Zq::Addin::WithinResultCeiling(table.Rows(), table.Columns()) || !Zq::Addin::WithinWorkingMemory(workingBytes)) {
      return out.Error();
    }
    Zq::Math::Matrix result(table.Rows(), table.Columns(), Zq::Math::Init::Uninitialised);
    Zq::Math::RandomUniform engine(*engineAlgorithm, seed1, seed2);
    Zq::Math::StopRequest userBreak = Zq::Addin::BreakOnEsc();
    if (result.Empty() || !Zq::Math::ImanConover(table, target, engine, result, userBreak)) return out.Error();
    return Zq::Addin::MatrixArray(out, result);
  });
}

namespace {

// The d x d matrix kernel(table) of a finite n x d table, n >= 2: a
// constant column's cells are #VALUE!.
template <class Kernel>
Zq::Addin::ResultPointer RankMatrix(Zq::Addin::Result& out, const Zq::Addin::ArrayArgument* data, Kernel&& kernel) {
  const Zq::Math::ConstMatrixView table = Zq::Addin::MatrixArgument(data);
  const std::int32_t d = table.Columns();
  // The ranks of every column beside the result.
  const std::uint64_t workingBytes = 24 * static_cast<std::uint64_t>(table.Rows()) * d + 8ull * d * d;
  if (table.Rows() < 2 || d < 1 || !Zq::Addin::WithinResultCeiling(d, d) || !Zq::Addin::WithinWorkingMemory(workingBytes) ||
      !Zq::Math::AllFinite(table)) {
    return out.Error();
  }
  Zq::Math::Matrix result(d, d, Zq::Math::Init::Uninitialised);
  Zq::Math::StopRequest userBreak = Zq::Addin::BreakOnEsc();
  if (result.Empty() || !kernel(table, result, userBreak)) return out.Error();
  return Zq::Addin::MatrixArray(out, result);
}

}  // namespace

ZQ_WORKSHEET ZqSpearman(const Zq::Addin::ArrayArgument* data) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) { return RankMatrix(out, data, Zq::Math::SpearmanMatrix); });
}

ZQ_WORKSHEET ZqKendall(const Zq::Addin::ArrayArgument* data) {
  return ZQ_FRAME([&](Zq::Addin::Result& out) { return RankMatrix(out, data, Zq::Math::KendallMatrix); });
}
