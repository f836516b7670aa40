// The exact results of ZqMultiCorrel and ZqMultiCovarp on large and awkward
// tables, pinned as 64-bit FNV-1a hashes of every cell's bits: tall and wide
// tables, shapes either side of powers of two, constant columns (with long
// runs of leading copies), and columns whose sums overflow or sink below the
// normal range, which take the scaled paths. Any change of a single bit in
// any cell changes the hash.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "addin/worksheet_functions.h"
#include "multivariate/cross_sums.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_result_support.h"

namespace Zq::Testing {
namespace {

// SplitMix64 of a counter: a uniform in [0, 1) with 53 bits.
class Uniforms {
 public:
  explicit Uniforms(std::uint64_t seed) : state_(seed) {}
  double Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return static_cast<double>((z ^ (z >> 31)) >> 11) * 0x1p-53;
  }

 private:
  std::uint64_t state_;
};

// The shape, then every cell's bits row by row; an error cell (NaN in the
// answer, whatever its payload) hashes as one marker.
std::uint64_t Hash(const Answer& answer) {
  std::uint64_t h = 0xCBF29CE484222325u;
  const auto mix = [&](std::uint64_t word) {
    for (int b = 0; b < 8; ++b) h = (h ^ ((word >> (8 * b)) & 0xFF)) * 0x100000001B3u;
  };
  mix(answer.error);
  mix(static_cast<std::uint64_t>(answer.rows));
  mix(static_cast<std::uint64_t>(answer.columns));
  for (const double cell : answer.cells) {
    std::uint64_t bits = 0x7FF8DEADBEEF0000u;
    if (!std::isnan(cell)) std::memcpy(&bits, &cell, sizeof bits);
    mix(bits);
  }
  return h;
}

struct Table {
  int rows;
  int columns;
  std::vector<double> values;
};

// Columns correlated through a shared factor, each with its own offset and
// scale (between 1e-3 and 1e3), so that the means are not round.
Table Correlated(int rows, int columns, std::uint64_t seed) {
  Uniforms u(seed);
  Table t{rows, columns, std::vector<double>(static_cast<std::size_t>(rows) * columns)};
  std::vector<double> offset(columns), scale(columns);
  for (int j = 0; j < columns; ++j) offset[j] = 10 * u.Next() - 5, scale[j] = std::pow(10.0, 6 * u.Next() - 3);
  for (int i = 0; i < rows; ++i) {
    const double shared = u.Next();
    for (int j = 0; j < columns; ++j) t.values[static_cast<std::size_t>(i) * columns + j] = offset[j] + scale[j] * (u.Next() + shared);
  }
  return t;
}

// A correlated table whose column j is then replaced by kind(j): constant
// columns, long runs of leading copies, NaN and infinities, and columns at
// scales whose sums overflow or underflow.
Table Awkward(int rows, int columns, std::uint64_t seed) {
  Table t = Correlated(rows, columns, seed);
  const auto cell = [&](int i, int j) -> double& { return t.values[static_cast<std::size_t>(i) * columns + j]; };
  for (int j = 0; j < columns; ++j) {
    for (int i = 0; i < rows; ++i) {
      double& x = cell(i, j);
      switch (j % 12) {
        case 1: x = 7.25; break;                                   // constant
        case 2: if (i < rows - 1) x = -0.0; break;                 // copies, then one other value
        case 3: x *= 1e300; break;                                 // squares overflow
        case 4: x *= 1e-300; break;                                // squares underflow
        case 5: x = std::ldexp(x, -1060); break;                   // subnormal values
        case 6: if (i == rows / 2) x = std::numeric_limits<double>::quiet_NaN(); break;
        case 7: if (i == rows / 3) x = std::numeric_limits<double>::infinity(); break;
        case 8: x = 1e308 * (1 + std::fmod(std::fabs(x), 0.5)); break;  // the mean's sum overflows
        case 9: x = std::numeric_limits<double>::infinity(); break;  // constant infinity
        case 10: x *= 1e154; break;                                // a product of spreads overflows
        default: break;
      }
    }
  }
  return t;
}

struct Golden {
  const char* name;
  Table table;
  std::uint64_t correl;  // both flags
  std::uint64_t covarp;  // with the mean row
};

// Runs check with the pairs summed in SSE2 lanes, then in AVX lanes where the
// processor has them, and leaves the choice made at load.
template <class Check>
void OnEveryLaneWidth(Check&& check) {
  const bool loaded = Math::UseAvxCrossSums(true);
  for (const bool avx : {false, true}) {
    if (Math::UseAvxCrossSums(avx) != avx) continue;
    SCOPED_TRACE(avx ? "AVX lanes" : "SSE2 lanes");
    check();
  }
  Math::UseAvxCrossSums(loaded);
}

std::uint64_t CorrelHash(const Table& t) {
  return Hash(Read(ZqMultiCorrel(ArrayArgument(t.rows, t.columns, t.values), 1, 1)));
}
std::uint64_t CovarpHash(const Table& t) {
  return Hash(Read(ZqMultiCovarp(ArrayArgument(t.rows, t.columns, t.values), 1)));
}

TEST(MultiCorrelGoldenTest, LargeAndAwkwardTablesKeepEveryBit) {
  const Golden cases[] = {
      {"tall 32767 x 50", Correlated(32767, 50, 1), 0x6E44EE340E9B1C6Fu, 0x5E41344D1ED78A1Bu},
      {"tall 5000 x 13", Correlated(5000, 13, 2), 0x5620941F24B38F9Cu, 0xD35A89EC6F50B807u},
      {"wide 300 x 130", Correlated(300, 130, 3), 0x475763000D4F85CAu, 0x106E543B9F53AE33u},
      {"255 x 255", Correlated(255, 255, 4), 0xA50BAF9AE87D84F7u, 0xCA0044CB82F3A29Fu},
      {"256 x 256", Correlated(256, 256, 5), 0x3F7132B4F398C195u, 0xBF597A7BF58DC2FBu},
      {"257 x 257", Correlated(257, 257, 6), 0xE2318C32D7133E43u, 0xED5074955E71027Cu},
      {"2 x 9", Correlated(2, 9, 7), 0x7D57F54A6A65BB4Fu, 0x3927A3B73F979630u},
      {"awkward 3000 x 37", Awkward(3000, 37, 8), 0x766E55A6C2F22A80u, 0x6E560E2FC0B1ABA0u},
      {"awkward 2 x 24", Awkward(2, 24, 9), 0xA49B41517B071EC3u, 0x966800D987A1AC50u},
      {"awkward 1025 x 12", Awkward(1025, 12, 10), 0xFEB9EAA0F8719313u, 0x1C7118C38807F1C4u},
  };
  OnEveryLaneWidth([&] {
    for (const Golden& g : cases) {
      EXPECT_EQ(CorrelHash(g.table), g.correl) << g.name;
      EXPECT_EQ(CovarpHash(g.table), g.covarp) << g.name;
    }
  });
}

// Every shape from 2 x 1 to 19 x 17 around the widths of vector lanes and
// blocks, hashed together.
TEST(MultiCorrelGoldenTest, SmallShapesKeepEveryBit) {
  OnEveryLaneWidth([] {
    std::uint64_t correl = 0, covarp = 0;
    for (int rows = 2; rows <= 19; ++rows) {
      for (int columns = 1; columns <= 17; ++columns) {
        const Table t = (rows + columns) % 3 == 0 ? Awkward(rows, columns, 100 + rows) : Correlated(rows, columns, 200 + columns);
        correl = correl * 31 + CorrelHash(t);
        covarp = covarp * 31 + CovarpHash(t);
      }
    }
    EXPECT_EQ(correl, 0xC55B65BC7FF9D1AFu);
    EXPECT_EQ(covarp, 0x1000E5DE529F8424u);
  });
}

}  // namespace
}  // namespace Zq::Testing
