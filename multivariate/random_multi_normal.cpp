#include "multivariate/random_multi_normal.h"

#include <algorithm>
#include <cstddef>
#include <new>
#include <utility>

#include "multivariate/lane_kernels.h"
#include "multivariate/linear_algebra.h"

namespace Zq::Math {

bool RandomMultiNormal::CopyFrom(const RandomMultiNormal& other) {
  try {
    engines_ = other.engines_;
    normals_ = other.normals_;
  } catch (const std::bad_alloc&) {
    return false;
  }
  return AssignFrom(shift_, other.shift_) && AssignFrom(offset_, other.offset_) &&
         AssignFrom(factor_, other.factor_);
}

std::uint64_t RandomMultiNormal::WorkingBytes(std::int32_t d, bool resampling) {
  const auto dimension = static_cast<std::uint64_t>(d < 0 ? 0 : d);
  const std::uint64_t generators = dimension * (sizeof(RandomUniform) + sizeof(RandomNormal)) * (resampling ? 2 : 1);
  const std::uint64_t matrices = dimension * dimension * sizeof(double) * (resampling ? 8 : 2);
  return generators + matrices;
}

bool RandomMultiNormal::InitMultiNormal(ConstVectorView mean, ConstMatrixView covariance, NormalOptions options,
                                        std::int32_t size, std::int32_t seed1, std::int32_t seed2,
                                        RandomAlgorithm algorithm, StopRequest& stop) {
  const std::int32_t d = mean.Length();
  const NormalOptions raw{options.inversion, options.antithetic, false};
  try {
    engines_.clear();
    normals_.clear();
    engines_.reserve(static_cast<std::size_t>(d));
    normals_.reserve(static_cast<std::size_t>(d));
    for (std::int32_t i = 0; i < d; ++i) {
      // seed2 + i wraps in 32 bits.
      const auto seed = static_cast<std::int32_t>(static_cast<std::uint32_t>(seed2) + static_cast<std::uint32_t>(i));
      engines_.emplace_back(algorithm, seed1, seed);
      normals_.push_back(*RandomNormal::Make(engines_.back(), raw));
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  return BuildFactor(mean, covariance, options.resampling, size, stop);
}

bool RandomMultiNormal::BuildFactor(ConstVectorView mean, ConstMatrixView covariance, bool resampling,
                                    std::int32_t size, StopRequest& stop) {
  const std::int32_t d = mean.Length();
  if (covariance.Rows() != d || covariance.Columns() != d) return false;
  Matrix a;
  Vector w(d, Init::Uninitialised);
  Matrix v(d, d, Init::Uninitialised);
  if (!AssignFrom(a, covariance) || w.Length() != d || v.Rows() != d) return false;
  if (!SingularValueDecompose(a, w, v, stop)) return false;
  a = Matrix();  // consumed: its storage goes before any more is asked for
  if (!AssignFrom(shift_, mean)) return false;
  RootScaledColumns(v, v, w);  // L0 = V diag(sqrt w), in V's own storage
  factor_ = std::move(v);
  if (resampling ? !ResampledFactor(factor_, size, stop) : !offset_.AssignSize(d, 0.0)) return false;
  TransposeSquare(factor_.Data(), d);
  return true;
}

// Replays the coming sample from a copy, measures its mean and population
// covariance S = B B^T and sets offset = mean, factor = L0 B^-1.
bool RandomMultiNormal::ResampledFactor(ConstMatrixView target, std::int32_t size, StopRequest& stop) {
  const std::int32_t d = Dimension();
  const std::uint64_t drawWork = static_cast<std::uint64_t>(d) * static_cast<std::uint64_t>(d) * 2;
  if (size < 1) return false;
  Vector sum(d, Init::Zero);
  Matrix products(d, d, Init::Zero);
  Matrix sample(d, d, Init::Zero);
  {
    RandomMultiNormal copy;
    Vector t(d, Init::Zero);
    Vector work(d, Init::Zero);
    if (sum.Length() != d || products.Rows() != d || sample.Rows() != d || t.Length() != d ||
        work.Length() != d || !copy.CopyFrom(*this)) {
      return false;
    }
    if (!copy.shift_.AssignSize(d, 0.0) || !copy.offset_.AssignSize(d, 0.0) || !copy.factor_.AssignShape(d, d, 0.0)) {
      return false;
    }
    FillView(copy.factor_.Diagonal(), 1.0);
    for (std::int32_t draw = 0; draw < size; ++draw) {
      copy.NextVector(t, work);
      for (std::int32_t i = 0; i < d; ++i) {
        sum[i] += t[i];
        AddMultiple(&products(i, i), &t[i], t[i], d - i);
      }
      if (stop.Poll(drawWork)) return false;
    }
  }
  if (!offset_.AssignSize(d)) return false;
  for (std::int32_t i = 0; i < d; ++i) offset_[i] = sum[i] / size;
  for (std::int32_t i = 0; i < d; ++i) {
    for (std::int32_t j = i; j < d; ++j) sample(i, j) = (products(i, j) - sum[i] * sum[j] / size) / size;
    for (std::int32_t j = 0; j < i; ++j) sample(i, j) = sample(j, i);
  }
  Vector w(d, Init::Uninitialised);
  Matrix v(d, d, Init::Uninitialised);
  Matrix root(d, d, Init::Zero);
  if (w.Length() != d || v.Rows() != d || root.Rows() != d) return false;
  if (!SingularValueDecompose(sample, w, v, stop)) return false;
  RootScaledColumns(root, v, w);
  if (!Invert(root, root, stop)) return false;
  Matrix product;
  if (!MatrixProduct(target, root, product, stop)) return false;
  CopyInto(product, factor_);
  return true;
}

void RandomMultiNormal::NextVectors(std::int32_t count, double* x, double* z) {
  const std::int32_t d = Dimension();
  const auto rowOf = [d](double* rows, std::int32_t b) { return rows + static_cast<std::ptrdiff_t>(b) * d; };
  for (std::int32_t b = 0; b < count; ++b) {
    double* draws = rowOf(z, b);
    for (std::int32_t i = 0; i < d; ++i) draws[i] = normals_[i].Next(engines_[i]) - offset_[i];
  }
  // x(b, i) runs through 0 + L(i, 0) z(b, 0) + L(i, 1) z(b, 1) + ... in that
  // order, then adds the shift.
  std::fill(x, rowOf(x, count), 0.0);
  for (std::int32_t j = 0; j < d; ++j) {
    const double* column = factor_.Data() + static_cast<std::ptrdiff_t>(j) * d;
    for (std::int32_t b = 0; b < count; ++b) AddMultiple(rowOf(x, b), column, rowOf(z, b)[j], d);
  }
  for (std::int32_t b = 0; b < count; ++b) {
    double* sums = rowOf(x, b);
    for (std::int32_t i = 0; i < d; ++i) sums[i] = shift_[i] + sums[i];
  }
}

void RandomMultiNormal::NextVector(VectorView x, VectorView z) {
  if (x.Packed() && z.Packed()) {
    NextVectors(1, x.begin, z.begin);
    return;
  }
  const std::int32_t d = Dimension();
  for (std::int32_t i = 0; i < d; ++i) z[i] = normals_[i].Next(engines_[i]) - offset_[i];
  for (std::int32_t i = 0; i < d; ++i) {
    double sum = 0.0;
    for (std::int32_t j = 0; j < d; ++j) sum += factor_(j, i) * z[j];
    x[i] = shift_[i] + sum;
  }
}

}  // namespace Zq::Math
