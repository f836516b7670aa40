// Writes numerics/elementary_tables.h: the constants and tables of the add-in's
// exp and log, each entry computed once with GNU MPFR at high precision and
// rounded as stated beside it. After changing a table, run it and commit the
// output (the test elementary_tables_are_generated compares the two):
//   cmake --build build --target elementary_tables_generator
//   build/elementary_tables_generator > numerics/elementary_tables.h
#include <mpfr.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr mpfr_prec_t kWorking = 400;

// x rounded to the nearest number of `bits` significant bits, as a double.
double Rounded(const mpfr_t x, int bits) {
  mpfr_t r;
  mpfr_init2(r, bits);
  mpfr_set(r, x, MPFR_RNDN);
  const double d = mpfr_get_d(r, MPFR_RNDN);
  mpfr_clear(r);
  return d;
}

// Splits x into a head of `bits` significant bits and the nearest double to
// the rest.
void Split(const mpfr_t x, int bits, double& head, double& tail) {
  head = Rounded(x, bits);
  mpfr_t rest;
  mpfr_init2(rest, kWorking);
  mpfr_sub_d(rest, x, head, MPFR_RNDN);
  tail = mpfr_get_d(rest, MPFR_RNDN);
  mpfr_clear(rest);
}

void PrintConstant(const char* comment, const char* name, double value) {
  if (comment[0] != '\0') std::printf("// %s\n", comment);
  std::printf("constexpr double %s = %a;\n", name, value);
}


// A table entry {inverse, head, tail} with -log(inverse) = head + tail to
// within 2^-96: the head a whole multiple of 2^-42, like log 2's head times
// any exponent, so that their sum is exact. A zero is written as +0.
void PrintLogPoint(double inverse) {
  mpfr_t x, y;
  mpfr_inits2(kWorking, x, y, static_cast<mpfr_ptr>(nullptr));
  mpfr_set_d(x, inverse, MPFR_RNDN);
  mpfr_log(x, x, MPFR_RNDN);
  mpfr_neg(x, x, MPFR_RNDN);
  mpfr_mul_2ui(y, x, 42, MPFR_RNDN);
  mpfr_round(y, y);
  mpfr_div_2ui(y, y, 42, MPFR_RNDN);
  const double head = mpfr_get_d(y, MPFR_RNDN);
  mpfr_sub(y, x, y, MPFR_RNDN);
  const double tail = mpfr_get_d(y, MPFR_RNDN);
  std::printf("    {%a, %a, %a},\n", inverse, head + 0.0, tail + 0.0);
  mpfr_clears(x, y, static_cast<mpfr_ptr>(nullptr));
}

// The fused logarithm's intervals: z runs over one binade's worth of bit
// patterns from kFusedLogOffset, cut into 256 intervals of 2^44 patterns,
// the one holding 1 centred on it. For each, 1/c is the multiple of 2^-b
// (b as large as allowed) nearest to 1 over the interval's middle such that
// z (1/c) - 1 is a double for every z in the interval: below 1, z is a
// multiple of 2^-53 and the product one of 2^-(53+b), exact while it stays
// within 2^-b of 1; from 1 on, within 2^(1-b). The interval holding 1 takes
// 1/c = 1. Stops with a message if an interval has no such value.
constexpr std::uint64_t kFusedLogOffset = 0x3FF0000000000000ull - (std::uint64_t{1} << 43) - (std::uint64_t{160} << 44);

