// The add-in's tangent against the frozen copy of its earlier version
// (tests/unit/elementary_reference.cpp): not one bit may change where the
// earlier version was correctly rounded. Where the two differ, MPFR decides:
// the new result must be the correctly rounded one and the old one not. The
// earlier version lost accuracy above about 2^52 and gave NaN above about
// 2^104; each group prints how many of its results changed that way.
// ZQ_IDENTITY_COUNT raises the number of arguments per group.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>

#include "tests/unit/argument_stream.h"
#include "tests/unit/elementary_reference.h"
#include "tests/unit/rounding_check.h"

namespace {

using Zq::Test::CorrectlyRounded;
using Zq::Test::SameResult;

using Stream = Zq::Test::ArgumentStream;

// Compares one group of arguments; fails on any change that MPFR does not
// call a correction, and reports the corrections.
void CompareGroup(const char* group, const std::function<double(Stream&)>& argument, std::uint64_t seed, long count) {
  Stream stream(seed);
  long corrected = 0, wrong = 0;
  for (long i = 0; i < count; ++i) {
    const double x = argument(stream);
    const double now = std::tan(x), before = Zq::Test::ReferenceTan(x);
    if (SameResult(now, before)) continue;
    const double expected = CorrectlyRounded(mpfr_tan, x);
    if (SameResult(now, expected) && !SameResult(before, expected)) {
      ++corrected;
    } else if (++wrong <= 5) {
      ADD_FAILURE() << std::hexfloat << group << ": tan(" << x << ") = " << now << " now, " << before
                    << " before, correctly rounded " << expected;
    }
  }
  EXPECT_EQ(wrong, 0) << group;
  if (corrected > 0) {
    std::printf("tan, %s: %ld of %ld earlier results were misrounded and are now right\n", group, corrected, count);
  }
}

TEST(TangentIdentity, MatchesEarlierVersionWhereItWasCorrectlyRounded) {
  const long n = Zq::Test::IdentityCount();
  CompareGroup("any double", [](Stream& s) { return s.AnyDouble(); }, 1, n);
  CompareGroup("2^-1074 .. 2^12", [](Stream& s) { return s.Spread(-1074, 12); }, 2, n);
  CompareGroup("2^-40 .. 2^3", [](Stream& s) { return s.Spread(-40, 3); }, 3, n);
  CompareGroup("(-10, 10)", [](Stream& s) { return s.In(-10.0, 10.0); }, 50, n);
  CompareGroup("(-1e6, 1e6)", [](Stream& s) { return s.In(-1e6, 1e6); }, 51, n);
  // Next to multiples of pi/2, where the reduced argument nearly vanishes.
  CompareGroup("near k pi/2",
               [](Stream& s) { return s.Near(static_cast<double>(s.Bits() % 2000000) * 0x1.921fb54442d18p+0); }, 52, n);
  CompareGroup("2^20 .. 2^1023", [](Stream& s) { return s.Spread(20, 1023); }, 53, n);
  long i = 0;
  const double specials[] = {0.0, -0.0, INFINITY, -INFINITY, NAN, -NAN, 1.0, -1.0,
                             0x1.0p-1074, -0x1.0p-1074, 0x1.fffffffffffffp+1023};
  CompareGroup("special values", [&](Stream&) { return specials[i++]; }, 4, std::size(specials));
}

}  // namespace
