// Worksheet formulas as the host accepts them: a function name and its
// arguments, e.g. ZQRANDNORM(5,0,1,2,TRUE,FALSE,TRUE) or ZQCOR2COV({1,2},{1,0.5;0.5,1}),
// where an argument may itself be a call: ZQBETAINV(ZQRAND(5,0,1,2),2,3).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace Zq::Host {

// An argument left empty, as in ZQRAND(3,,,).
struct Omitted {};

// An array constant {1,2;3,4}: rows separated by ';', values by ','.
struct ArrayConstant {
  std::size_t rows = 0;
  std::size_t columns = 0;
  std::vector<double> values;  // row by row
};

struct Formula;

// A function call in an argument's place; its result becomes the argument.
using NestedCall = std::shared_ptr<const Formula>;

using FormulaArgument = std::variant<Omitted, double, bool, ArrayConstant, NestedCall>;

struct Formula {
  std::string name;  // as written; look-ups ignore letter case
  std::vector<FormulaArgument> arguments;
};

struct ParsedFormula {
  bool ok = false;
  Formula formula;
  std::string error;  // what is wrong and where, when !ok
};

// Calls nest at most 64 levels deep, Excel's own bound, and one formula
// holds at most 4096 calls: no text can exhaust the stack of the parser or
// of the evaluation.
constexpr std::size_t kMaxNestingLevels = 64;
constexpr std::size_t kMaxCallsInFormula = 4096;

// Parses NAME(arg, ...), optionally preceded by '='. Arguments are numbers
// (with optional signs and exponent), TRUE/FALSE (any letter case), array
// constants of such values, nothing (omitted), or calls NAME(arg, ...)
// within the bounds above.
ParsedFormula ParseFormula(std::string_view text);

}  // namespace Zq::Host
