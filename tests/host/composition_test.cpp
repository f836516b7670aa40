// Composed formulas through the host and the built add-in: calls nested to
// Excel's depth and refused past it, HSTACK and VSTACK with their padding,
// lifting of arrays given where one value is expected, and how errors pass.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/composition.h"
#include "host/formula.h"
#include "host/host.h"
#include "host/output.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

// A printed grid written back as an array constant: "1\t2\n3\t4\n" is {1,2;3,4}.
std::string Constant(std::string grid) {
  grid.pop_back();
  for (char& c : grid) c = c == '\t' ? ',' : c == '\n' ? ';' : c;
  return "{" + grid + "}";
}

class CompositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StandIn::SetMessageBoxQuiet(true);
    StandIn::ClearRecords();
    std::string error;
    ASSERT_TRUE(host_.Open(ZQ_ADDIN_PATH, true, error)) << error;
  }
  void TearDown() override { host_.Close(); }

  // The value as the command line prints it: tab-separated cells, one row a line.
  std::string Grid(const std::string& formula) {
    const Evaluation evaluation = host_.Evaluate(formula);
    EXPECT_TRUE(evaluation.ok) << formula << ": " << evaluation.error;
    return FormatGrid(evaluation.value);
  }
  std::string Error(const std::string& formula) {
    const Evaluation evaluation = host_.Evaluate(formula);
    EXPECT_FALSE(evaluation.ok) << formula;
    return evaluation.error;
  }
  // One cell of a one-value call, as printed.
  std::string Cell(const std::string& formula) {
    std::string text = Grid(formula);
    if (!text.empty()) text.pop_back();
    return text;
  }

  Host host_;
};

TEST_F(CompositionTest, NestedCallsToExcelsDepthGiveTheInnerValueAndDeeperIsRefused) {
  // 32 pairs ZQNORMINV(ZQNORMDIST(x,TRUE)) are 64 levels: the same bits as the 64 calls one at a time.
  std::string formula = "0.3", value = "0.3";
  for (std::size_t pair = 0; pair < kMaxNestingLevels / 2; ++pair) {
    formula = "ZQNORMINV(ZQNORMDIST(" + formula + ",TRUE))";
    value = Cell("ZQNORMINV(" + Cell("ZQNORMDIST(" + value + ",TRUE)") + ")");
  }
  EXPECT_EQ(Cell(formula), value);
  EXPECT_NE(Error("ZQNORMINV(" + formula + ")").find("nested more than 64 levels"), std::string::npos);
  // Nothing of unbounded nesting or of an unbounded count of calls reaches the stack or is called.
  std::string nested;
  for (int i = 0; i < 100000; ++i) nested += "HSTACK(";
  EXPECT_NE(Error(nested + "1").find("nested more than"), std::string::npos);
  std::string wide = "HSTACK(1";
  for (std::size_t i = 0; i < kMaxCallsInFormula; ++i) wide += ",ZQNORMINV(0.5)";
  EXPECT_NE(Error(wide + ")").find("more than 4096 function calls"), std::string::npos);
}

TEST_F(CompositionTest, AnInnerResultIsTheArrayOfAnArrayParameterAndAOneCellResultAScalar) {
  EXPECT_EQ(Grid("ZQCOR2COV(ZQRAND(2,0,1,2),{1,0.5;0.5,1})"),
            Grid("ZQCOR2COV(" + Constant(Grid("ZQRAND(2,0,1,2)")) + ",{1,0.5;0.5,1})"));
  const std::string table = Grid("HSTACK(ZQRAND(50,0,1,2),ZQRAND(50,0,3,4))");
  EXPECT_EQ(Grid("ZQMULTICORREL(HSTACK(ZQRAND(50,0,1,2),ZQRAND(50,0,3,4)),TRUE,TRUE)"),
            Grid("ZQMULTICORREL(" + Constant(table) + ",TRUE,TRUE)"));
  EXPECT_EQ(Cell("ZQNORMDIST(ZQNORMINV(0.975),TRUE)"), Cell("ZQNORMDIST(" + Cell("ZQNORMINV(0.975)") + ",TRUE)"));
}

