// The add-in's tangent: correctly rounded as GNU MPFR rounds, on a sample of
// every class of argument and on the published hardest-to-round arguments;
// its stored constants and its exact reduction by pi/2 checked against MPFR.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "numerics/half_pi_reduction.h"
#include "numerics/tangent_tables.h"
#include "tests/unit/mpfr_reference.h"
#include "tests/unit/quick_variant_test.h"
#include "tests/unit/rounding_check.h"

namespace {

using Zq::Test::CorrectlyRounded;
using Zq::Test::Disagreement;
using Zq::Test::SameResult;

// Arguments in (0, pi) whose tangent lies within about 2^-101 .. 2^-117 of a
// rounding boundary (of round to nearest or of the directed roundings), from
// Lefevre and Muller's published worst cases (the 60 hardest of a sample).
constexpr double kHardCases[] = {
    0x1.67fffffffe845p-19,
    0x1.50486b2f87014p-5,
    0x1.3a20addcadf74p-2,
    0x1.06c21d10bce7dp-3,
    0x1.42fbbcfb8a2abp-2,
    0x1.04e8d3351c05cp-3,
    0x1.3652dd0d71dadp-24,
    0x1.0ba3ffadac42cp+0,
    0x1.0a402fcc79297p-25,
    0x1.5d3185dd66cebp-1,
    0x1.47d69c5e19536p-1,
    0x1.40d9df94f1bddp-24,
    0x1.0a402fcc79298p-25,
    0x1.3bacd6561ff5dp-25,
    0x1.3759625b0fb96p-2,
    0x1.66982328f5e5fp-1,
    0x1.0070ebbf6ca19p-3,
    0x1.61246d6ad9aecp-25,
    0x1.3bacd6561ff5cp-25,
    0x1.043750295596p-6,
    0x1.52ef932d92b1ap-2,
    0x1.654c1b4316dcap-24,
    0x1.61246d6ad9aedp-25,
    0x1.157bd8e7443e1p-1,
    0x1.02a3ad2ef6f46p-24,
    0x1.1ecf55daa68a2p-24,
    0x1.064e5f79f5c89p-2,
    0x1.0236b1f944f23p+0,
    0x1.008054c8de4cap-14,
    0x1.5ce31c83539dap-24,
    0x1.5206063312a1bp-1,
    0x1.262e2ffc980fap-2,
    0x1.0dffffffd7f47p-16,
    0x1.0a402fcc79299p-25,
    0x1.0a402fcc79296p-25,
    0x1.11733d66373bbp-24,
    0x1.013b02b29d9e4p-7,
    0x1.2b076f131c9d3p-24,
    0x1.00aa39615213cp-23,
    0x1.6635576c317f8p-1,
    0x1.63c2d5b32edbap-2,
    0x1.3bacd6561ff5ep-25,
    0x1.0fec78752147ep+0,
    0x1.010f8a3ed8741p-19,
    0x1.4abac3ee06702p-24,
    0x1.3bacd6561ff5bp-25,
    0x1.1c978da9218cdp-1,
    0x1.61246d6ad9aebp-25,
    0x1.40a0d2a8f6aecp-2,
    0x1.0a402fcc79295p-25,
    0x1.2bd96e010f4c8p-2,
    0x1.1afd1ba827015p+0,
    0x1.15ae37b4f852dp+0,
    0x1.11733d66373bap-24,
    0x1.0a402fcc7929ap-25,
    0x1.66e7692b64681p-1,
    0x1.61246d6ad9aeep-25,
    0x1.280698fade5adp-2,
    0x1.0807c9374cc91p-1,
    0x1.02a3ad2ef6f45p-24,
};

// Both variants of the quick pass, the plain one and the fused one.
class TangentRounding : public Zq::Test::QuickVariantTest {};
INSTANTIATE_TEST_SUITE_P(QuickPasses, TangentRounding, ::testing::Bool(), Zq::Test::QuickVariantName);

// ZQ_ROUNDING_COUNT raises the number of arguments (a long sweep by hand).
TEST_P(TangentRounding, RoundsAsMpfrOnEveryKindOfArgument) {
  const char* count = std::getenv("ZQ_ROUNDING_COUNT");
  std::string failures;
  const long wrong =
      Zq::Test::CountMisrounded(Zq::Test::kTangentRoundingCheck, 1, count != nullptr ? std::atol(count) : 40000, failures);
  EXPECT_EQ(wrong, 0) << failures;
}

TEST_P(TangentRounding, RoundsThePublishedHardCasesAsMpfr) {
  int wrong = 0;
  for (double v : kHardCases) {
    for (double x : {v, -v}) {
      const double expected = CorrectlyRounded(mpfr_tan, x);
      if (!SameResult(std::tan(x), expected) && ++wrong <= 5) {
        ADD_FAILURE() << Disagreement("tan", x, std::tan(x), expected);
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

// Reduced arguments next to the midpoints between the table's points i/256,
// where the quick pass may pick either neighbour (the fused one places x
// among the points before the reduction is done, a little towards 0), for
// small and large multiples k of pi/2: the doubles around k pi/2 + (i +- 1/2)/256.
TEST_P(TangentRounding, RoundsAsMpfrNextToTheMidpointsBetweenTablePoints) {
  int wrong = 0;
  for (double k : {0.0, 1.0, 2.0, 3.0, 1001.0, 123457.0, 615842.0, 667544.0}) {
    for (int i : {0, 1, 2, 57, 200, 201}) {
      for (double side : {-0.5, 0.5}) {
        for (double sign : {1.0, -1.0}) {
          double x = sign * (k * (M_PI / 2) + (i + side) / 256);
          for (int step = 0; step < 64; ++step) x = std::nextafter(x, -INFINITY);
          for (int step = 0; step < 128; ++step, x = std::nextafter(x, INFINITY)) {
            const double expected = CorrectlyRounded(mpfr_tan, x);
            if (!SameResult(std::tan(x), expected) && ++wrong <= 5) {
              ADD_FAILURE() << Disagreement("tan", x, std::tan(x), expected);
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(Tangent, SpecialAndExtremeArguments) {
  EXPECT_TRUE(std::signbit(std::tan(-0.0)) && std::tan(-0.0) == 0.0);
  EXPECT_TRUE(!std::signbit(std::tan(0.0)) && std::tan(0.0) == 0.0);
  EXPECT_TRUE(std::isnan(std::tan(INFINITY)));
  EXPECT_TRUE(std::isnan(std::tan(-INFINITY)));
  EXPECT_TRUE(std::isnan(std::tan(NAN)));
  // Tiny arguments, subnormal ones included, are their own tangent.
  for (double x : {DBL_TRUE_MIN, -DBL_TRUE_MIN, 0x1.8p-1030, DBL_MIN, 0x1.fffffffffffffp-28}) EXPECT_EQ(std::tan(x), x);
  // The nearest doubles to multiples of pi/2 (the second comes within 2^-61
  // of one, the closest of any double), the largest double, and the edges of
  // the quick reduction's range.
  for (double x : {0x1.921fb54442d18p+0, 0x1.921fb54442d18p+1, 0x1.2d97c7f3321d2p+1, 0x1.6ac5b262ca1ffp+849, DBL_MAX,
                   -DBL_MAX, 0x1.fffffffffffffp+19, 0x1.0p+20, 0x1.0000000000001p+20, 0x1.0p-27, 0x1.921fb54442d18p-1}) {
    EXPECT_TRUE(SameResult(std::tan(x), CorrectlyRounded(mpfr_tan, x))) << std::hexfloat << x;
  }
}

// hi + lo within 2^-104 of the value, relative.
bool Close(double hi, double lo, const mpfr_t value) {
  return Zq::Test::ErrorAgainst(value, value, hi, lo) < 0x1.0p-104;
}

// The 32-bit words of the fraction of v, compared with `words`.
bool SameWords(mpfr_t v, const std::uint32_t* words, int count) {
  for (int i = 0; i < count; ++i) {
    mpfr_mul_2ui(v, v, 32, MPFR_RNDN);
    const unsigned long word = mpfr_get_ui(v, MPFR_RNDZ);
    if (word != words[i]) return false;
    mpfr_sub_ui(v, v, word, MPFR_RNDN);
  }
  return true;
}

TEST(Tangent, StoredConstantsAgreeWithMpfr) {
  using namespace Zq::Math::TangentTables;
  mpfr_t pi, v;
  mpfr_inits2(1600, pi, v, static_cast<mpfr_ptr>(nullptr));
  mpfr_const_pi(pi, MPFR_RNDN);
  for (int i = -kLastTangentPoint; i <= kLastTangentPoint; ++i) {
    const TangentPoint& t = kTangentPoints[i + kLastTangentPoint];
    mpfr_set_si(v, i, MPFR_RNDN);
    mpfr_div_si(v, v, kTangentPointsPerUnit, MPFR_RNDN);
    mpfr_tan(v, v, MPFR_RNDN);
    if (i != 0) {
      EXPECT_TRUE(Close(t.hi, t.lo, v)) << "tan(" << i << "/" << kTangentPointsPerUnit << ")";
    }
    // head + tail = hi, with head short enough for exact products.
    EXPECT_EQ(t.head + t.tail, t.hi);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(t.head) & 0x7FFFFFFull, 0u) << i;
  }
  // The three parts of pi/2 to 2^-120.
  mpfr_set_d(v, kHalfPi1, MPFR_RNDN);
  mpfr_add_d(v, v, kHalfPi2, MPFR_RNDN);
  mpfr_add_d(v, v, kHalfPi3, MPFR_RNDN);
  mpfr_mul_2ui(v, v, 1, MPFR_RNDN);
  mpfr_sub(v, v, pi, MPFR_RNDN);
  EXPECT_LT(std::fabs(mpfr_get_d(v, MPFR_RNDN)), 0x1.0p-119);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(kHalfPi1) & 0xFFFFFull, 0u);
  EXPECT_EQ(std::bit_cast<std::uint64_t>(kHalfPi2) & 0xFFFFFull, 0u);
  mpfr_ui_div(v, 2, pi, MPFR_RNDN);
  EXPECT_TRUE(SameWords(v, kTwoOverPiWords, 44));
  mpfr_div_2ui(v, pi, 1, MPFR_RNDN);
  mpfr_sub_ui(v, v, 1, MPFR_RNDN);
  EXPECT_TRUE(SameWords(v, kHalfPiFractionWords, 9));
  mpfr_clears(pi, v, static_cast<mpfr_ptr>(nullptr));
}

TEST(Tangent, ReductionByHalfPiIsExactForEveryMagnitude) {
  mpfr_t pi, y, k, r, got;
  mpfr_inits2(3000, pi, y, k, r, got, static_cast<mpfr_ptr>(nullptr));
  mpfr_const_pi(pi, MPFR_RNDN);
  std::uint64_t state = 7;
  int wrong = 0;
  for (int i = 0; i < 3000; ++i) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    const int exponent = -27 + static_cast<int>((state >> 33) % 1051);
    // The first is the double closest to a multiple of pi/2.
    const double a =
        i == 0 ? 0x1.6ac5b262ca1ffp+849 : std::ldexp(1.0 + static_cast<double>(state >> 12) * 0x1.0p-52, exponent);
    // a = k pi/2 + r with k the nearest whole number to a 2/pi.
    mpfr_set_d(y, a, MPFR_RNDN);
    mpfr_mul_2ui(y, y, 1, MPFR_RNDN);
    mpfr_div(y, y, pi, MPFR_RNDN);
    mpfr_rint(k, y, MPFR_RNDN);
    mpfr_sub(r, y, k, MPFR_RNDN);
    mpfr_mul(r, r, pi, MPFR_RNDN);
    mpfr_div_2ui(r, r, 1, MPFR_RNDN);
    mpfr_div_2ui(k, k, 1, MPFR_RNDN);
    const bool odd = mpfr_integer_p(k) == 0;
    const Zq::Math::HalfPiReduction reduced = Zq::Math::ReduceByHalfPi(a);
    // The computed |r| from its words, against MPFR's to 2^-240.
    mpfr_set_ui(got, 0, MPFR_RNDN);
    for (int w = Zq::Math::FixedPoint::kWords - 1; w >= 0; --w) {
      mpfr_mul_2ui(got, got, 32, MPFR_RNDN);
      mpfr_add_ui(got, got, reduced.magnitude[w], MPFR_RNDN);
    }
    mpfr_div_2ui(got, got, 256, MPFR_RNDN);
    if (reduced.negative) mpfr_neg(got, got, MPFR_RNDN);
    mpfr_sub(got, got, r, MPFR_RNDN);
    mpfr_abs(got, got, MPFR_RNDN);
    const bool right = reduced.odd == odd && mpfr_cmp_ui_2exp(got, 1, -240) < 0;
    if (!right && ++wrong <= 5) ADD_FAILURE() << std::hexfloat << "reduction of " << a;
  }
  EXPECT_EQ(wrong, 0);
  mpfr_clears(pi, y, k, r, got, static_cast<mpfr_ptr>(nullptr));
}

}  // namespace
