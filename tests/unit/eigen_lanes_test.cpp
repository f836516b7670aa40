// The eigen-decomposition's lane loops, two lanes and the widest chosen,
// against the one-element formulas they replace: the same bits at every
// length (remainders included), and nothing written past the count.
#include "multivariate/eigen_lanes.h"

#include <bit>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace Zq::Math {
namespace {

constexpr std::int32_t kSentinels = 5;
constexpr double kSentinel = -123.25;

// count values then sentinels; every seventh value is awkward.
std::vector<double> Values(std::mt19937_64& engine, std::int32_t count) {
  const double awkward[] = {0.0, -0.0, 1e-310, -1e300, std::numeric_limits<double>::infinity()};
  std::vector<double> values(count + kSentinels, kSentinel);
  for (std::int32_t k = 0; k < count; ++k)
    values[k] = k % 7 == 3 ? awkward[engine() % 5] : static_cast<double>(engine() >> 11) * 0x1p-52 - 1.0;
  return values;
}

void ExpectSameBits(const std::vector<double>& expected, const std::vector<double>& actual, const char* what,
                    std::int32_t count) {
  for (std::size_t k = 0; k < expected.size(); ++k)
    ASSERT_EQ(std::bit_cast<std::uint64_t>(expected[k]), std::bit_cast<std::uint64_t>(actual[k]))
        << what << ", count " << count << ", element " << k;
}

TEST(EigenLanes, EveryWidthGivesTheOneElementBits) {
  std::mt19937_64 engine(5);
  for (const EigenLanes* lanes : {&TwoEigenLanes(), &ChosenEigenLanes()}) {
    for (std::int32_t count = 0; count <= 37; ++count) {
      const std::vector<double> a = Values(engine, count), b = Values(engine, count), c = Values(engine, count);
      const double x = 0.75 - static_cast<double>(count) / 16, y = -1.5 + static_cast<double>(count) / 8;
      const auto reference = [&](auto formula) {
        std::vector<double> out = a, other = b;
        for (std::int32_t k = 0; k < count; ++k) formula(out[k], other[k], b[k], c[k]);
        return std::pair{out, other};
      };
      const auto check = [&](const char* what, auto formula, auto lanesCall) {
        const auto [expected, expectedOther] = reference(formula);
        std::vector<double> out = a, other = b;
        lanesCall(out.data(), other.data());
        ExpectSameBits(expected, out, what, count);
        ExpectSameBits(expectedOther, other, what, count);
      };
      check("subtractRankTwoLeading", [&](double& o, double&, double bk, double ck) { o = o - (x * bk + y * ck); },
            [&](double* o, double*) { lanes->subtractRankTwoLeading(o, x, b.data(), y, c.data(), count); });
      check("subtractRankTwoTrailing", [&](double& o, double&, double bk, double ck) { o = o - (bk * y + ck * x); },
            [&](double* o, double*) { lanes->subtractRankTwoTrailing(o, b.data(), y, c.data(), x, count); });
      check("subtractTimes", [&](double& o, double&, double bk, double) { o = o - bk * x; },
            [&](double* o, double*) { lanes->subtractTimes(o, b.data(), x, count); });
      check("rotate",
            [&](double& lower, double& upper, double, double) {
              const double f = upper;
              upper = y * lower + x * f;
              lower = x * lower - y * f;
            },
            [&](double* lower, double* upper) { lanes->rotate(lower, upper, x, y, count); });
    }
  }
}

// Weighted sums of up to six padded rows, both operand orders, against the
// sums made one row at a time from 0.
TEST(EigenLanes, RowSumsGiveTheOneRowAtATimeBits) {
  std::mt19937_64 engine(7);
  constexpr std::int32_t kRows = 6;
  for (const EigenLanes* lanes : {&TwoEigenLanes(), &ChosenEigenLanes()}) {
    for (std::int32_t count = 0; count <= 37; ++count) {
      const std::int32_t stride = count + 3;
      const std::vector<double> matrix = Values(engine, kRows * stride), weights = Values(engine, kRows);
      for (std::int32_t rows = 0; rows <= kRows; ++rows) {
        for (const bool rowFirst : {true, false}) {
          std::vector<double> expected(count + kSentinels, kSentinel), actual = expected;
          for (std::int32_t j = 0; j < count; ++j) {
            double sum = 0.0;
            for (std::int32_t k = 0; k < rows; ++k) {
              const double row = matrix[k * stride + j];
              sum = sum + (rowFirst ? row * weights[k] : weights[k] * row);
            }
            expected[j] = sum;
          }
          (rowFirst ? lanes->sumRowsTimes : lanes->sumTimesRows)(actual.data(), matrix.data(), stride,
                                                                 weights.data(), rows, count);
          ExpectSameBits(expected, actual, rowFirst ? "sumRowsTimes" : "sumTimesRows", count);
        }
      }
    }
  }
}

// Up to five rotations of six padded rows, recorded as one or two sweeps,
// against the rotations made one element at a time in their order.
TEST(EigenLanes, SweepsGiveTheOneRotationAtATimeBits) {
  std::mt19937_64 engine(6);
  constexpr std::int32_t kRows = 6;
  for (const EigenLanes* lanes : {&TwoEigenLanes(), &ChosenEigenLanes()}) {
    for (std::int32_t count = 1; count <= 37; ++count) {
      const std::int32_t stride = count + 3;
      const std::vector<double> start = Values(engine, kRows * stride - kSentinels);
      const std::vector<double> c = Values(engine, kRows), s = Values(engine, kRows);
      for (std::int32_t low = 0; low < kRows - 1; ++low) {
        for (std::int32_t high = low; high < kRows - 1; ++high) {
          std::vector<double> expected = start, actual = start;
          for (std::int32_t i = high; i >= low; --i)
            for (std::int32_t k = 0; k < count; ++k) {
              double& lower = expected[i * stride + k];
              double& upper = expected[(i + 1) * stride + k];
              const double f = upper;
              upper = s[i] * lower + c[i] * f;
              lower = c[i] * lower - s[i] * f;
            }
          // The same rotations as two recorded sweeps, split at the middle.
          const std::int32_t middle = (high + low + 1) / 2;
          std::vector<RecordedSweep> list = {{high, middle, 0}};
          if (middle > low) list.push_back({middle - 1, low, high - middle + 1});
          std::vector<double> cInOrder, sInOrder;
          for (std::int32_t i = high; i >= low; --i) {
            cInOrder.push_back(c[i]);
            sInOrder.push_back(s[i]);
          }
          lanes->sweeps(actual.data(), stride, list.data(), static_cast<std::int32_t>(list.size()), cInOrder.data(),
                        sInOrder.data(), count);
          ExpectSameBits(expected, actual, "sweep", count);
        }
      }
    }
  }
}

}  // namespace
}  // namespace Zq::Math
