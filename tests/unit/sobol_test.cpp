// The Sobol sequence against a construction of its own here (each point
// from the m_i of Joe and Kuo, by the recurrence on m and the Gray code of
// its index) and against SciPy's qmc.Sobol
// (tests/unit/reference/make_sobol_points.py).
#include "random/sobol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using Zq::Math::kSobolMaxDimensions;
using Zq::Math::SobolSequence;

struct SobolRun {
  std::uint32_t first;
  std::uint32_t points[4][40];
};

struct SobolCoordinate {
  std::uint32_t dimension;
  std::uint32_t index;
  std::uint32_t numerator;
};

#include "tests/unit/reference/sobol_points.inc"

// The numerators over 2^32 of `count` points from `skip` in `dimensions`.
std::vector<std::uint32_t> Numerators(std::uint32_t dimensions, std::uint64_t skip, std::uint64_t count) {
  auto sequence = SobolSequence::Make(dimensions, skip, count);
  EXPECT_TRUE(sequence);
  std::vector<double> point(dimensions);
  std::vector<std::uint32_t> numerators;
  for (std::uint64_t i = 0; sequence && i < count; ++i) {
    sequence->Next(point.data());
    for (const double x : point) {
      const double scaled = x * 0x1p32;
      EXPECT_TRUE(scaled >= 0 && scaled < 0x1p32 && scaled == static_cast<std::uint32_t>(scaled)) << x;
      numerators.push_back(static_cast<std::uint32_t>(scaled));
    }
  }
  return numerators;
}

// v_1 .. v_32 of a dimension from Joe and Kuo's recurrence on the m_k:
// m_k = 2 a_1 m_(k-1) ^ 4 a_2 m_(k-2) ^ ... ^ 2^s m_(k-s) ^ m_(k-s).
std::vector<std::uint32_t> DirectionsByRecurrence(std::uint32_t dimension) {
  const auto numbers = Zq::Math::SobolInitialNumbersOf(dimension);
  const std::uint32_t s = numbers.degree;
  std::vector<std::uint64_t> m(33, 1);
  for (std::uint32_t k = 1; k <= s; ++k) m[k] = numbers.m[k - 1];
  for (std::uint32_t k = s + 1; s > 0 && k <= 32; ++k) {
    m[k] = (m[k - s] << s) ^ m[k - s];
    for (std::uint32_t i = 1; i < s; ++i) {
      const std::uint64_t a_i = (numbers.coefficients >> (s - 1 - i)) & 1;
      m[k] ^= (a_i * m[k - i]) << i;
    }
  }
  std::vector<std::uint32_t> v(32);
  for (std::uint32_t k = 1; k <= 32; ++k) {
    EXPECT_LT(m[k], std::uint64_t{1} << k) << "dimension " << dimension << ", m_" << k;
    v[k - 1] = static_cast<std::uint32_t>(m[k] << (32 - k));
  }
  return v;
}

std::uint32_t PointByFormula(const std::vector<std::uint32_t>& v, std::uint64_t n) {
  const std::uint64_t gray = n ^ (n >> 1);
  std::uint32_t x = 0;
  for (int k = 0; k < 32; ++k) {
    if ((gray >> k) & 1) x ^= v[k];
  }
  return x;
}

// The first 2^k points, bit for bit, and in each coordinate every multiple
// of 2^-k once.
TEST(SobolSequence, FirstPointsAreTheDirectConstructionAndStratified) {
  for (const std::uint32_t d : {1u, 2u, 5u, 40u, 1111u, kSobolMaxDimensions}) {
    const int k = d > 1000 ? 6 : 12;
    const std::uint64_t count = std::uint64_t{1} << k;
    const auto points = Numerators(d, 0, count);
    ASSERT_EQ(points.size(), count * d);
    for (std::uint32_t j = 0; j < d; ++j) {
      const auto v = DirectionsByRecurrence(j + 1);
      std::vector<std::uint32_t> column;
      for (std::uint64_t n = 0; n < count; ++n) {
        const std::uint32_t x = points[n * d + j];
        ASSERT_EQ(x, PointByFormula(v, n)) << "d " << d << ", coordinate " << j + 1 << ", point " << n;
        column.push_back(x);
      }
      std::sort(column.begin(), column.end());
      for (std::uint64_t i = 0; i < count; ++i) {
        ASSERT_EQ(column[i], i << (32 - k)) << "d " << d << ", coordinate " << j + 1;
      }
    }
  }
}

