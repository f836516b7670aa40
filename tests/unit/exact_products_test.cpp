// The quick passes' two ways of forming exact products give the same pairs,
// and the fused variant is chosen exactly where the processor can run it.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "numerics/exact_products.h"

namespace {

using Zq::Math::Elementary::Plain;

bool Same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

TEST(ExactProducts, FusedVariantIsInForceExactlyWhereTheProcessorHasIt) {
  EXPECT_FALSE(Zq::Math::UseFusedMultiplyAdd(false));
  EXPECT_FALSE(Zq::Math::fusedMultiplyAddInUse);
#if ZQ_RUNTIME_AVX
  const bool fused = __builtin_cpu_supports("fma");
#else
  const bool fused = false;
#endif
  EXPECT_EQ(Zq::Math::UseFusedMultiplyAdd(true), fused);
  EXPECT_EQ(Zq::Math::fusedMultiplyAddInUse, fused);
}

#if ZQ_RUNTIME_AVX
struct Results {
  Zq::Math::DoubleDouble::DD product;
  double mulAdd;
  Zq::Math::DoubleDouble::DD sum;
};

// Operands as the quick passes use them: the product of any two doubles
// a and c, and that of a 27-bit a and a 26-bit b (exact) added to c, at
// least as large.
ZQ_FUSED Results FusedResults(double a, double shortB, double c) {
  using Zq::Math::Elementary::Fused;
  return {Fused::TwoProduct(a, c), Fused::ExactMulAdd(a, shortB, c), Fused::FastTwoSumOfProduct(c, a, shortB)};
}

TEST(ExactProducts, FusedAndPlainGiveTheSameValues) {
  if (!__builtin_cpu_supports("fma")) GTEST_SKIP() << "no fused multiply-add here";
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  const auto unit = [&] {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return static_cast<double>(state >> 11) * 0x1.0p-53;
  };
  for (int i = 0; i < 100000; ++i) {
    const double a = std::ldexp(std::floor((unit() - 0.5) * 0x1.0p28), static_cast<int>(state % 80) - 67);
    const double shortB = std::ldexp(std::floor(unit() * 0x1.0p26), -26 - static_cast<int>(state % 20));
    const double c = (unit() + 1.0) * (std::ldexp(1.0, static_cast<int>(state % 10) - 5) + std::abs(a * shortB));
    const Results fused = FusedResults(a, shortB, c);
    const Zq::Math::DoubleDouble::DD product = Plain::TwoProduct(a, c);
    const Zq::Math::DoubleDouble::DD sum = Plain::FastTwoSumOfProduct(c, a, shortB);
    ASSERT_TRUE(Same(fused.product.hi, product.hi) && Same(fused.product.lo, product.lo)) << std::hexfloat << a << " " << c;
    ASSERT_TRUE(Same(fused.mulAdd, Plain::ExactMulAdd(a, shortB, c))) << std::hexfloat << a << " " << shortB << " " << c;
    ASSERT_TRUE(Same(fused.sum.hi, sum.hi) && Same(fused.sum.lo, sum.lo)) << std::hexfloat << a << " " << shortB << " " << c;
  }
}
#endif

}  // namespace
