// The 256-bit numbers of the elementary functions' accurate passes: exact
// arithmetic where the result fits, and rounding to double as IEEE
// arithmetic rounds (ties to even, subnormals, overflow), refusing values
// too close to a midpoint for the accuracy claimed.
#include "numerics/wide_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace Zq::Math::WideFloat;

double Exactly(const Wide& w) {
  double result = NAN;
  EXPECT_TRUE(RoundToDouble(w, kExact, result));
  return result;
}

TEST(WideFloat, ArithmeticIsExactWhereTheResultFits) {
  const Wide a = FromDouble(0x1.23456789abcdep+3), b = FromDouble(-0x1.fedcba9876543p-60);
  // a + b needs 116 bits; subtracting b again gives a back exactly.
  EXPECT_EQ(Exactly(Subtract(Add(a, b), b)), 0x1.23456789abcdep+3);
  EXPECT_EQ(Exactly(Multiply(FromDouble(3.0), FromDouble(-0.5))), -1.5);
  EXPECT_EQ(Exactly(DivideBy<3>(FromInteger(9))), 3.0);
  EXPECT_EQ(Exactly(MultiplySmall(FromDouble(0x1.8p-1070), 2)), 0x1.8p-1069);
  EXPECT_TRUE(IsZero(Subtract(a, a)));
  EXPECT_EQ(Exactly(Multiply(Reciprocal(FromInteger(7)), FromInteger(7))), 1.0);
  EXPECT_EQ(Estimate(Scale(FromInteger(5), -3)), 0.625);
}

TEST(WideFloat, RoundsAsIeeeArithmetic) {
  // 1 + 2^-53 is halfway between 1 and the next double: ties to even.
  EXPECT_EQ(Exactly(Add(FromInteger(1), FromDouble(0x1.0p-53))), 1.0);
  EXPECT_EQ(Exactly(Add(FromDouble(1.0 + 0x1.0p-52), FromDouble(0x1.0p-53))), 1.0 + 0x1.0p-51);
  EXPECT_EQ(Exactly(Add(FromInteger(1), FromDouble(0x1.0p-80))), 1.0);
  EXPECT_EQ(Exactly(Add(FromDouble(1.0 + 0x1.0p-52), FromDouble(0x1.0p-54))), 1.0 + 0x1.0p-52);
  // Subnormal results keep fewer bits; 2^-1075 is halfway to zero.
  EXPECT_EQ(Exactly(Scale(FromInteger(1), -1075)), 0.0);
  EXPECT_EQ(Exactly(Scale(FromInteger(3), -1075)), 0x1.0p-1073);
  EXPECT_EQ(Exactly(Scale(FromInteger(3), -1076)), 0x1.0p-1074);
  EXPECT_EQ(Exactly(Scale(FromInteger(5), -1076)), 0x1.0p-1074);
  EXPECT_EQ(Exactly(Negate(Scale(FromInteger(0x1FFFFFFFFFFFFF), -1074))), -0x1.fffffffffffffp-1022);
  EXPECT_EQ(Exactly(Scale(FromInteger(0x3FFFFFFFFFFFFF), -1075)), 0x1.0p-1021);
  EXPECT_EQ(Exactly(Scale(FromInteger(1), -1080)), 0.0);
  // Overflow: the largest double, and what rounds past it.
  const double largest = std::numeric_limits<double>::max();
  EXPECT_EQ(Exactly(FromDouble(largest)), largest);
  EXPECT_EQ(Exactly(Add(FromDouble(largest), FromDouble(0x1.0p+970))), std::numeric_limits<double>::infinity());
  EXPECT_EQ(Exactly(Scale(FromInteger(1), 1024)), std::numeric_limits<double>::infinity());
}

TEST(WideFloat, RefusesValuesTooCloseToAMidpoint) {
  double result = 0.0;
  const Wide nearMidpoint = Add(Add(FromInteger(1), FromDouble(0x1.0p-53)), FromDouble(0x1.0p-200));
  EXPECT_FALSE(RoundToDouble(nearMidpoint, 180, result));
  EXPECT_TRUE(RoundToDouble(nearMidpoint, 220, result));
  EXPECT_EQ(result, 1.0 + 0x1.0p-52);
  const Wide belowMidpoint = Subtract(Add(FromInteger(1), FromDouble(0x1.0p-53)), FromDouble(0x1.0p-200));
  EXPECT_FALSE(RoundToDouble(belowMidpoint, 180, result));
  EXPECT_TRUE(RoundToDouble(belowMidpoint, 220, result));
  EXPECT_EQ(result, 1.0);
}

}  // namespace
