// Dense strided containers of the multivariate code and the Newton solver.
// Every matrix is a data pointer plus a row stride and a column stride (in
// elements), so one type serves as an owned matrix, as a view over storage
// that belongs to someone else (Excel's array arguments, without a copy) and,
// through its line iterators, as a sequence of row or column vectors.
// Allocation never throws: operations that allocate answer false instead.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <type_traits>
#include <utility>

namespace Zq::Math {

// Largest element count any container allocates: counts are 32-bit signed.
constexpr std::int64_t kMaxElements = INT32_MAX;

// True when count elements of type T fit the count type and size_t.
template <class T>
constexpr bool AllocatableCount(std::int64_t count) {
  return count >= 0 && count <= kMaxElements &&
         static_cast<std::uint64_t>(count) <= static_cast<std::uint64_t>(static_cast<std::size_t>(-1) / sizeof(T));
}

// A non-owning strided range: begin, its stride, one stride past the last
// element, and that stride again (a pair of strided iterators).
template <class T>
struct BasicVectorView {
  T* begin = nullptr;
  std::int32_t stride = 1;
  T* end = nullptr;
  std::int32_t endStride = 1;

  struct Iterator {
    T* at;
    std::int32_t stride;
    T& operator*() const { return *at; }
    Iterator& operator++() {
      at += stride;
      return *this;
    }
    bool operator==(const Iterator& other) const { return at == other.at; }
  };

  BasicVectorView() = default;
  BasicVectorView(T* first, std::int32_t step, std::int32_t length)
      : begin(first), stride(step), end(first + static_cast<std::ptrdiff_t>(length) * step), endStride(step) {}

  operator BasicVectorView<const T>() const
    requires(!std::is_const_v<T>)
  {
    BasicVectorView<const T> view;
    view.begin = begin;
    view.stride = stride;
    view.end = end;
    view.endStride = endStride;
    return view;
  }

  std::int32_t Length() const { return stride == 0 ? 0 : static_cast<std::int32_t>((end - begin) / stride); }
  bool Packed() const { return stride == 1; }
  T& operator[](std::int32_t i) const { return begin[static_cast<std::ptrdiff_t>(i) * stride]; }
  Iterator First() const { return {begin, stride}; }
  Iterator Last() const { return {end, stride}; }
};

using VectorView = BasicVectorView<double>;
using ConstVectorView = BasicVectorView<const double>;

// Walks the rows (or the columns) of a matrix: each position is a line of
// `length` elements `stride` apart; the next line starts `step` further on.
template <class T>
struct LineIterator {
  T* start = nullptr;
  std::int32_t step = 0;
  std::int32_t stride = 1;
  std::int32_t length = 0;

  BasicVectorView<T> operator*() const { return BasicVectorView<T>(start, stride, length); }
  LineIterator& operator++() {
    start += step;
    return *this;
  }
  bool operator==(const LineIterator& other) const { return start == other.start; }
};

// Element placement and line iterators of a matrix; owns nothing. The four
// iterators are always recomputed together by SetGeometry.
template <class T>
class BasicMatrixView {
 public:
  BasicMatrixView() { SetGeometry(nullptr, 0, 0, 0, 0); }
  explicit BasicMatrixView(bool columnMajor) : columnMajor_(columnMajor) { SetGeometry(nullptr, 0, 0, 0, 0); }

  // A view over existing storage; element (i, j) at data + i*rowStride + j*colStride.
  static BasicMatrixView Attach(T* data, std::int32_t rows, std::int32_t columns, std::int32_t rowStride,
                                std::int32_t colStride, bool columnMajor) {
    BasicMatrixView view(columnMajor);
    view.SetGeometry(data, rows, columns, rowStride, colStride);
    return view;
  }

  operator BasicMatrixView<const T>() const
    requires(!std::is_const_v<T>)
  {
    return BasicMatrixView<const T>::Attach(Data(), Rows(), Columns(), RowStride(), ColStride(), columnMajor_);
  }

  bool ColumnMajor() const { return columnMajor_; }
  T* Data() const { return rowsBegin_.start; }
  std::int32_t RowStride() const { return rowsBegin_.step; }
  std::int32_t ColStride() const { return columnsBegin_.step; }
  std::int32_t Rows() const {
    return rowsEnd_.step == 0 ? 0 : static_cast<std::int32_t>((rowsEnd_.start - Data()) / rowsEnd_.step);
  }
  std::int32_t Columns() const {
    return columnsEnd_.step == 0 ? 0 : static_cast<std::int32_t>((columnsEnd_.start - Data()) / columnsEnd_.step);
  }
  bool Empty() const { return Data() == nullptr; }