TEST_F(CompositionTest, LiftingCallsOncePerElementAndBroadcastsRowsAgainstColumns) {
  // Each lifted cell is the call with that element: a column of samples through a quantile function.
  const std::string lifted = Grid("ZQGUMBELINV(ZQRAND(6,0,1,2),1,2)");
  std::string byElement;
  const std::string uniforms = Grid("ZQRAND(6,0,1,2)");
  for (std::size_t start = 0, end; (end = uniforms.find('\n', start)) != std::string::npos; start = end + 1) {
    byElement += Grid("ZQGUMBELINV(" + uniforms.substr(start, end - start) + ",1,2)");
  }
  EXPECT_EQ(lifted, byElement);

  struct Case {
    std::string formula, expected;
  };
  const auto pdf = [&](const std::string& x) { return Cell("ZQNORMDIST(" + x + ",FALSE)"); };
  const auto cdf = [&](const std::string& x) { return Cell("ZQNORMDIST(" + x + ",TRUE)"); };
  for (const Case& c : std::vector<Case>{
           // A column against a row: every pair.
           {"ZQNORMDIST({-1;0;1},{TRUE,FALSE})",
            cdf("-1") + "\t" + pdf("-1") + "\n" + cdf("0") + "\t" + pdf("0") + "\n" + cdf("1") + "\t" + pdf("1") + "\n"},
           // Rows of unequal length: #N/A where the shorter has no element.
           {"ZQNORMDIST({1,2,3},{TRUE,FALSE})", cdf("1") + "\t" + pdf("2") + "\t#N/A\n"},
           {"ZQNORMDIST({1;2},{TRUE;FALSE;TRUE})", cdf("1") + "\n" + pdf("2") + "\n#N/A\n"},
           // A 2 x 2 against a row of two: the row stretches down.
           {"ZQNORMDIST({0,1;2,3},{TRUE,FALSE})", cdf("0") + "\t" + pdf("1") + "\n" + cdf("2") + "\t" + pdf("3") + "\n"},
           // A one-cell array is the value itself; an array parameter never lifts.
           {"ZQNORMDIST({1},TRUE)", cdf("1") + "\n"},
           // Each element's own array result gives its top-left value.
           {"ZQRAND({3,1},0,1,2)", [&] {
              const std::string first = Grid("ZQRAND(1,0,1,2)");
              return first.substr(0, first.size() - 1) + "\t" + first;
            }()},
       }) {
    EXPECT_EQ(Grid(c.formula), c.expected) << c.formula;
  }
  // A column of 5000 against a row of 5000 passes the ceiling on composed cells: #VALUE!.
  std::string column = "{0", row = "{0";
  for (int i = 1; i < 5000; ++i) column += ";0", row += ",0";
  EXPECT_EQ(Grid("ZQNORMDIST(" + column + "}," + row + "})"), "#VALUE!\n");
}

TEST_F(CompositionTest, StacksTakeTheTallestOrWidestPartAndPadWithNotAvailable) {
  struct Case {
    std::string formula, expected;
  };
  for (const Case& c : std::vector<Case>{
           {"HSTACK(1)", "1\n"},
           {"HSTACK({1;2;3},{4,5},6)", "1\t4\t5\t6\n2\t#N/A\t#N/A\t#N/A\n3\t#N/A\t#N/A\t#N/A\n"},
           {"VSTACK({1,2,3},{4;5},TRUE)", "1\t2\t3\n4\t#N/A\t#N/A\n5\t#N/A\t#N/A\nTRUE\t#N/A\t#N/A\n"},
           {"VSTACK(HSTACK(1,2),HSTACK({3;4},5))", "1\t2\n3\t5\n4\t#N/A\n"},
           // An inner call's error stays in its own cell; an omitted part reads as 0.
           {"HSTACK(ZQNORMINV(2),{7;8},)", "#VALUE!\t7\t0\n#N/A\t8\t#N/A\n"},
       }) {
    EXPECT_EQ(Grid(c.formula), c.expected) << c.formula;
  }
  EXPECT_EQ(Error("hstack()"), "hstack takes at least one argument");
}

TEST_F(CompositionTest, ErrorsPassAsExcelPassesThem) {
  // Element by element when lifted: the #N/A of HSTACK's padding, the inner #VALUE!.
  EXPECT_EQ(Grid("ZQNORMDIST(HSTACK({0;1},ZQNORMINV({0.5,7})),TRUE)"),
            Cell("ZQNORMDIST(0,TRUE)") + "\t" + Cell("ZQNORMDIST(ZQNORMINV(0.5),TRUE)") + "\t#VALUE!\n" + Cell("ZQNORMDIST(1,TRUE)") + "\t#N/A\t#N/A\n");
  // An array argument holding an error or a logical is not an array of numbers.
  EXPECT_EQ(Grid("ZQMULTICORREL(HSTACK({1;2;3},{4;5}))"), "#VALUE!\n");
  EXPECT_EQ(Grid("ZQMULTICORREL(VSTACK(HSTACK(1,2),HSTACK(TRUE,4),HSTACK(5,9)))"), "#VALUE!\n");
  EXPECT_EQ(Error("ZQNORMDIST(ZQNORMINV(NOSUCH(1)))"), "unknown function NOSUCH");
  EXPECT_EQ(Error("HSTACK(1,ZQNORMINV(0.5,1))"), "too many arguments: ZQNORMINV takes 1, got 2");
}

