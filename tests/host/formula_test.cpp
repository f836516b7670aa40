// The formula parser: names, numbers, logicals, arrays, omitted arguments,
// and the errors it reports.
#include <gtest/gtest.h>

#include <cmath>

#include "host/formula.h"

namespace Zq::Host {
namespace {

Formula Parsed(std::string_view text) {
  const ParsedFormula parsed = ParseFormula(text);
  EXPECT_TRUE(parsed.ok) << text << ": " << parsed.error;
  return parsed.formula;
}

std::string ErrorOf(std::string_view text) {
  const ParsedFormula parsed = ParseFormula(text);
  EXPECT_FALSE(parsed.ok) << text;
  return parsed.error;
}

double NumberAt(const Formula& formula, std::size_t i) { return std::get<double>(formula.arguments.at(i)); }

TEST(FormulaParser, NameAndNumbersInEveryNotation) {
  const Formula f = Parsed("= ZqRand( 3 , -1.5, +2e3, .25, 5., 1E-2, -0, --4 )");
  EXPECT_EQ(f.name, "ZqRand");
  ASSERT_EQ(f.arguments.size(), 8u);
  EXPECT_EQ(NumberAt(f, 0), 3);
  EXPECT_EQ(NumberAt(f, 1), -1.5);
  EXPECT_EQ(NumberAt(f, 2), 2000);
  EXPECT_EQ(NumberAt(f, 3), 0.25);
  EXPECT_EQ(NumberAt(f, 4), 5);
  EXPECT_EQ(NumberAt(f, 5), 0.01);
  EXPECT_TRUE(std::signbit(NumberAt(f, 6)));
  EXPECT_EQ(NumberAt(f, 7), 4);
}

TEST(FormulaParser, NumbersReadToTheNearestDouble) {
  const Formula f = Parsed("F(0.1, 1.7976931348623157e308, 4.9406564584124654e-324, 0.30000000000000004)");
  EXPECT_EQ(NumberAt(f, 0), 0.1);
  EXPECT_EQ(NumberAt(f, 1), 1.7976931348623157e308);
  EXPECT_EQ(NumberAt(f, 2), 4.9406564584124654e-324);
  EXPECT_EQ(NumberAt(f, 3), 0.1 + 0.2);
}

TEST(FormulaParser, LogicalsInAnyCaseAndSignedLogicalsAsNumbers) {
  const Formula f = Parsed("F(TRUE, false, True, -TRUE, +FALSE)");
  EXPECT_EQ(std::get<bool>(f.arguments[0]), true);
  EXPECT_EQ(std::get<bool>(f.arguments[1]), false);
  EXPECT_EQ(std::get<bool>(f.arguments[2]), true);
  EXPECT_EQ(NumberAt(f, 3), -1);
  EXPECT_EQ(NumberAt(f, 4), 0);
}

TEST(FormulaParser, OmittedArgumentsAnywhere) {
  const Formula f = Parsed("F(,1,,)");
  ASSERT_EQ(f.arguments.size(), 4u);
  EXPECT_TRUE(std::holds_alternative<Omitted>(f.arguments[0]));
  EXPECT_EQ(NumberAt(f, 1), 1);
  EXPECT_TRUE(std::holds_alternative<Omitted>(f.arguments[2]));
  EXPECT_TRUE(std::holds_alternative<Omitted>(f.arguments[3]));
  EXPECT_TRUE(Parsed("F()").arguments.empty());
  EXPECT_EQ(Parsed("F( )").arguments.size(), 0u);
  EXPECT_EQ(Parsed("F(,)").arguments.size(), 2u);
}

TEST(FormulaParser, ArrayConstantsRowByRow) {
  const Formula f = Parsed("F({1, -2 ; 3e1,TRUE}, {5}, {1;2;3})");
  const auto& square = std::get<ArrayConstant>(f.arguments[0]);
  EXPECT_EQ(square.rows, 2u);
  EXPECT_EQ(square.columns, 2u);
  EXPECT_EQ(square.values, (std::vector<double>{1, -2, 30, 1}));
  const auto& single = std::get<ArrayConstant>(f.arguments[1]);
  EXPECT_EQ(single.rows, 1u);
  EXPECT_EQ(single.columns, 1u);
  const auto& column = std::get<ArrayConstant>(f.arguments[2]);
  EXPECT_EQ(column.rows, 3u);
  EXPECT_EQ(column.columns, 1u);
}

TEST(FormulaParser, ErrorsSayWhatAndWhere) {
  EXPECT_EQ(ErrorOf("F(1"), "expected ')' (formula ended) at column 4");
  EXPECT_EQ(ErrorOf("F 1"), "expected '(' at column 3");
  EXPECT_EQ(ErrorOf("1(2)"), "expected a function name at column 1");
  EXPECT_EQ(ErrorOf(""), "expected a function name at column 1");
  EXPECT_EQ(ErrorOf("F(1) x"), "unexpected text after ')' at column 6");
  EXPECT_EQ(ErrorOf("F({1,2;3})"), "array rows must all have 2 values at column 9");
  EXPECT_EQ(ErrorOf("F(1e400)"), "number out of range at column 3");
  EXPECT_EQ(ErrorOf("F(1e)"), "expected the digits of an exponent at column 5");
  EXPECT_EQ(ErrorOf("F(1x)"), "unexpected character after a number at column 4");
}

TEST(FormulaParser, RejectsWhatItDoesNotSupport) {
  for (const char* text : {"F(G)", "F(A1)", "F(\"text\")", "F({})", "F({1,,2})", "F({{1}})", "F(-{1})",
                           "F(1;2)", "F(TRUEX)", "F(.)", "F(-)", "F(1.2.3)", "F(1,2))"}) {
    EXPECT_FALSE(ParseFormula(text).ok) << text;
  }
}

TEST(FormulaParser, LongInputsParseWithoutTrouble) {
  std::string many = "F({";
  for (int i = 0; i < 100000; ++i) {
    if (i > 0) many += ',';
    many += std::to_string(i);
  }
  many += "})";
  const Formula f = Parsed(many);
  EXPECT_EQ(std::get<ArrayConstant>(f.arguments[0]).columns, 100000u);
  EXPECT_FALSE(ParseFormula(std::string(100000, '-')).ok);
  EXPECT_FALSE(ParseFormula("F(" + std::string(100000, '-') + ")").ok);
}

}  // namespace
}  // namespace Zq::Host
