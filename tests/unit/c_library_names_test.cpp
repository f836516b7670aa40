// The C library's names in the add-in call the add-in's own functions, each
// its own: std::exp and the rest give Zq::Math::Exp's bits and so on, over
// arguments from every range (specials included).
#include <gtest/gtest.h>

#include <cmath>

#include "numerics/exp.h"
#include "numerics/hyperbolic.h"
#include "numerics/log.h"
#include "numerics/pow.h"
#include "numerics/tangent.h"
#include "tests/unit/argument_stream.h"
#include "tests/unit/mpfr_reference.h"

namespace {

struct Named {
  const char* name;
  double (*cName)(double);
  double (*own)(double);
};

TEST(CLibraryNames, EachCallsTheAddInsOwnFunction) {
  const Named functions[] = {
      {"exp", [](double x) { return std::exp(x); }, Zq::Math::Exp},
      {"log", [](double x) { return std::log(x); }, Zq::Math::Log},
      {"sinh", [](double x) { return std::sinh(x); }, Zq::Math::Sinh},
      {"cosh", [](double x) { return std::cosh(x); }, Zq::Math::Cosh},
      {"tanh", [](double x) { return std::tanh(x); }, Zq::Math::Tanh},
      {"tan", [](double x) { return std::tan(x); }, Zq::Math::Tan},
      {"pow(x, 0.75)", [](double x) { return std::pow(x, 0.75); }, [](double x) { return Zq::Math::Pow(x, 0.75); }},
      {"pow(2.5, x)", [](double x) { return std::pow(2.5, x); }, [](double x) { return Zq::Math::Pow(2.5, x); }},
  };
  for (const Named& f : functions) {
    Zq::Test::ArgumentStream stream(7);
    for (int i = 0; i < 2000; ++i) {
      const double x = i % 2 == 0 ? stream.Spread(-30, 9) : stream.AnyDouble();
      ASSERT_TRUE(Zq::Test::SameResult(f.cName(x), f.own(x))) << f.name << std::hexfloat << " at " << x;
    }
  }
}

}  // namespace
