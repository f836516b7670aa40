// Worksheet formulas as the host accepts them: a function name and its
// arguments, e.g. ZQRANDNORM(5,0,1,2,TRUE,FALSE,TRUE) or ZQCOR2COV({1,2},{1,0.5;0.5,1}).
#pragma once

#include <cstddef>
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

using FormulaArgument = std::variant<Omitted, double, bool, ArrayConstant>;

struct Formula {
  std::string name;  // as written; look-ups ignore letter case
  std::vector<FormulaArgument> arguments;
};

struct ParsedFormula {
  bool ok = false;
  Formula formula;
  std::string error;  // what is wrong and where, when !ok
};

// Parses NAME(arg, ...), optionally preceded by '='. Arguments are numbers
// (with optional signs and exponent), TRUE/FALSE (any letter case), array
// constants of such values, or nothing (omitted).
ParsedFormula ParseFormula(std::string_view text);

}  // namespace Zq::Host
