// The decomposition and the multivariate normal sampler keep every bit:
// outputs on large and awkward inputs, hashed (64-bit FNV-1a of each
// double's bits in row order, after the shape), against hashes recorded
// from the straightforward loops before they were reorganised for speed,
// with the AVX2 lanes and with the SSE2 ones.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>

#include "multivariate/lane_kernels.h"
#include "multivariate/linear_algebra.h"
#include "multivariate/random_multi_normal.h"
#include "numerics/special_values.h"

namespace Zq::Math {
namespace {

class Fnv {
 public:
  void Add(std::uint64_t word) {
    for (int byte = 0; byte < 8; ++byte, word >>= 8) hash_ = (hash_ ^ (word & 0xff)) * 0x100000001b3ULL;
  }
  void Add(ConstMatrixView m) {
    Add(static_cast<std::uint64_t>(m.Rows()));
    Add(static_cast<std::uint64_t>(m.Columns()));
    for (std::int32_t i = 0; i < m.Rows(); ++i)
      for (std::int32_t j = 0; j < m.Columns(); ++j) Add(std::bit_cast<std::uint64_t>(m(i, j)));
  }
  void Add(ConstVectorView v) {
    Add(static_cast<std::uint64_t>(v.Length()));
    for (std::int32_t i = 0; i < v.Length(); ++i) Add(std::bit_cast<std::uint64_t>(v[i]));
  }
  std::uint64_t Value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

// Uniforms on [-1, 1) from a splitmix64 stream.
class Entries {
 public:
  explicit Entries(std::uint64_t seed) : state_(seed) {}
  double Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1p-52 - 1.0;
  }