double FromBits(std::uint64_t bits) {
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

// The largest |z q - 1| over [low, high], exactly (both ends are doubles).
double LargestReduced(double low, double high, double q) {
  mpfr_t r;
  mpfr_init2(r, kWorking);
  mpfr_set_d(r, low, MPFR_RNDN);
  mpfr_mul_d(r, r, q, MPFR_RNDN);
  mpfr_sub_ui(r, r, 1, MPFR_RNDN);
  const double atLow = std::fabs(mpfr_get_d(r, MPFR_RNDU));
  mpfr_set_d(r, high, MPFR_RNDN);
  mpfr_mul_d(r, r, q, MPFR_RNDN);
  mpfr_sub_ui(r, r, 1, MPFR_RNDN);
  const double atHigh = std::fabs(mpfr_get_d(r, MPFR_RNDU));
  mpfr_clear(r);
  return atLow > atHigh ? atLow : atHigh;
}

// |log z| over [low, high] (an interval not holding 1), rounded down.
double SmallestLog(double low, double high) {
  mpfr_t a;
  mpfr_init2(a, kWorking);
  mpfr_set_d(a, high < 1.0 ? high : low, MPFR_RNDN);
  mpfr_log(a, a, MPFR_RNDN);
  mpfr_abs(a, a, MPFR_RNDN);
  const double smallest = mpfr_get_d(a, MPFR_RNDD);
  mpfr_clear(a);
  return smallest;
}

// What the fused logarithm's error bound rests on, for exponent 0 (larger
// exponents only make the result larger): |r| < 2^-8.54, and below 2^-9 in
// the interval holding 1; elsewhere |log(1/c)| > |r|, and relative to the
// smallest |log z|, r^3/3 below 2^-19.56 and the series' remainder r^9/9 (1 +
// |r| + ...) below 2^-74.8; in the interval holding 1 the same relative to
// |r| itself. Checked with margins in doubles; stops with a message if one fails.
void CheckFusedLogBounds(std::uint64_t j, double low, double high, double inverse, double reduced) {
  const bool holdsOne = low <= 1.0 && 1.0 <= high;
  const double result = holdsOne ? reduced * (1 - 0x1.0p-10) : SmallestLog(low, high);
  const double cube = reduced * reduced * reduced / 3 * (1 + 0x1.0p-40);
  const double remainder = std::pow(reduced, 9) / 9 / (1 - reduced) * (1 + 0x1.0p-40);
  const double logInverse = std::fabs(std::log(inverse));
  const bool sound = reduced < 0x1.6p-9 && (!holdsOne || reduced <= 0x1.0p-9) &&
                     (holdsOne || logInverse * (1 - 0x1.0p-40) > reduced) &&
                     cube < std::exp2(-19.56) * result &&
                     remainder < std::exp2(-74.8) * result;
  if (!sound) {
    std::fprintf(stderr, "fused log interval %llu: |r| up to %a breaks the bound\n", static_cast<unsigned long long>(j),
                 reduced);
    std::exit(1);
  }
}

void PrintFusedLogPoints() {
  std::printf(
      "\n// The fused logarithm's reduction: z, x scaled by a power of two so that its\n"
      "// bits lie in [kFusedLogOffset, kFusedLogOffset + 2^52), falls in interval\n"
      "// (bits - kFusedLogOffset) / 2^44; the interval holding 1 is [1 - 2^-10, 1 + 2^-9).\n"
      "// inverse: 1/c, a multiple of 2^-b with z inverse - 1 exactly a double over\n"
      "// the interval (1 in the interval holding 1), |z inverse - 1| < 2^-8.54;\n"
      "// -log(inverse) as head + tail to within 2^-96, the head a multiple of 2^-42.\n"
      "// Each entry fills 32 bytes, so that its offset is the index shifted.\n"
      "constexpr std::uint64_t kFusedLogOffset = 0x%016llxull;\n\n"
      "struct alignas(32) FusedLogPoint {\n  double inverse;\n  double logHead;\n  double logTail;\n};\n\n"
      "constexpr FusedLogPoint kFusedLogPoints[256] = {\n",
      static_cast<unsigned long long>(kFusedLogOffset));
  for (std::uint64_t j = 0; j < 256; ++j) {
    const double low = FromBits(kFusedLogOffset + (j << 44));
    const double high = FromBits(kFusedLogOffset + ((j + 1) << 44) - 1);
    double inverse = 1.0, reduced = LargestReduced(low, high, 1.0);
    if (!(low <= 1.0 && 1.0 <= high)) {
      reduced = 1.0;
      for (int b = 1; b <= 30; ++b) {
        const double step = std::ldexp(1.0, -b);
        const double q = std::nearbyint(2.0 / (low + high) / step) * step;
        const double limit = low < 1.0 ? step : 2 * step;
        const double r = LargestReduced(low, high, q);
        if (r < limit && r < reduced) {
          inverse = q;
          reduced = r;
        }
      }
      if (reduced >= 0x1.0p-8) {
        std::fprintf(stderr, "no short inverse for interval %llu\n", static_cast<unsigned long long>(j));
        std::exit(1);
      }
    }
    CheckFusedLogBounds(j, low, high, inverse, reduced);
    PrintLogPoint(inverse);
  }
  std::printf("};\n");
}

}  // namespace

