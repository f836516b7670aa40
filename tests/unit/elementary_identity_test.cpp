// The add-in's exp, log, pow, sinh, cosh, tanh and tan against the frozen
// copy of their earlier versions: the faster quick passes must not change a
// single bit where the earlier version rounded correctly. Where the two
// differ, GNU MPFR decides: the new result must be the correctly rounded
// one (the earlier versions misrounded a few subnormal results, halfway
// powers and arguments closer to a rounding boundary than their bounds
// allowed); the number of such arguments is reported. tan has not changed
// and must match everywhere. Every function sees random doubles of every
// magnitude and dense samples of the ranges where rounding or reduction is
// delicate. The tests of exp, log, pow and the hyperbolic functions run on
// both variants of their quick passes.
// ZQ_IDENTITY_COUNT raises the number of arguments per group (the default
// keeps the run short; a one-off check by hand uses millions).
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>

#include "tests/unit/argument_stream.h"
#include "tests/unit/elementary_reference.h"
#include "tests/unit/mpfr_reference.h"
#include "tests/unit/quick_variant_test.h"

namespace {

using Zq::Test::ReferenceCosh;
using Zq::Test::ReferenceExp;
using Zq::Test::ReferenceLog;
using Zq::Test::ReferencePow;
using Zq::Test::ReferenceSinh;
using Zq::Test::ReferenceTanh;

using Stream = Zq::Test::ArgumentStream;

// Counts the arguments where the two functions differ in any bit, and
// reports the first few; with an oracle, a difference where the new result
// is the correctly rounded one (and the earlier one is not) is counted
// apart and reported. A NaN's sign is not part of the result (the compiler
// may flip it when it rewrites a negated operand, and a worksheet sees an
// error either way): any two NaNs match.
class Comparison {
 public:
  using Oracle = std::function<double()>;
  explicit Comparison(std::string name) : name_(std::move(name)) {}
  void Check(double now, double before, const std::string& call, const Oracle& oracle = nullptr) {
    if (Zq::Test::SameResult(now, before)) return;
    if (oracle) {
      const double correct = oracle();
      if (std::bit_cast<std::uint64_t>(now) == std::bit_cast<std::uint64_t>(correct)) {
        if (++corrected_ <= 3) std::cout << "  " << name_ << ": the earlier version misrounded " << call << "\n";
        return;
      }
    }
    if (++mismatches_ <= 5) ADD_FAILURE() << call << ": " << now << " now, " << before << " before";
  }
  ~Comparison() {
    EXPECT_EQ(mismatches_, 0);
    if (corrected_ > 0) std::cout << "  " << name_ << ": " << corrected_ << " arguments misrounded before, correct now\n";
  }

 private:
  std::string name_;
  long mismatches_ = 0;
  long corrected_ = 0;
};

std::string Text(double x) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%a", x);
  return buffer;
}

using Unary = std::function<double(double)>;

// Each function with its MPFR counterpart (none for tan, which must match).
struct Function {
  const char* name;
  Unary now;
  Unary before;
  Zq::Test::MpfrUnary mpfr;
};

Comparison::Oracle OracleFor(const Function& f, double x) {
  if (f.mpfr == nullptr) return nullptr;
  return [&f, x] { return Zq::Test::CorrectlyRounded(f.mpfr, x); };
}

void CompareOn(const Function& f, const std::function<double(Stream&)>& argument, std::uint64_t seed) {
  Stream stream(seed);
  Comparison comparison(f.name);
  for (long i = 0, n = Zq::Test::IdentityCount(); i < n; ++i) {
    const double x = argument(stream);
    comparison.Check(f.now(x), f.before(x), std::string(f.name) + "(" + Text(x) + ")", OracleFor(f, x));
  }
}

// The arguments every function sees: all doubles, and magnitudes from
// subnormal to huge.
void CompareEverywhere(const Function& f) {
  CompareOn(f, [](Stream& s) { return s.AnyDouble(); }, 1);
  CompareOn(f, [](Stream& s) { return s.Spread(-1074, 12); }, 2);
  CompareOn(f, [](Stream& s) { return s.Spread(-40, 3); }, 3);
  const double specials[] = {0.0, -0.0, INFINITY, -INFINITY, NAN, -NAN, 1.0, -1.0, 0x1.0p-1074, -0x1.0p-1074, 0x1.fffffffffffffp+1023};
  Comparison comparison(f.name);
  for (double x : specials) comparison.Check(f.now(x), f.before(x), std::string(f.name) + "(" + Text(x) + ")", OracleFor(f, x));
}

