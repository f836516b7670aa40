// The add-in's own exp, log, pow, sinh, cosh, tanh and tan (linked in place
// of the C library's): correctly rounded against a 200-bit reference, and
// the C standard's answers for special arguments.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "numerics/special_values.h"

namespace {

using Reference = boost::multiprecision::number<
    boost::multiprecision::cpp_bin_float<200, boost::multiprecision::digit_base_2>>;

constexpr double kInf = std::numeric_limits<double>::infinity();
using Zq::Math::kNaN;

// A value the compiler cannot see, so that a call is not folded at compile
// time by the compiler's own library.
double Opaque(double x) {
  volatile double hidden = x;
  return hidden;
}

// A fixed stream of doubles in [0, 1).
class Stream {
 public:
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<double>(state_ >> 11) * 0x1.0p-53;
  }
  double In(double low, double high) { return low + (high - low) * Next(); }

 private:
  std::uint64_t state_ = 0x2545F4914F6CDD1Dull;
};

// Every argument's result must be the reference value rounded to double.
void ExpectCorrectlyRounded(const char* name, const std::vector<double>& arguments,
                            const std::function<double(double)>& function,
                            const std::function<Reference(const Reference&)>& reference) {
  int wrong = 0;
  for (double x : arguments) {
    const double expected = reference(Reference(x)).convert_to<double>();
    const double actual = function(x);
    if (actual != expected) {
      if (++wrong <= 5) ADD_FAILURE() << name << "(" << std::hexfloat << x << ") = " << actual << ", correctly rounded "
                                      << expected;
    }
  }
  EXPECT_EQ(wrong, 0) << name << ": " << wrong << " of " << arguments.size() << " results misrounded";
}

std::vector<double> Uniform(Stream& stream, int count, double low, double high) {
  std::vector<double> values;
  for (int i = 0; i < count; ++i) values.push_back(stream.In(low, high));
  return values;
}

TEST(ElementaryFunctions, ExpAndLogAreCorrectlyRounded) {
  Stream stream;
  std::vector<double> expArguments = Uniform(stream, 1500, -708.0, 709.7);
  for (double x : Uniform(stream, 500, -1e-3, 1e-3)) expArguments.push_back(x);
  expArguments.insert(expArguments.end(), {709.78, -708.39, 1e-300, -1e-17, 0.5, 1.0, 0x1.62e42fefa39efp-1});
  ExpectCorrectlyRounded("exp", expArguments, [](double x) { return std::exp(x); },
                         [](const Reference& x) { return boost::multiprecision::exp(x); });

  std::vector<double> logArguments;
  for (int i = 0; i < 1000; ++i) logArguments.push_back(std::ldexp(stream.In(0.5, 1.0), static_cast<int>(stream.In(-1070, 1024))));
  for (double x : Uniform(stream, 500, 1.0 - 1e-6, 1.0 + 1e-6)) logArguments.push_back(x);
  for (double x : Uniform(stream, 500, 0.7, 1.45)) logArguments.push_back(x);
  logArguments.insert(logArguments.end(), {std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(),
                                           1.0 + 0x1.0p-52, 1.0 - 0x1.0p-53, 2.0, 10.0});
  ExpectCorrectlyRounded("log", logArguments, [](double x) { return std::log(x); },
                         [](const Reference& x) { return boost::multiprecision::log(x); });
}

TEST(ElementaryFunctions, PowIsCorrectlyRounded) {
  Stream stream;
  int wrong = 0;
  const auto check = [&](double x, double y) {
    const double expected = boost::multiprecision::pow(Reference(x), Reference(y)).convert_to<double>();
    const double actual = std::pow(x, y);
    if (actual != expected && ++wrong <= 5) {
      ADD_FAILURE() << "pow(" << std::hexfloat << x << ", " << y << ") = " << actual << ", correctly rounded " << expected;
    }
  };
  for (int i = 0; i < 1500; ++i) check(stream.In(0.0, 20.0), stream.In(-30.0, 30.0));
  for (int i = 0; i < 300; ++i) check(stream.In(1.0 - 1e-9, 1.0 + 1e-9), stream.In(-1e9, 1e9));
  for (int i = 0; i < 300; ++i) check(stream.In(1e-300, 1e-200), stream.In(-3.0, 3.0));
  // Exact powers stay exact; negative bases with whole exponents carry the sign.
  check(2.0, 10.0);
  check(10.0, -2.0);
  check(9.0, 0.5);
  check(1.5, 2.0);
  EXPECT_EQ(std::pow(-2.0, 3.0), -8.0);
  EXPECT_EQ(std::pow(-2.0, -2.0), 0.25);
  EXPECT_EQ(wrong, 0);
}

TEST(ElementaryFunctions, HyperbolicFunctionsAreCorrectlyRounded) {
  Stream stream;
  std::vector<double> arguments = Uniform(stream, 800, -3.0, 3.0);
  for (double x : Uniform(stream, 400, -0.07, 0.07)) arguments.push_back(x);
  for (double x : Uniform(stream, 400, -80.0, 80.0)) arguments.push_back(x);
  for (double x : Uniform(stream, 200, 36.0, 38.0)) arguments.push_back(x);
  arguments.insert(arguments.end(), {1e-9, -2e-8, 0x1.0p-4, 0.34, -0.35, 710.4, -710.4});
  ExpectCorrectlyRounded("sinh", arguments, [](double x) { return std::sinh(x); },
                         [](const Reference& x) { return boost::multiprecision::sinh(x); });
  ExpectCorrectlyRounded("cosh", arguments, [](double x) { return std::cosh(x); },
                         [](const Reference& x) { return boost::multiprecision::cosh(x); });
  ExpectCorrectlyRounded("tanh", arguments, [](double x) { return std::tanh(x); },
                         [](const Reference& x) { return boost::multiprecision::tanh(x); });
}