TEST(SobolSequence, MatchesScipy) {
  const auto first = Numerators(10, 0, 256);
  for (int n = 0; n < 256; ++n) {
    for (int j = 0; j < 10; ++j) ASSERT_EQ(first[n * 10 + j], kSobolFirstPoints[n][j]) << n << ", " << j;
  }
  for (const SobolRun& run : kSobolLaterPoints) {
    const auto later = Numerators(40, run.first, 4);
    for (int n = 0; n < 4; ++n) {
      for (int j = 0; j < 40; ++j) EXPECT_EQ(later[n * 40 + j], run.points[n][j]) << run.first + n << ", " << j;
    }
  }
  for (const SobolCoordinate& c : kSobolFarCoordinates) {
    EXPECT_EQ(Numerators(c.dimension, c.index, 1)[c.dimension - 1], c.numerator)
        << "dimension " << c.dimension << ", index " << c.index;
  }
}

// The point of index 2^(k+1) - 1 is every dimension's direction v_(k+1):
// all 32 of all dimensions, hashed as the reference hashed them.
TEST(SobolSequence, EveryDirectionMatchesScipy) {
  for (int k = 0; k < 32; ++k) {
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const std::uint32_t v : Numerators(kSobolMaxDimensions, (std::uint64_t{2} << k) - 1, 1)) {
      for (int byte = 0; byte < 4; ++byte) hash = (hash ^ ((v >> (8 * byte)) & 0xff)) * 0x100000001b3;
    }
    EXPECT_EQ(hash, kSobolDirectionHashes[k]) << "direction " << k + 1;
  }
}

TEST(SobolSequence, SkippedPointsAreTheTailOfALongerRun) {
  const std::uint64_t runs[][3] = {{1, 1, 100}, {3, 5, 60}, {7, 255, 300}, {40, 1000, 1100}, {300, 4095, 2},
                                   {2, SobolSequence::kPoints - 70, 70}};
  for (const auto& [d, skip, count] : runs) {
    for (const std::uint64_t extra : {1, 33}) {
      if (extra > skip) continue;
      const auto longer = Numerators(d, skip - extra, count + extra);
      const auto tail = Numerators(d, skip, count);
      EXPECT_TRUE(std::equal(tail.begin(), tail.end(), longer.begin() + extra * d, longer.end())) << d << ", " << skip;
    }
  }
}

// Memory safety past the end: the last point again.
TEST(SobolSequence, CallsPastTheCountRepeatTheLastPoint) {
  const auto expected = Numerators(3, SobolSequence::kPoints - 3, 3);
  auto sequence = SobolSequence::Make(3, SobolSequence::kPoints - 3, 3);
  ASSERT_TRUE(sequence);
  double point[3];
  for (int i = 0; i < 6; ++i) {
    sequence->Next(point);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(point[j] * 0x1p32, expected[std::min(i, 2) * 3 + j]);
  }
}

TEST(SobolSequence, RefusesDimensionsAndIndicesOutsideTheTable) {
  const std::uint64_t end = SobolSequence::kPoints;
  EXPECT_FALSE(SobolSequence::Make(0, 0, 1));
  EXPECT_FALSE(SobolSequence::Make(kSobolMaxDimensions + 1, 0, 1));
  EXPECT_FALSE(SobolSequence::Make(1, end - 2, 3));
  EXPECT_FALSE(SobolSequence::Make(1, 0, end + 1));
  EXPECT_FALSE(SobolSequence::Make(1, end, 0));
  EXPECT_FALSE(SobolSequence::Make(1, 2, UINT64_MAX));
  EXPECT_FALSE(SobolSequence::Make(1, UINT64_MAX, 2));
  EXPECT_TRUE(SobolSequence::Make(1, end - 2, 2));
  EXPECT_TRUE(SobolSequence::Make(1, 0, end));
  EXPECT_TRUE(SobolSequence::Make(kSobolMaxDimensions, end - 1, 1));
}

}  // namespace
