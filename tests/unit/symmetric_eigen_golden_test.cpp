// The eigen-decomposition's exact bits on large and awkward matrices: every
// case is hashed (success flag, eigenvalues, then the eigenvectors in row
// order) and compared with the hash the kernel gave when the case was added,
// so that a faster memory layout or wider arithmetic cannot move a bit.
#include <bit>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "multivariate/symmetric_eigen.h"

namespace Zq::Math {
namespace {

// 64-bit FNV-1a over whole words.
struct BitsHash {
  std::uint64_t value = 0xcbf29ce484222325ULL;
  void Add(std::uint64_t word) {
    for (int byte = 0; byte < 8; ++byte) {
      value ^= (word >> (8 * byte)) & 0xff;
      value *= 0x100000001b3ULL;
    }
  }
  void Add(double x) { Add(std::bit_cast<std::uint64_t>(x)); }
};

// Uniform on [-0.5, 0.5) from the engine's bits alone, so that every
// standard library builds the same matrices.
double Centred(std::mt19937_64& engine) { return static_cast<double>(engine() >> 11) * 0x1p-53 - 0.5; }

using Filler = std::function<void(Matrix&, std::mt19937_64&)>;

void RandomSymmetric(Matrix& a, std::mt19937_64& engine) {
  for (std::int32_t i = 0; i < a.Rows(); ++i)
    for (std::int32_t j = 0; j <= i; ++j) a(i, j) = a(j, i) = Centred(engine);
}

// X X^T with X of n x 12: rank 12 at most.
void RankTwelve(Matrix& a, std::mt19937_64& engine) {
  const std::int32_t n = a.Rows();
  Matrix x(n, 12, Init::Zero);
  for (std::int32_t i = 0; i < n; ++i)
    for (std::int32_t k = 0; k < 12; ++k) x(i, k) = Centred(engine);
  for (std::int32_t i = 0; i < n; ++i)
    for (std::int32_t j = 0; j < n; ++j) {
      double sum = 0.0;
      for (std::int32_t k = 0; k < 12; ++k) sum += x(i, k) * x(j, k);
      a(i, j) = sum;
    }
}

// Every third row and column zero: the reduction meets rows with nothing to reflect.
void ZeroStripes(Matrix& a, std::mt19937_64& engine) {
  RandomSymmetric(a, engine);
  for (std::int32_t i = 0; i < a.Rows(); i += 3)
    for (std::int32_t j = 0; j < a.Rows(); ++j) a(i, j) = a(j, i) = 0.0;
}

// The identity plus a rank-one term: one eigenvalue and n - 1 equal ones.
void IdentityPlusRankOne(Matrix& a, std::mt19937_64& engine) {
  Vector v(a.Rows(), Init::Zero);
  for (std::int32_t i = 0; i < a.Rows(); ++i) v[i] = Centred(engine);
  for (std::int32_t i = 0; i < a.Rows(); ++i)
    for (std::int32_t j = 0; j < a.Rows(); ++j) a(i, j) = (i == j ? 1.0 : 0.0) + v[i] * v[j];
}

Filler Scaled(double factor) {
  return [factor](Matrix& a, std::mt19937_64& engine) {
    RandomSymmetric(a, engine);
    for (std::int32_t i = 0; i < a.Rows(); ++i)
      for (std::int32_t j = 0; j < a.Rows(); ++j) a(i, j) *= factor;
  };
}

Filler WithValueAt(double value, std::int32_t row, std::int32_t column) {
  return [=](Matrix& a, std::mt19937_64& engine) {
    RandomSymmetric(a, engine);
    a(row, column) = value;
  };
}

std::uint64_t HashOfDecomposition(std::int32_t n, const Filler& fill, std::uint64_t seed, bool columnMajorInput) {
  std::mt19937_64 engine(seed);
  Matrix a(n, n, Init::Zero);
  fill(a, engine);
  Matrix transposed(n, n, Init::Zero);
  for (std::int32_t i = 0; i < n; ++i)
    for (std::int32_t j = 0; j < n; ++j) transposed(j, i) = a(i, j);
  // The same matrix read through a column-major view of the transposed storage.
  const ConstMatrixView input =
      columnMajorInput ? ConstMatrixView::Attach(transposed.Data(), n, n, 1, n, true) : ConstMatrixView(a);
  Vector d(n, Init::Zero);
  Matrix z(n, n, Init::Zero);
  const bool ok = SymmetricEigen(d, z, input);
  BitsHash hash;
  hash.Add(static_cast<std::uint64_t>(n));
  hash.Add(static_cast<std::uint64_t>(ok));
  if (ok) {
    for (std::int32_t i = 0; i < n; ++i) hash.Add(d[i]);
    for (std::int32_t i = 0; i < n; ++i)
      for (std::int32_t j = 0; j < n; ++j) hash.Add(z(i, j));
  }
  return hash.value;
}

struct GoldenCase {
  const char* name;
  std::int32_t n;
  Filler fill;
  std::uint64_t seed;
  bool columnMajorInput;
  std::uint64_t expected;
};

TEST(SymmetricEigenGolden, LargeAndAwkwardMatricesKeepTheirBits) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  const GoldenCase cases[] = {
      {"random 300", 300, RandomSymmetric, 1, false, 7865097996705896300ULL},
      {"random 300, column-major input", 300, RandomSymmetric, 1, true, 7865097996705896300ULL},
      {"rank 12 of 300", 300, RankTwelve, 2, false, 12190452808229535447ULL},
      {"random 255", 255, RandomSymmetric, 3, false, 17716989259109667244ULL},
      {"random 256", 256, RandomSymmetric, 4, false, 9880179889020357255ULL},
      {"random 257", 257, RandomSymmetric, 5, false, 15769834622964881839ULL},
      {"random 512", 512, RandomSymmetric, 6, false, 14701094203973275525ULL},
      {"zero stripes 131", 131, ZeroStripes, 7, false, 14941747203494712474ULL},
      {"identity plus rank one 97", 97, IdentityPlusRankOne, 8, false, 11126326484966281373ULL},
      {"all zero 40", 40, Scaled(0.0), 9, false, 4539320995739937836ULL},
      {"huge 1e300 entries 60", 60, Scaled(1e300), 10, false, 2949459751940386431ULL},
      {"huge 1e307 entries 60, refused", 60, Scaled(1e307), 11, false, 15291720027099775321ULL},
      {"tiny 1e-310 entries 60, refused", 60, Scaled(1e-310), 12, false, 15291720027099775321ULL},
      {"NaN in the lower triangle, refused", 45, WithValueAt(nan, 30, 7), 13, false, 10761254617936012552ULL},
      {"NaN in the upper triangle only", 45, WithValueAt(nan, 7, 30), 14, false, 9198714787194933445ULL},
      {"infinity on the diagonal, refused", 45, WithValueAt(infinity, 20, 20), 15, false, 10761254617936012552ULL},
  };
  for (const GoldenCase& c : cases)
    EXPECT_EQ(HashOfDecomposition(c.n, c.fill, c.seed, c.columnMajorInput), c.expected) << c.name;
}

// Every order up to 40: the short loops and the remainders of wide ones.
TEST(SymmetricEigenGolden, SmallOrdersKeepTheirBits) {
  BitsHash all;
  for (std::int32_t n = 1; n <= 40; ++n) all.Add(HashOfDecomposition(n, RandomSymmetric, 100 + n, false));
  EXPECT_EQ(all.value, 11650086509981945637ULL);
}

}  // namespace
}  // namespace Zq::Math