const Function kExp{"exp", [](double x) { return std::exp(x); }, ReferenceExp, mpfr_exp};
const Function kLog{"log", [](double x) { return std::log(x); }, ReferenceLog, mpfr_log};
const Function kSinh{"sinh", [](double x) { return std::sinh(x); }, ReferenceSinh, mpfr_sinh};
const Function kCosh{"cosh", [](double x) { return std::cosh(x); }, ReferenceCosh, mpfr_cosh};
const Function kTanh{"tanh", [](double x) { return std::tanh(x); }, ReferenceTanh, mpfr_tanh};

class ElementaryIdentity : public Zq::Test::QuickVariantTest {};
INSTANTIATE_TEST_SUITE_P(QuickPasses, ElementaryIdentity, ::testing::Bool(), Zq::Test::QuickVariantName);

TEST_P(ElementaryIdentity, ExpMatchesEarlierVersion) {
  CompareEverywhere(kExp);
  CompareOn(kExp, [](Stream& s) { return s.In(-750.0, 712.0); }, 10);
  CompareOn(kExp, [](Stream& s) { return s.In(-20.0, 20.0); }, 11);
  // Around overflow, the subnormal range's start and end, and whole
  // multiples of log 2 / 64.
  const double edges[] = {0x1.62e42fefa39efp+9, -0x1.6232bdd7abcd2p+9, -0x1.74385446d71c3p+9, -0x1.74910d52d3051p+9};
  CompareOn(kExp, [&](Stream& s) { return s.Near(edges[s.Bits() % 4]); }, 12);
  CompareOn(kExp, [](Stream& s) { return s.Near(static_cast<double>(static_cast<int>(s.Bits() % 65536) - 32768) * 0x1.62e42fefa39efp-7); },
            13);
}

TEST_P(ElementaryIdentity, LogMatchesEarlierVersion) {
  CompareEverywhere(kLog);
  CompareOn(kLog, [](Stream& s) { return s.In(0.0, 4.0); }, 20);
  CompareOn(kLog, [](Stream& s) { return 1.0 + s.Spread(-60, -1); }, 21);
  CompareOn(kLog, [](Stream& s) { return s.Near(1.0); }, 22);
  CompareOn(kLog, [](Stream& s) { return std::ldexp(s.In(0.5, 1.0), -1074 + static_cast<int>(s.Bits() % 60)); }, 23);
}

TEST_P(ElementaryIdentity, PowMatchesEarlierVersion) {
  Stream stream(30);
  Comparison comparison("pow");
  const auto check = [&](double x, double y) {
    comparison.Check(std::pow(x, y), ReferencePow(x, y), "pow(" + Text(x) + ", " + Text(y) + ")",
                     [x, y] { return Zq::Test::CorrectlyRounded(mpfr_pow, x, y); });
  };
  // Whole and half exponents over a grid of bases, either sign.
  for (int i = -40; i <= 40; ++i) {
    for (int j = -200; j <= 200; ++j) {
      const double x = i / 4.0, y = j / 2.0;
      check(x, y);
      check(x + 1.0 / 3, y);
    }
  }
  for (long i = 0, n = Zq::Test::IdentityCount(); i < n; ++i) {
    check(stream.AnyDouble(), stream.AnyDouble());
    check(stream.In(0.0, 10.0), stream.In(-100.0, 100.0));
    check(stream.Spread(-1074, 1023), stream.Spread(-8, 3));
    check(1.0 + stream.Spread(-60, -4), stream.Spread(0, 60));
    check(-stream.In(0.0, 20.0), static_cast<double>(static_cast<int>(stream.Bits() % 400) - 200));
  }
}

TEST_P(ElementaryIdentity, HyperbolicFunctionsMatchEarlierVersions) {
  CompareEverywhere(kSinh);
  CompareEverywhere(kCosh);
  CompareEverywhere(kTanh);
  const auto moderate = [](Stream& s) { return s.In(-40.0, 40.0); };
  const auto large = [](Stream& s) { return s.In(-712.0, 712.0); };
  CompareOn(kSinh, moderate, 40);
  CompareOn(kSinh, large, 41);
  CompareOn(kCosh, moderate, 42);
  CompareOn(kCosh, large, 43);
  CompareOn(kTanh, moderate, 44);
}

}  // namespace
