// Arguments marshalled for their letters and passed through the compiled
// invokers to procedures of the exact signature.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "host/arguments.h"
#include "host/invokers.h"

namespace Zq::Host {
namespace {

struct Call {
  std::vector<double> numbers;
  std::vector<long long> integers;
  std::vector<std::vector<double>> arrays;  // rows, columns, then the values
};
Call lastCall;
XLOPER answer;

void RecordArray(const FP* fp) {
  std::vector<double> seen{static_cast<double>(fp->rows), static_cast<double>(fp->columns)};
  const double* values = FpValues(fp);
  for (int i = 0; i < fp->rows * fp->columns; ++i) seen.push_back(values[i]);
  lastCall.arrays.push_back(seen);
}

extern "C" LPXLOPER ZQ_CALL RecordRIIJJ(short a, short b, std::int32_t c, std::int32_t d) {
  lastCall = {{}, {a, b, c, d}, {}};
  return &answer;
}

extern "C" LPXLOPER ZQ_CALL RecordRIKKIJJAAA(short size, const FP* cov, const FP* mean, short algorithm,
                                             std::int32_t seed1, std::int32_t seed2, short a1, short a2, short a3) {
  lastCall = {{}, {size, algorithm, seed1, seed2, a1, a2, a3}, {}};
  RecordArray(cov);
  RecordArray(mean);
  return &answer;
}

extern "C" LPXLOPER ZQ_CALL RecordRKBBBJJJJAAAI(const FP* k, double b1, double b2, double b3, std::int32_t j1,
                                                std::int32_t j2, std::int32_t j3, std::int32_t j4, short a1, short a2,
                                                short a3, short i) {
  lastCall = {{b1, b2, b3}, {j1, j2, j3, j4, a1, a2, a3, i}, {}};
  RecordArray(k);
  return &answer;
}

extern "C" LPXLOPER ZQ_CALL RecordRIBBBBBBBBIJJAAAA(short size, double b1, double b2, double b3, double b4, double b5,
                                                    double b6, double b7, double b8, short algorithm, std::int32_t j1,
                                                    std::int32_t j2, short a1, short a2, short a3, short a4) {
  lastCall = {{b1, b2, b3, b4, b5, b6, b7, b8}, {size, algorithm, j1, j2, a1, a2, a3, a4}, {}};
  return &answer;
}

extern "C" LPXLOPER ZQ_CALL RecordRJBA(std::int32_t k, double mean, short cumulative) {
  lastCall = {{mean}, {k, cumulative}, {}};
  return &answer;
}

extern "C" LPXLOPER ZQ_CALL RecordR() {
  lastCall = {{}, {}, {}};
  return &answer;
}

std::vector<FormulaArgument> Arguments(std::string_view formula) {
  const ParsedFormula parsed = ParseFormula(formula);
  EXPECT_TRUE(parsed.ok) << parsed.error;
  return parsed.formula.arguments;
}

// Marshals the formula's arguments for the type text and calls the procedure.
bool CallThrough(std::string_view typeText, Procedure procedure, std::string_view formula) {
  MarshalledArguments marshalled;
  if (!Marshal(typeText.substr(1), Arguments(formula), marshalled)) return false;
  const Invoker invoker = FindInvoker(typeText);
  EXPECT_NE(invoker, nullptr) << typeText;
  if (invoker == nullptr) return false;
  lastCall = {};
  EXPECT_EQ(invoker(procedure, marshalled.Values()), &answer);
  return true;
}

template <class F>
Procedure AsProcedure(F* f) {
  return reinterpret_cast<Procedure>(f);
}

TEST(Marshalling, IntegersTruncateTowardZeroAndKeepTheirOrder) {
  ASSERT_TRUE(CallThrough("RIIJJ", AsProcedure(&RecordRIIJJ), "F(2.9,-1.9,-2147483648,2147483647.9)"));
  EXPECT_EQ(lastCall.integers, (std::vector<long long>{2, -1, -2147483648LL, 2147483647LL}));
  ASSERT_TRUE(CallThrough("RIIJJ", AsProcedure(&RecordRIIJJ), "F(32767,-32768,TRUE,FALSE)"));
  EXPECT_EQ(lastCall.integers, (std::vector<long long>{32767, -32768, 1, 0}));
}

TEST(Marshalling, IntegersOutOfRangeAreRefusedBeforeAnyCall) {
  for (const char* formula : {"F(32768)", "F(-32769)", "F(1,1e10)", "F(1,1,2147483648)", "F(1,1,1,-2147483649)",
                              "F(1,1,1,1e300)"}) {
    MarshalledArguments marshalled;
    EXPECT_FALSE(Marshal("IIJJ", Arguments(formula), marshalled)) << formula;
  }
}

TEST(Marshalling, MissingAndOmittedArgumentsAreZeroOrFalse) {
  ASSERT_TRUE(CallThrough("RIBBBBBBBBIJJAAAA", AsProcedure(&RecordRIBBBBBBBBIJJAAAA), "F(7,,2.5)"));
  EXPECT_EQ(lastCall.numbers, (std::vector<double>{0, 2.5, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(lastCall.integers, (std::vector<long long>{7, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(Marshalling, EveryLetterInItsPlace) {
  ASSERT_TRUE(CallThrough("RIBBBBBBBBIJJAAAA", AsProcedure(&RecordRIBBBBBBBBIJJAAAA),
                          "F(5,0.1,-0.2,0.3,-0.4,0.5,-0.6,0.7,TRUE,2,-70000,70000,TRUE,0,-3,0.5)"));
  EXPECT_EQ(lastCall.numbers, (std::vector<double>{0.1, -0.2, 0.3, -0.4, 0.5, -0.6, 0.7, 1}));
  EXPECT_EQ(lastCall.integers, (std::vector<long long>{5, 2, -70000, 70000, 1, 0, 1, 1}));

  ASSERT_TRUE(CallThrough("RJBA", AsProcedure(&RecordRJBA), "F(-3.5,1e-3,FALSE)"));
  EXPECT_EQ(lastCall.integers, (std::vector<long long>{-3, 0}));
  EXPECT_EQ(lastCall.numbers, (std::vector<double>{0.001}));

  ASSERT_TRUE(CallThrough("R", AsProcedure(&RecordR), "F()"));
}

TEST(Marshalling, ArraysAsKRecords) {
  ASSERT_TRUE(CallThrough("RIKKIJJAAA", AsProcedure(&RecordRIKKIJJAAA), "F(4,{1,0.5;0.5,2},{-1;1},1,7,8,TRUE)"));
  ASSERT_EQ(lastCall.arrays.size(), 2u);
  EXPECT_EQ(lastCall.arrays[0], (std::vector<double>{2, 2, 1, 0.5, 0.5, 2}));
  EXPECT_EQ(lastCall.arrays[1], (std::vector<double>{2, 1, -1, 1}));
  EXPECT_EQ(lastCall.integers, (std::vector<long long>{4, 1, 7, 8, 1, 0, 0}));
}

TEST(Marshalling, ScalarsAndOmittedArgumentsAsOneByOneArrays) {
  ASSERT_TRUE(CallThrough("RIKKIJJAAA", AsProcedure(&RecordRIKKIJJAAA), "F(1,2.5)"));
  EXPECT_EQ(lastCall.arrays[0], (std::vector<double>{1, 1, 2.5}));
  EXPECT_EQ(lastCall.arrays[1], (std::vector<double>{1, 1, 0}));
  ASSERT_TRUE(CallThrough("RKBBBJJJJAAAI", AsProcedure(&RecordRKBBBJJJJAAAI), "F(TRUE,1,2,3,4,5,6,7,1,0,1,-9)"));
  EXPECT_EQ(lastCall.arrays[0], (std::vector<double>{1, 1, 1}));
  EXPECT_EQ(lastCall.numbers, (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(lastCall.integers, (std::vector<long long>{4, 5, 6, 7, 1, 0, 1, -9}));
}

TEST(Marshalling, AnArrayInAScalarPlaceGivesItsTopLeftValue) {
  ASSERT_TRUE(CallThrough("RJBA", AsProcedure(&RecordRJBA), "F({3,4;5,6},{0.5,9},{0;1})"));
  EXPECT_EQ(lastCall.integers, (std::vector<long long>{3, 0}));
  EXPECT_EQ(lastCall.numbers, (std::vector<double>{0.5}));
}

TEST(Marshalling, ArraysBeyondSixteenBitCountsAndSurplusArgumentsAreRefused) {
  std::string wide = "F({";
  for (int i = 0; i < 65536; ++i) wide += i > 0 ? ",1" : "1";
  wide += "})";
  MarshalledArguments marshalled;
  EXPECT_FALSE(Marshal("K", Arguments(wide), marshalled));
  EXPECT_FALSE(Marshal("B", Arguments("F(1,2)"), marshalled));
  EXPECT_FALSE(Marshal("X", Arguments("F(1)"), marshalled));
}

TEST(Invokers, OnlyForTheTypeTextsTheyWereCompiledFor) {
  EXPECT_EQ(InvokerTypeTexts().size(), 33u);
  for (const auto text : InvokerTypeTexts()) EXPECT_NE(FindInvoker(text), nullptr) << text;
  EXPECT_EQ(FindInvoker("RIJIJ"), nullptr);
  EXPECT_EQ(FindInvoker(""), nullptr);
  EXPECT_EQ(FindInvoker("BIIJJ"), nullptr);
}

}  // namespace
}  // namespace Zq::Host