bool Same(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return a == b && std::signbit(a) == std::signbit(b);
}

TEST(ElementaryFunctions, SpecialArgumentsFollowTheCStandard) {
  struct Case {
    const char* text;
    double actual;
    double expected;
  };
  const double minimum = std::numeric_limits<double>::denorm_min();
  const Case cases[] = {
      {"exp(inf)", std::exp(kInf), kInf},
      {"exp(-inf)", std::exp(-kInf), 0.0},
      {"exp(nan)", std::exp(kNaN), kNaN},
      {"exp(-0)", std::exp(-0.0), 1.0},
      {"exp(710)", std::exp(710.0), kInf},
      {"exp(-746)", std::exp(-746.0), 0.0},
      {"log(0)", std::log(0.0), -kInf},
      {"log(-0)", std::log(-0.0), -kInf},
      {"log(-1)", std::log(-1.0), kNaN},
      {"log(1)", std::log(1.0), 0.0},
      {"log(inf)", std::log(kInf), kInf},
      {"log(nan)", std::log(kNaN), kNaN},
      {"pow(nan, 0)", std::pow(kNaN, 0.0), 1.0},
      {"pow(1, nan)", std::pow(1.0, kNaN), 1.0},
      {"pow(-1, inf)", std::pow(-1.0, kInf), 1.0},
      {"pow(2, nan)", std::pow(2.0, kNaN), kNaN},
      {"pow(0.5, inf)", std::pow(0.5, kInf), 0.0},
      {"pow(0.5, -inf)", std::pow(0.5, -kInf), kInf},
      {"pow(2, inf)", std::pow(2.0, kInf), kInf},
      {"pow(2, -inf)", std::pow(2.0, -kInf), 0.0},
      {"pow(-0, -3)", std::pow(-0.0, -3.0), -kInf},
      {"pow(-0, -2)", std::pow(-0.0, -2.0), kInf},
      {"pow(-0, 3)", std::pow(-0.0, 3.0), -0.0},
      {"pow(0, 0.5)", std::pow(0.0, 0.5), 0.0},
      {"pow(-inf, 3)", std::pow(-kInf, 3.0), -kInf},
      {"pow(-inf, -3)", std::pow(-kInf, -3.0), -0.0},
      {"pow(-inf, 2)", std::pow(-kInf, 2.0), kInf},
      {"pow(inf, -1)", std::pow(kInf, -1.0), 0.0},
      {"pow(-8, 1/3)", std::pow(-8.0, 1.0 / 3.0), kNaN},
      {"pow(2, 1024)", std::pow(2.0, 1024.0), kInf},
      {"pow(-2, 1025)", std::pow(-2.0, 1025.0), -kInf},
      {"pow(2, -1074)", std::pow(2.0, -1074.0), minimum},
      {"pow(2, -1080)", std::pow(2.0, -1080.0), 0.0},
      // Huge exponents: the power over- or underflows whatever the base.
      {"pow(1 + 2^-52, 1e305)", std::pow(Opaque(1.0 + 0x1.0p-52), 1e305), kInf},
      {"pow(1 - 2^-53, 1e300)", std::pow(Opaque(1.0 - 0x1.0p-53), 1e300), 0.0},
      {"pow(1 - 2^-53, -1e300)", std::pow(Opaque(1.0 - 0x1.0p-53), -1e300), kInf},
      {"pow(-3, 1e300)", std::pow(Opaque(-3.0), 1e300), kInf},
      {"pow(1e-310, -8.9e307)", std::pow(Opaque(1e-310), -8.9e307), kInf},
      {"pow(2, -2^65)", std::pow(Opaque(2.0), -0x1.0p65), 0.0},
      // Every finite y beyond 2^64 is an even integer.
      {"pow(-1, 2^64 + 2^12)", std::pow(Opaque(-1.0), 0x1.0p64 + 0x1.0p12), 1.0},
      {"pow(-1, -1e300)", std::pow(Opaque(-1.0), -1e300), 1.0},
      {"pow(-1, max)", std::pow(Opaque(-1.0), std::numeric_limits<double>::max()), 1.0},
      {"sinh(-0)", std::sinh(-0.0), -0.0},
      {"sinh(-inf)", std::sinh(-kInf), -kInf},
      {"sinh(800)", std::sinh(800.0), kInf},
      {"cosh(-inf)", std::cosh(-kInf), kInf},
      {"cosh(0)", std::cosh(0.0), 1.0},
      {"tanh(-inf)", std::tanh(-kInf), -1.0},
      {"tanh(-0)", std::tanh(-0.0), -0.0},
  };
  for (const Case& c : cases) EXPECT_TRUE(Same(c.actual, c.expected)) << c.text << " = " << c.actual;
}

}  // namespace
