// Correlated normal vectors x = shift + L (z - offset): one independent
// engine and standard normal sampler per dimension gives z; L comes from the singular
// value decomposition of the covariance. With resampling, a copy of the
// sampler pre-draws the whole sample so that offset and L can be corrected
// and the first `size` vectors have exactly the requested mean and
// population covariance.
#pragma once

#include <cstdint>
#include <vector>

#include "multivariate/matrix.h"
#include "numerics/stop_request.h"
#include "random/random_normal.h"

namespace Zq::Math {

class RandomMultiNormal {
 public:
  RandomMultiNormal() = default;
  RandomMultiNormal(const RandomMultiNormal&) = delete;
  RandomMultiNormal& operator=(const RandomMultiNormal&) = delete;

  // Deep copy of engines, samplers, shift, offset and factor; false when
  // storage cannot be had.
  bool CopyFrom(const RandomMultiNormal& other);

  // The most bytes a sampler of dimension d and its initialisation hold at
  // once: its engines and samplers (twice with resampling, for the copy
  // that pre-draws) and the d x d matrices alive together (2: the
  // decomposition's work and V, which becomes the factor; at most 8 with
  // resampling).
  static std::uint64_t WorkingBytes(std::int32_t d, bool resampling);

  // Seeds engine i with (algorithm, seed1, seed2 + i) for raw standard
  // normals with the method and antithetic switch of `options`, then builds
  // the factor, resampled if `options` says so. False when a decomposition
  // fails or when `stop` asks to stop.
  bool InitMultiNormal(ConstVectorView mean, ConstMatrixView covariance, NormalOptions options, std::int32_t size,
                       std::int32_t seed1, std::int32_t seed2, RandomAlgorithm algorithm,
                       StopRequest& stop = StopRequest::Never());

  // Sets shift, offset and factor from the mean and covariance; with
  // resampling, from a pre-draw of `size` vectors as well.
  bool BuildFactor(ConstVectorView mean, ConstMatrixView covariance, bool resampling, std::int32_t size,
                   StopRequest& stop = StopRequest::Never());

  // One vector into x; z is work space. Both have the dimension's length.
  // Each sampler draws exactly one value. Allocates nothing.
  void NextVector(VectorView x, VectorView z);

  // The next `count` vectors into the rows of x (packed, count x d); z is
  // work space of the same size. The same values as `count` calls of
  // NextVector; each row of the factor serves every vector while it is at
  // hand. Allocates nothing.
  void NextVectors(std::int32_t count, double* x, double* z);

  std::int32_t Dimension() const { return static_cast<std::int32_t>(normals_.size()); }
  // L, stored by columns (row j of factor_ holds column j).
  ConstMatrixView Factor() const {
    return ConstMatrixView::Attach(factor_.Data(), factor_.Columns(), factor_.Rows(), factor_.ColStride(),
                                   factor_.RowStride(), !factor_.ColumnMajor());
  }
  ConstVectorView Offset() const { return offset_; }

 private:
  bool ResampledFactor(ConstMatrixView target, std::int32_t size, StopRequest& stop);

  std::vector<RandomUniform> engines_;
  std::vector<RandomNormal> normals_;
  Vector shift_;
  Vector offset_;
  Matrix factor_;  // L transposed: the draw walks its columns contiguously
};

}  // namespace Zq::Math