  T& operator()(std::int32_t i, std::int32_t j) const {
    return Data()[static_cast<std::ptrdiff_t>(i) * RowStride() + static_cast<std::ptrdiff_t>(j) * ColStride()];
  }
  BasicVectorView<T> Row(std::int32_t i) const {
    return BasicVectorView<T>(Data() + static_cast<std::ptrdiff_t>(i) * RowStride(), ColStride(), Columns());
  }
  BasicVectorView<T> Column(std::int32_t j) const {
    return BasicVectorView<T>(Data() + static_cast<std::ptrdiff_t>(j) * ColStride(), RowStride(), Rows());
  }
  BasicVectorView<T> Diagonal() const {
    const std::int32_t n = Rows() < Columns() ? Rows() : Columns();
    return BasicVectorView<T>(Data(), RowStride() + ColStride(), n);
  }

  LineIterator<T> RowsBegin() const { return rowsBegin_; }
  LineIterator<T> RowsEnd() const { return rowsEnd_; }
  LineIterator<T> ColumnsBegin() const { return columnsBegin_; }
  LineIterator<T> ColumnsEnd() const { return columnsEnd_; }

  // Rows contiguous and adjacent: the elements form one flat block.
  bool PackedRowMajor() const { return !Empty() && ColStride() == 1 && RowStride() == Columns(); }
  bool PackedColumnMajor() const { return !Empty() && RowStride() == 1 && ColStride() == Rows(); }

 protected:
  // Sets the data pointer, shape and strides. A zero dimension makes the
  // matrix empty: null data, both counts 0, the strides of its order.
  void SetGeometry(T* data, std::int32_t rows, std::int32_t columns, std::int32_t rowStride, std::int32_t colStride) {
    if (rows <= 0 || columns <= 0 || data == nullptr) {
      data = nullptr;
      rows = columns = 0;
      rowStride = columnMajor_ ? 1 : 0;
      colStride = columnMajor_ ? 0 : 1;
    }
    rowsBegin_ = {data, rowStride, colStride, columns};
    columnsBegin_ = {data, colStride, rowStride, rows};
    rowsEnd_ = {data + static_cast<std::ptrdiff_t>(rows) * rowStride, rowStride, colStride, columns};
    columnsEnd_ = {data + static_cast<std::ptrdiff_t>(columns) * colStride, colStride, rowStride, rows};
  }

  bool columnMajor_ = false;
  LineIterator<T> rowsBegin_;
  LineIterator<T> columnsBegin_;
  LineIterator<T> rowsEnd_;
  LineIterator<T> columnsEnd_;
};

using MatrixView = BasicMatrixView<double>;
using ConstMatrixView = BasicMatrixView<const double>;

enum class Init { Zero, Uninitialised };

// A matrix that owns its storage (or, attached, a writable view). Copies are
// explicit (AssignFrom), so no two owners ever share storage.
class Matrix : public MatrixView {
 public:
  Matrix() = default;
  explicit Matrix(bool columnMajor) : MatrixView(columnMajor) {}
  // Row-major rows x columns; empty when the storage cannot be had.
  Matrix(std::int32_t rows, std::int32_t columns, Init init) { Resize(rows, columns, FillValue(init)); }
  Matrix(const Matrix&) = delete;
  Matrix& operator=(const Matrix&) = delete;
  Matrix(Matrix&& other) noexcept { *this = std::move(other); }
  Matrix& operator=(Matrix&& other) noexcept;
  ~Matrix() { Release(); }

  static Matrix Attach(double* data, std::int32_t rows, std::int32_t columns, std::int32_t rowStride,
                       std::int32_t colStride, bool columnMajor);

  bool Owning() const { return storageEnd_ != nullptr; }

  // Same shape: fills only (when a value is given). Otherwise new storage of
  // the shape in this matrix's order, filled when a value is given.
  bool AssignShape(std::int32_t rows, std::int32_t columns, std::optional<double> fill = std::nullopt);
  // Releases whatever is held and allocates rows x columns in this order; a
  // zero dimension leaves the matrix empty.
  bool Resize(std::int32_t rows, std::int32_t columns, std::optional<double> fill = std::nullopt);

 private:
  static std::optional<double> FillValue(Init init) {
    return init == Init::Zero ? std::optional<double>(0.0) : std::nullopt;
  }
  void Release();

