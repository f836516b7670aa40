// Correlated normal vectors x = shift + L (z - offset): one independent
// standard normal generator per dimension gives z; L comes from the singular
// value decomposition of the covariance. With resampling, a copy of the
// sampler pre-draws the whole sample so that offset and L can be corrected
// and the first `size` vectors have exactly the requested mean and
// population covariance.
#pragma once

#include <cstdint>
#include <vector>

#include "multivariate/matrix.h"
#include "random/random_normal.h"

namespace Zq::Math {

class RandomMultiNormal {
 public:
  RandomMultiNormal() = default;
  RandomMultiNormal(const RandomMultiNormal&) = delete;
  RandomMultiNormal& operator=(const RandomMultiNormal&) = delete;

  // Deep copy of generators (engine states included), shift, offset and
  // factor; false when storage cannot be had.
  bool CopyFrom(const RandomMultiNormal& other);

  // Seeds generator i with (algorithm, seed1, seed2 + i), raw standard
  // normals with the given method and antithetic switch, then builds the
  // factor. False when seeding or a decomposition fails.
  bool InitMultiNormal(ConstVectorView mean, ConstMatrixView covariance, NormalMethod method, Switch antithetic,
                       Switch resampling, std::int32_t size, std::int32_t seed1, std::int32_t seed2,
                       RandomAlgorithm algorithm);

  // Sets shift, offset and factor from the mean and covariance; with
  // resampling, from a pre-draw of `size` vectors as well.
  bool BuildFactor(ConstVectorView mean, ConstMatrixView covariance, Switch resampling, std::int32_t size);

  // One vector into x; z is work space. Both have the dimension's length.
  // Each generator advances by exactly one draw. Allocates nothing.
  void NextVector(VectorView x, VectorView z);

  std::int32_t Dimension() const { return static_cast<std::int32_t>(generators_.size()); }
  ConstMatrixView Factor() const { return factor_; }
  ConstVectorView Offset() const { return offset_; }

 private:
  bool ResampledFactor(ConstMatrixView target, std::int32_t size);

  std::vector<RandomNormal> generators_;
  Vector shift_;
  Vector offset_;
  Matrix factor_;
};

}  // namespace Zq::Math
