// The matrix product and the column scaling of a decomposition.
#include <cmath>

#include "multivariate/linear_algebra.h"

namespace Zq::Math {

bool MatrixProduct(ConstMatrixView a, ConstMatrixView b, Matrix& r, StopRequest& stop) {
  const std::int32_t rows = a.Rows();
  const std::int32_t inner = a.Columns();
  const std::int32_t columns = b.Columns();
  if (!r.AssignShape(rows, columns, 0.0)) return false;
  const std::uint64_t rowWork = static_cast<std::uint64_t>(inner) * static_cast<std::uint64_t>(columns) * 2 + 1;
  if (a.PackedRowMajor() && b.PackedRowMajor() && r.PackedRowMajor()) {
    const double* left = a.Data();
    const double* right = b.Data();
    double* out = r.Data();
    for (std::int32_t i = 0; i < rows; ++i) {
      double* outRow = out + static_cast<std::ptrdiff_t>(i) * columns;
      for (std::int32_t j = 0; j < inner; ++j) {
        const double factor = left[static_cast<std::ptrdiff_t>(i) * inner + j];
        const double* rightRow = right + static_cast<std::ptrdiff_t>(j) * columns;
        for (std::int32_t c = 0; c < columns; ++c) outRow[c] += factor * rightRow[c];
      }
      if (stop.Poll(rowWork)) return false;
    }
    return true;
  }
  std::int32_t i = 0;
  for (auto row = r.RowsBegin(); row != r.RowsEnd(); ++row, ++i) {
    const VectorView outRow = *row;
    for (std::int32_t j = 0; j < inner; ++j) {
      const double factor = a(i, j);
      const ConstVectorView rightRow = b.Row(j);
      auto from = rightRow.First();
      for (auto to = outRow.First(); to != outRow.Last(); ++to, ++from) *to += factor * *from;
    }
    if (stop.Poll(rowWork)) return false;
  }
  return true;
}

void RootScaledColumns(const MatrixView& l, ConstMatrixView v, VectorView w) {
  for (auto weight = w.First(); weight != w.Last(); ++weight) {
    if (*weight > 0.0) *weight = std::sqrt(*weight);
  }
  const std::int32_t columns = v.Columns();
  if (l.PackedRowMajor() && v.PackedRowMajor() && w.Packed()) {
    const double* from = v.Data();
    double* to = l.Data();
    for (std::int32_t i = 0; i < v.Rows(); ++i) {
      for (std::int32_t j = 0; j < columns; ++j) *to++ = *from++ * w.begin[j];
    }
    return;
  }
  std::int32_t i = 0;
  for (auto row = l.RowsBegin(); row != l.RowsEnd(); ++row, ++i) {
    const VectorView out = *row;
    for (std::int32_t j = 0; j < columns; ++j) out[j] = v(i, j) * w[j];
  }
}

}  // namespace Zq::Math