 private:
  std::uint64_t state_;
};

enum class Kind { Symmetric, RankDeficient, Huge, WithNaN, General };

// Symmetric with random entries (indefinite); B B^T with B of rank d / 3;
// symmetric scaled to 1e150; symmetric with one NaN; no symmetry at all.
Matrix MakeMatrix(Kind kind, std::int32_t rows, std::int32_t columns, std::uint64_t seed) {
  Entries entries(seed);
  Matrix a(rows, columns, Init::Zero);
  if (kind == Kind::RankDeficient) {
    const std::int32_t rank = rows / 3;
    Matrix b(rows, rank, Init::Zero);
    for (std::int32_t i = 0; i < rows; ++i)
      for (std::int32_t k = 0; k < rank; ++k) b(i, k) = entries.Next();
    for (std::int32_t i = 0; i < rows; ++i)
      for (std::int32_t j = 0; j < rows; ++j) {
        double s = 0.0;
        for (std::int32_t k = 0; k < rank; ++k) s += b(i, k) * b(j, k);
        a(i, j) = s;
      }
    return a;
  }
  for (std::int32_t i = 0; i < rows; ++i)
    for (std::int32_t j = 0; j < columns; ++j) a(i, j) = entries.Next();
  if (kind == Kind::General) return a;
  for (std::int32_t i = 0; i < rows; ++i)
    for (std::int32_t j = 0; j < i; ++j) a(i, j) = a(j, i);
  for (std::int32_t i = 0; i < rows; ++i) a(i, i) += kind == Kind::Huge ? 0.0 : 2.0;
  if (kind == Kind::Huge) {
    for (std::int32_t i = 0; i < rows; ++i)
      for (std::int32_t j = 0; j < columns; ++j) a(i, j) *= 1e150;
  }
  if (kind == Kind::WithNaN) a(rows / 2, columns / 3) = a(columns / 3, rows / 2) = kNaN;
  return a;
}

struct DecomposeCase {
  Kind kind;
  std::int32_t rows, columns;
  std::uint64_t hash;
};

// U, w and V (or just the failure) of the decomposition.
TEST(MultiNormalGolden, DecompositionKeepsItsBits) {
  const DecomposeCase cases[] = {
      {Kind::Symmetric, 300, 300, 0xbf645b0233a5822bULL},     {Kind::Symmetric, 256, 256, 0xb207c5a02e8cfffbULL},
      {Kind::RankDeficient, 257, 257, 0x55be4a1f19db763eULL}, {Kind::Huge, 255, 255, 0x8708c169c2fea82bULL},
      {Kind::WithNaN, 64, 64, 0xa8c7f832281a39c5ULL},         {Kind::General, 180, 120, 0x7d05088d180d1a3eULL},
      {Kind::General, 120, 180, 0x13ad0ad37954578ULL},        {Kind::General, 1, 1, 0xc0725aa9113564d0ULL},
      {Kind::General, 2, 3, 0xd74ea1750aea9e36ULL},
  };
  for (const bool avx2 : {true, false}) {
    const bool inUse = UseAvx2Lanes(avx2);
    for (const auto& c : cases) {
      Matrix a = MakeMatrix(c.kind, c.rows, c.columns, 1000 + static_cast<std::uint64_t>(c.rows));
      Vector w(c.columns, Init::Zero);
      Matrix v(c.columns, c.columns, Init::Zero);
      const bool ok = SingularValueDecompose(a, w, v);
      Fnv fnv;
      fnv.Add(ok ? 1 : 0);
      if (ok) {
        fnv.Add(a);
        fnv.Add(w);
        fnv.Add(v);
      }
      EXPECT_EQ(fnv.Value(), c.hash) << "kind " << static_cast<int>(c.kind) << ", " << c.rows << " x " << c.columns
                                     << (inUse ? ", AVX2" : ", SSE2") << ": 0x" << std::hex << fnv.Value();
    }
  }
  UseAvx2Lanes(true);
}

struct SamplerCase {
  Kind kind;
  std::int32_t d, size;
  NormalOptions options;
  RandomAlgorithm algorithm;
  std::uint64_t hash;
};

// Initialisation's success, the factor, the offset and `size` vectors.
TEST(MultiNormalGolden, SamplerKeepsItsBits) {
  const NormalOptions polar{}, resampled{.resampling = true};
  const NormalOptions inverseAntithetic{.inversion = true, .antithetic = true};
  const SamplerCase cases[] = {
      {Kind::Symmetric, 300, 3, polar, RandomAlgorithm::Mt2002, 0x5b440cabb7dd6f60ULL},
      {Kind::Symmetric, 300, 320, resampled, RandomAlgorithm::Mt2002, 0xad58c47a76a01939ULL},
      {Kind::Symmetric, 255, 4, inverseAntithetic, RandomAlgorithm::Ran2, 0x68975929e3b19665ULL},
      {Kind::Symmetric, 256, 300, resampled, RandomAlgorithm::Mt1998, 0x3510746a94a0c756ULL},
      {Kind::RankDeficient, 257, 5, polar, RandomAlgorithm::Mt2002, 0x794cc43ff02a5a7cULL},
      {Kind::RankDeficient, 256, 270, resampled, RandomAlgorithm::Mt2002, 0x7e436db0cc5914bdULL},
      {Kind::Huge, 257, 3, polar, RandomAlgorithm::Mt2002, 0x41227cdbaea32183ULL},
      {Kind::WithNaN, 40, 3, polar, RandomAlgorithm::Mt2002, 0xa8c7f832281a39c5ULL},
      {Kind::Symmetric, 512, 2, polar, RandomAlgorithm::Mt2002, 0xafc2bb286af2eb40ULL},
      {Kind::Symmetric, 20, 10, resampled, RandomAlgorithm::Mt2002, 0xf36f0e41b34e3508ULL},
  };
  for (const bool avx2 : {true, false}) {
    const bool inUse = UseAvx2Lanes(avx2);
    for (const auto& c : cases) {
      const Matrix cov = MakeMatrix(c.kind, c.d, c.d, 7 + static_cast<std::uint64_t>(c.d));
      Vector mean(c.d, Init::Zero);
      for (std::int32_t i = 0; i < c.d; ++i) mean[i] = 0.25 * i - 3.0;
      RandomMultiNormal sampler;
      const bool ok = sampler.InitMultiNormal(mean, cov, c.options, c.size, 11, 22, c.algorithm);
      Fnv fnv;
      fnv.Add(ok ? 1 : 0);
      if (ok) {
        fnv.Add(sampler.Factor());
        fnv.Add(sampler.Offset());
        RandomMultiNormal copy;
        ASSERT_TRUE(copy.CopyFrom(sampler));
        Vector x(c.d, Init::Zero), z(c.d, Init::Zero);
        Fnv vectors, batched;
        for (std::int32_t row = 0; row < c.size; ++row) {
          sampler.NextVector(x, z);
          fnv.Add(x);
          vectors.Add(x);
        }
        // Drawn three at a time, the same vectors.
        Matrix xs(3, c.d, Init::Zero), zs(3, c.d, Init::Zero);
        for (std::int32_t first = 0; first < c.size; first += 3) {
          const std::int32_t count = std::min(3, c.size - first);
          copy.NextVectors(count, xs.Data(), zs.Data());
          for (std::int32_t b = 0; b < count; ++b) batched.Add(xs.Row(b));
        }
        EXPECT_EQ(batched.Value(), vectors.Value()) << "d " << c.d << ", size " << c.size;
      }
      EXPECT_EQ(fnv.Value(), c.hash) << "kind " << static_cast<int>(c.kind) << ", d " << c.d << ", size " << c.size
                                     << (inUse ? ", AVX2" : ", SSE2") << ": 0x" << std::hex << fnv.Value();
    }
  }
  UseAvx2Lanes(true);
}

}  // namespace
}  // namespace Zq::Math
