#include "multivariate/matrix.h"

#include <algorithm>

namespace Zq::Math {

Matrix& Matrix::operator=(Matrix&& other) noexcept {
  if (this != &other) {
    Release();
    columnMajor_ = other.columnMajor_;
    SetGeometry(other.Data(), other.Rows(), other.Columns(), other.RowStride(), other.ColStride());
    storageEnd_ = std::exchange(other.storageEnd_, nullptr);
    other.SetGeometry(nullptr, 0, 0, 0, 0);
  }
  return *this;
}

Matrix Matrix::Attach(double* data, std::int32_t rows, std::int32_t columns, std::int32_t rowStride,
                      std::int32_t colStride, bool columnMajor) {
  Matrix view(columnMajor);
  view.SetGeometry(data, rows, columns, rowStride, colStride);
  return view;
}

void Matrix::Release() {
  if (storageEnd_ != nullptr) delete[] Data();
  storageEnd_ = nullptr;
  SetGeometry(nullptr, 0, 0, 0, 0);
}

void Fill(const MatrixView& matrix, double value) {
  if (matrix.PackedRowMajor() || matrix.PackedColumnMajor()) {
    std::fill(matrix.Data(), matrix.Data() + static_cast<std::ptrdiff_t>(matrix.Rows()) * matrix.Columns(), value);
    return;
  }
  for (auto row = matrix.RowsBegin(); row != matrix.RowsEnd(); ++row) FillView(*row, value);
}

bool Matrix::AssignShape(std::int32_t rows, std::int32_t columns, std::optional<double> fill) {
  const bool empty = rows <= 0 || columns <= 0;
  if ((empty && Empty()) || (rows == Rows() && columns == Columns())) {
    if (fill) Math::Fill(*this, *fill);
    return rows >= 0 && columns >= 0;
  }
  return Resize(rows, columns, fill);
}

bool Matrix::Resize(std::int32_t rows, std::int32_t columns, std::optional<double> fill) {
  Release();
  if (rows < 0 || columns < 0) return false;
  if (rows == 0 || columns == 0) return true;
  const std::int64_t count = static_cast<std::int64_t>(rows) * columns;
  if (!AllocatableCount<double>(count)) return false;
  double* data = new (std::nothrow) double[static_cast<std::size_t>(count)];
  if (data == nullptr) return false;
  storageEnd_ = data + count;
  if (columnMajor_) {
    SetGeometry(data, rows, columns, 1, rows);
  } else {
    SetGeometry(data, rows, columns, columns, 1);
  }
  if (fill) std::fill(data, storageEnd_, *fill);
  return true;
}

void CopyInto(ConstMatrixView source, const MatrixView& destination) {
  if ((source.PackedRowMajor() && destination.PackedRowMajor()) ||
      (source.PackedColumnMajor() && destination.PackedColumnMajor())) {
    std::copy(source.Data(), source.Data() + static_cast<std::ptrdiff_t>(source.Rows()) * source.Columns(),
              destination.Data());
    return;
  }
  std::int32_t i = 0;
  for (auto row = destination.RowsBegin(); row != destination.RowsEnd(); ++row, ++i) CopyInto(source.Row(i), *row);
}

bool AssignFrom(Matrix& destination, ConstMatrixView source) {
  if (destination.Rows() != source.Rows() || destination.Columns() != source.Columns()) {
    if (!destination.Resize(source.Rows(), source.Columns())) return false;
  }
  CopyInto(source, destination);
  return true;
}

bool AllFinite(ConstMatrixView matrix) {
  for (auto row = matrix.RowsBegin(); row != matrix.RowsEnd(); ++row) {
    if (!AllFinite(*row)) return false;
  }
  return true;
}

void CopyInto(ConstVectorView source, VectorView destination) {
  if (source.Packed() && destination.Packed()) {
    std::copy(source.begin, source.end, destination.begin);
    return;
  }
  auto to = destination.First();
  for (auto from = source.First(); from != source.Last(); ++from, ++to) *to = *from;
}

bool AssignFrom(Vector& destination, ConstVectorView source) {
  if (destination.Length() != source.Length() && !destination.AssignSize(source.Length())) return false;
  CopyInto(source, destination);
  return true;
}

void FillView(VectorView view, double value) {
  for (auto it = view.First(); it != view.Last(); ++it) *it = value;
}

bool AllFinite(ConstVectorView view) {
  for (auto it = view.First(); it != view.Last(); ++it) {
    if (!std::isfinite(*it)) return false;
  }
  return true;
}

}  // namespace Zq::Math