// The rules alone, with two functions of the test's own that count their calls:
// S(B,B) adds its numbers, N(K) counts its array's values; U is not thread-safe.
struct Counted {
  int calls = 0;
  std::optional<Grid> Evaluate(std::string_view text, std::string* error = nullptr, bool* threadSafe = nullptr) {
    const ParsedFormula parsed = ParseFormula(text);
    std::string reason;
    ComposedFormula composed;
    const FunctionLookup lookup = [this](const Formula& call, std::string& why) -> std::optional<CallableFunction> {
      const auto count = [this](double value) { return ++calls, std::optional<Grid>(SingleCell(value)); };
      if ((call.name == "S" || call.name == "U") && call.arguments.size() <= 2) {
        return CallableFunction{"BB", [count](const std::vector<FormulaArgument>& a) {
                                  double sum = 0;
                                  for (const auto& v : a) sum += std::holds_alternative<double>(v) ? std::get<double>(v) : 0;
                                  return count(sum);
                                }, call.name == "S"};
      }
      if (call.name == "N" && call.arguments.size() == 1) {
        return CallableFunction{"K$", [count](const std::vector<FormulaArgument>& a) {
                                  const auto* array = std::get_if<ArrayConstant>(&a.at(0));
                                  return count(array != nullptr ? static_cast<double>(array->values.size()) : 1.0);
                                }, true};
      }
      why = "unknown";
      return std::nullopt;
    };
    if (!parsed.ok || !composed.Resolve(parsed.formula, lookup, reason)) {
      if (error != nullptr) *error = parsed.ok ? reason : parsed.error;
      return std::nullopt;
    }
    if (threadSafe != nullptr) *threadSafe = composed.ThreadSafe();
    return composed.Evaluate();
  }
};

TEST(CompositionRules, AnErrorGivenForOneValueIsTheAnswerWithoutACall) {
  struct Case {
    std::string formula, expected;
    int calls;
  };
  for (const Case& c : std::vector<Case>{
           {"S(1,2)", "3\n", 1},
           {"S(HSTACK(1,2),10)", "11\t12\n", 2},
           {"S(N(HSTACK(1,2)),1)", "3\n", 2},
           // #N/A of the padding stands where a value would be: those elements are not called.
           {"S(HSTACK({1;2},3),0)", "1\t3\n2\t#N/A\n", 3},
           {"S({1,2,3},{10,20})", "11\t22\t#N/A\n", 2},
           // An error in an array place is #VALUE!, whatever the error.
           {"N(HSTACK({1;2},3))", "#VALUE!\n", 0},
           {"S(N(HSTACK({1;2},3)),1)", "#VALUE!\n", 0},
           // Of two errors for one call, the leftmost.
           {"S(VSTACK(HSTACK(1,2),3),N(HSTACK({1;2},3)))", "#VALUE!\t#VALUE!\n#VALUE!\t#N/A\n", 0},
       }) {
    Counted counted;
    const std::optional<Grid> result = counted.Evaluate(c.formula);
    ASSERT_TRUE(result.has_value()) << c.formula;
    EXPECT_EQ(FormatGrid(result), c.expected) << c.formula;
    EXPECT_EQ(counted.calls, c.calls) << c.formula;
  }
}

TEST(CompositionRules, AFormulaIsThreadSafeOnlyWhenEveryFunctionInItIs) {
  for (const auto& [formula, safe] : std::vector<std::pair<std::string, bool>>{
           {"S(1,2)", true}, {"HSTACK(N(1),S(1,2))", true}, {"S(U(1,2),1)", false}, {"VSTACK(1,HSTACK(U(1,1)))", false}}) {
    Counted counted;
    bool threadSafe = !safe;
    ASSERT_TRUE(counted.Evaluate(formula, nullptr, &threadSafe).has_value()) << formula;
    EXPECT_EQ(threadSafe, safe) << formula;
  }
}

TEST(CompositionRules, MalformedNestedInputIsRefusedWithoutACall) {
  for (const std::string formula :
       {"S(N(1)", "S(N 1)", "S(-N(1))", "HSTACK(,,", "HSTACK({1,S(1)})", "S(N(1)))", "S(X_(1))", "HSTACK(HSTACK(HSTACK(",
        "F(((", "HSTACK(1)(2)", "S(S(S(1,2,3)))", "S(W(1))", "HSTACK()", "VSTACK(S(1),N(HSTACK()))"}) {
    Counted counted;
    std::string error;
    EXPECT_FALSE(counted.Evaluate(formula, &error).has_value()) << formula;
    EXPECT_FALSE(error.empty()) << formula;
    EXPECT_EQ(counted.calls, 0) << formula;
  }
}

}  // namespace
}  // namespace Zq::Host
