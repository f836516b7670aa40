// Excel's floating-point array arguments (type letters K, K% in the Excel 12
// flavour) as read-only views
// over the doubles Excel passed: nothing is copied, written or read past the
// rows x columns values.
#pragma once

#include <cstddef>
#include <cstdint>

#include "addin/flavour.h"
#include "multivariate/matrix.h"

namespace Zq::Addin {

// Row-major view, rowStride = columns; empty when either count is 0.
inline Math::ConstMatrixView MatrixArgument(const ArrayArgument* fp) {
  if (fp == nullptr) return {};
  const std::uint64_t count = static_cast<std::uint64_t>(fp->rows) * fp->columns;
  if (count > static_cast<std::uint64_t>(PTRDIFF_MAX) / sizeof(double)) return {};
  return Math::ConstMatrixView::Attach(FpValues(fp), fp->rows, fp->columns, fp->columns, 1, false);
}

// A one-row or one-column argument as a stride-1 vector; empty otherwise.
inline Math::ConstVectorView VectorArgument(const ArrayArgument* fp) {
  if (fp == nullptr || (fp->rows != 1 && fp->columns != 1)) return {};
  const std::int32_t length = fp->rows == 1 ? fp->columns : fp->rows;
  if (length == 0) return {};
  return Math::ConstVectorView(FpValues(fp), 1, length);
}

}  // namespace Zq::Addin
