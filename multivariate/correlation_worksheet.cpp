// Worksheet functions over a data table (observations in rows, variables in
// columns) and between covariance and (standard deviations, correlation).
#include <cmath>
#include <cstdint>

#include "addin/call_frame.h"
#include "addin/user_break.h"
#include "multivariate/array_argument_worksheet.h"
#include "multivariate/matrix_result_worksheet.h"
#include "multivariate/semidefinite.h"
#include "multivariate/statistics.h"
#include "multivariate/table_moments.h"

namespace {

using Zq::Addin::Result;
using Zq::Math::ConstMatrixView;
using Zq::Math::ConstVectorView;

// Optional mean and standard-deviation rows above the symmetric c x c table
// of the pair statistic (a number or #VALUE! in each cell, mirrored alike).
Zq::Addin::ResultPointer MomentTable(Result& out, const Zq::Addin::ArrayArgument* data, bool withMean, bool withStdev,
                                     Zq::Math::PairStatistic statistic) {
  const ConstMatrixView table = Zq::Addin::MatrixArgument(data);
  const std::int32_t c = table.Columns();
  if (c < 1 || table.Rows() < 2) return out.Error();
  const long rows = c + (withMean ? 1 : 0) + (withStdev ? 1 : 0);
  if (!Zq::Addin::WithinResultCeiling(rows, c) || !Zq::Addin::WithinWorkingMemory(Zq::Math::TableMomentsBytes(c))) {
    return out.Error();
  }
  Zq::Math::StopRequest userBreak = Zq::Addin::BreakOnEsc();
  return out.Array(rows, c, [&](Zq::Addin::ResultRecord* cells) {
    Zq::Math::TableMoments moments;
    if (!Zq::Math::ComputeTableMoments(table, statistic, moments, userBreak)) return false;
    for (std::int32_t i = 0; withMean && i < c; ++i) Zq::Addin::StoreNumber(moments.means[i], *cells++);
    for (std::int32_t i = 0; withStdev && i < c; ++i) Zq::Addin::StoreNumber(moments.stdevs[i], *cells++);
    for (std::int32_t i = 0; i < c; ++i)
      for (std::int32_t j = 0; j < c; ++j) Zq::Addin::StoreNumber(moments.pairs(i, j), *cells++);
    return true;
  });
}

}  // namespace

ZQ_WORKSHEET ZqMultiCorrel(const Zq::Addin::ArrayArgument* data, short calcMean, short calcStdev) {
  return ZQ_FRAME([&](Result& out) {
    return MomentTable(out, data, calcMean != 0, calcStdev != 0, Zq::Math::PairStatistic::Correlation);
  });
}

ZQ_WORKSHEET ZqMultiCovarp(const Zq::Addin::ArrayArgument* data, short calcMean) {
  return ZQ_FRAME([&](Result& out) {
    return MomentTable(out, data, calcMean != 0, false, Zq::Math::PairStatistic::Covariance);
  });
}

ZQ_WORKSHEET ZqCor2Cov(const Zq::Addin::ArrayArgument* stdev, const Zq::Addin::ArrayArgument* correlation) {
  return ZQ_FRAME([&](Result& out) {
    const ConstMatrixView r = Zq::Addin::MatrixArgument(correlation);
    const std::int32_t d = r.Columns();
    const ConstVectorView s = Zq::Addin::VectorArgument(stdev);
    if (d < 1 || r.Rows() != d || s.Length() != d || !Zq::Addin::WithinResultCeiling(d, d)) return out.Error();
    Zq::Math::Matrix v(d, d, Zq::Math::Init::Zero);
    if (v.Empty()) return out.Error();
    for (std::int32_t i = 0; i < d; ++i)
      for (std::int32_t j = 0; j < d; ++j) v(i, j) = (s[i] * r(i, j)) * s[j];
    if (!Zq::Math::AllFinite(v)) return out.Error();
    return Zq::Addin::MatrixArray(out, v);
  });
}

ZQ_WORKSHEET ZqCov2Cor(const Zq::Addin::ArrayArgument* covariance, short calcStdev) {
  return ZQ_FRAME([&](Result& out) {
    const ConstMatrixView v = Zq::Addin::MatrixArgument(covariance);
    const std::int32_t e = v.Columns();
    if (e < 1 || v.Rows() != e || !Zq::Addin::WithinResultCeiling(e + (calcStdev != 0 ? 1LL : 0LL), e)) {
      return out.Error();
    }
    Zq::Math::Vector s(e, Zq::Math::Init::Zero);
    Zq::Math::Matrix k(e, e, Zq::Math::Init::Zero);
    if (s.Length() != e || k.Empty()) return out.Error();
    const ConstVectorView variances = v.Diagonal();
    for (std::int32_t i = 0; i < e; ++i) s[i] = std::sqrt(variances[i]);
    for (std::int32_t i = 0; i < e; ++i)
      for (std::int32_t j = 0; j < e; ++j) k(i, j) = Zq::Math::CorrelationFromCovariance(v(i, j), s[i], s[j]);
    // A matrix that is not positive semi-definite is no covariance matrix.
    Zq::Math::StopRequest userBreak = Zq::Addin::BreakOnEsc();
    if (!Zq::Math::AllFinite(k) || !Zq::Math::AllFinite(s) || !Zq::Math::IsCorrelationSemidefinite(k, userBreak)) {
      return out.Error();
    }
    const ConstVectorView top = s;
    return Zq::Addin::MatrixArray(out, k, calcStdev != 0 ? &top : nullptr);
  });
}