  double* storageEnd_ = nullptr;
};

// Every element := value (one flat loop when packed).
void Fill(const MatrixView& matrix, double value);
// Element-wise copy into a destination of the same shape (any orders and
// strides; a block copy when both are packed alike).
void CopyInto(ConstMatrixView source, const MatrixView& destination);
// Re-shapes the destination (order kept, no fill) when shapes differ, then copies.
bool AssignFrom(Matrix& destination, ConstMatrixView source);
bool AllFinite(ConstMatrixView matrix);

// A growable strided vector: begin, end and end of storage, each with its
// stride (always 1 here). Holds doubles (Vector) or pivot indices (IndexVector).
template <class T>
class BasicVector {
 public:
  BasicVector() = default;
  // Exactly n elements; empty when the storage cannot be had.
  BasicVector(std::int32_t n, Init init) {
    AssignSize(n, init == Init::Zero ? std::optional<T>(T{}) : std::nullopt);
  }
  BasicVector(const BasicVector&) = delete;
  BasicVector& operator=(const BasicVector&) = delete;
  BasicVector(BasicVector&& other) noexcept { *this = std::move(other); }
  BasicVector& operator=(BasicVector&& other) noexcept {
    if (this != &other) {
      Release();
      begin_ = std::exchange(other.begin_, nullptr);
      end_ = std::exchange(other.end_, nullptr);
      capacityEnd_ = std::exchange(other.capacityEnd_, nullptr);
    }
    return *this;
  }
  ~BasicVector() { Release(); }

  std::int32_t Length() const { return static_cast<std::int32_t>((end_ - begin_) / stride_); }
  std::int32_t Capacity() const { return static_cast<std::int32_t>((capacityEnd_ - end_) / capacityStride_); }
  T* Data() const { return begin_; }
  T& operator[](std::int32_t i) const { return begin_[i]; }

  BasicVectorView<T> View() const { return BasicVectorView<T>(begin_, stride_, Length()); }
  operator BasicVectorView<T>() const { return View(); }
  operator BasicVectorView<const T>() const { return View(); }

  // Same length: fills only (when a value is given); otherwise exactly n new elements.
  bool AssignSize(std::int32_t n, std::optional<T> fill = std::nullopt) {
    if (n != Length()) {
      if (n < 0) return false;
      Release();
      if (n > 0) {
        if (!AllocatableCount<T>(n)) return false;
        begin_ = new (std::nothrow) T[static_cast<std::size_t>(n)];
        if (begin_ == nullptr) return false;
        end_ = capacityEnd_ = begin_ + n;
      }
    }
    if (fill) std::fill(begin_, end_, *fill);
    return true;
  }

  // Shorter: drops the tail, capacity kept. Longer: appends at the end.
  bool Resize(std::int32_t n, std::optional<T> fill = std::nullopt) {
    if (n < 0) return false;
    if (n <= Length()) {
      end_ = begin_ + n;
      return true;
    }
    return Insert(Length(), n - Length(), fill);
  }

  // Opens a gap of count elements at position (0 ... Length()).
  bool Insert(std::int32_t position, std::int32_t count, std::optional<T> fill = std::nullopt) {
    const std::int32_t length = Length();
    if (position < 0 || position > length || count < 0) return false;
    if (count == 0) return true;
    if (!AllocatableCount<T>(static_cast<std::int64_t>(length) + count)) return false;
    if (count > Capacity()) {
      const std::int32_t total = length + count;
      T* storage = new (std::nothrow) T[static_cast<std::size_t>(total)];
      if (storage == nullptr) return false;
      std::copy(begin_, begin_ + position, storage);
      std::copy(begin_ + position, end_, storage + position + count);
      delete[] begin_;
      begin_ = storage;
      end_ = capacityEnd_ = storage + total;
    } else {
      std::copy_backward(begin_ + position, end_, end_ + count);
      end_ += count;
    }
    if (fill) std::fill(begin_ + position, begin_ + position + count, *fill);
    return true;
  }

  // Removes [first, last); the following elements move down, capacity kept.
  void Erase(std::int32_t first, std::int32_t last) {
    if (first < 0 || last > Length() || first >= last) return;
    std::copy(begin_ + last, end_, begin_ + first);
    end_ -= last - first;
  }

 private:
  void Release() {
    delete[] begin_;
    begin_ = end_ = capacityEnd_ = nullptr;
  }

  T* begin_ = nullptr;
  std::int32_t stride_ = 1;
  T* end_ = nullptr;
  std::int32_t endStride_ = 1;
  T* capacityEnd_ = nullptr;
  std::int32_t capacityStride_ = 1;
};

using Vector = BasicVector<double>;
using IndexVector = BasicVector<std::int32_t>;

// Copies a view into a destination of the same length (a block copy when
// both are packed).
void CopyInto(ConstVectorView source, VectorView destination);
// Re-sizes the destination to the source's length when they differ, then copies.
bool AssignFrom(Vector& destination, ConstVectorView source);
void FillView(VectorView view, double value);
bool AllFinite(ConstVectorView view);

}  // namespace Zq::Math