int main() {
  mpfr_t ln2, x, y;
  mpfr_inits2(kWorking, ln2, x, y, static_cast<mpfr_ptr>(nullptr));
  mpfr_const_log2(ln2, MPFR_RNDN);

  std::printf(
      "// Generated by tests/tools/elementary_tables_generator.cpp with GNU MPFR;\n"
      "// do not edit by hand.\n"
      "#pragma once\n\n"
      "#include <cstdint>\n\n"
      "namespace Zq::Math::ElementaryTables {\n\n");

  mpfr_ui_div(y, 256, ln2, MPFR_RNDN);
  PrintConstant("256 / log 2, nearest.", "kIntervalsPerLn2", Rounded(y, 53));
  double head, tail;
  mpfr_div_ui(x, ln2, 256, MPFR_RNDN);
  Split(x, 34, head, tail);
  PrintConstant("log 2 / 256 as a 34-bit head (exact times any k below 2^19) and the rest.", "kLn2Over256Head", head);
  PrintConstant("", "kLn2Over256Tail", tail);
  Split(ln2, 42, head, tail);
  PrintConstant("log 2 as a 42-bit head (exact times any exponent) and the rest.", "kLn2Head", head);
  PrintConstant("", "kLn2Tail", tail);

  std::printf(
      "\n// 2^(j/256) = head + tail to within 2^-79, the head rounded to 26 significant\n"
      "// bits so that its product with a 27-bit number is exact.\n"
      "struct PowerOfTwoPoint {\n  double head;\n  double tail;\n};\n\n"
      "constexpr PowerOfTwoPoint kPowersOfTwo[256] = {\n");
  for (int j = 0; j < 256; ++j) {
    mpfr_set_si(x, j, MPFR_RNDN);
    mpfr_div_ui(x, x, 256, MPFR_RNDN);
    mpfr_exp2(x, x, MPFR_RNDN);
    Split(x, 26, head, tail);
    std::printf("    {%a, %a},\n", head, tail);
  }
  std::printf("};\n");

  std::printf(
      "\n// The logarithm's points c = 1 + i/256 for i = %d..%d: 1/c rounded to 14\n"
      "// significant bits (exactly 1 at i = 0), and -log of that rounded value as\n"
      "// head + tail to within 2^-96, the head a multiple of 2^-42.\n"
      "constexpr int kFirstLogPoint = -75;\n"
      "constexpr int kLastLogPoint = 106;\n\n"
      "struct LogPoint {\n  double inverse;\n  double logHead;\n  double logTail;\n};\n\n"
      "constexpr LogPoint kLogPoints[kLastLogPoint - kFirstLogPoint + 1] = {\n",
      -75, 106);
  for (int i = -75; i <= 106; ++i) {
    mpfr_set_si(x, 256 + i, MPFR_RNDN);
    mpfr_ui_div(x, 256, x, MPFR_RNDN);
    PrintLogPoint(Rounded(x, 14));
  }
  std::printf("};\n");

  PrintFusedLogPoints();

  // log 2 truncated to 256 bits below its leading bit: limbs of 32 bits,
  // least significant first, the value being limbs * 2^-256.
  std::printf("\n// log 2 to 256 bits (truncated), as 32-bit limbs, least significant first:\n"
              "// log 2 = sum of kLn2Limbs[i] * 2^(32 i - 256), within 2^-256.\n"
              "constexpr std::uint32_t kLn2Limbs[8] = {");
  mpfr_mul_2ui(x, ln2, 256, MPFR_RNDN);
  mpfr_floor(x, x);
  for (int i = 0; i < 8; ++i) {
    mpfr_fmod_ui(y, x, 1ul << 16, MPFR_RNDN);
    const unsigned long low = mpfr_get_ui(y, MPFR_RNDN);
    mpfr_div_2ui(x, x, 16, MPFR_RNDN);
    mpfr_floor(x, x);
    mpfr_fmod_ui(y, x, 1ul << 16, MPFR_RNDN);
    const unsigned long high = mpfr_get_ui(y, MPFR_RNDN);
    mpfr_div_2ui(x, x, 16, MPFR_RNDN);
    mpfr_floor(x, x);
    std::printf("%s0x%08lxu", i == 0 ? "" : ", ", (high << 16) | low);
  }
  std::printf("};\n\n}  // namespace Zq::Math::ElementaryTables\n");
  mpfr_clears(ln2, x, y, static_cast<mpfr_ptr>(nullptr));
  return 0;
}
