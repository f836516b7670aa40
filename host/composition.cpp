// How the host composes calls, following Excel with dynamic arrays:
//
// - Nesting: the inner call is evaluated first and its result (a grid of
//   cells) becomes the argument. Where the parameter takes an array (type
//   letter K or K%) the grid's values are the array; a cell that is not a
//   number makes the call #VALUE! without calling it.
// - Lifting: where the parameter takes one value (B, I, J, A) and the
//   argument holds several (an array constant or an inner call's grid of
//   more than one cell), the function is called once per element and the
//   results form an array, Excel's "lifting". Several lifted arguments are
//   paired element by element; one that is a single row or a single column
//   is stretched across the other's columns or down its rows, and where one
//   argument has no element the result's cell is #N/A. The result is as
//   tall as the tallest lifted argument and as wide as the widest. Each
//   element's call answers one cell: of its own array result the top-left
//   value, as a single cell takes the first of several values. A single-cell
//   argument is that value, and a call with nothing lifted answers its whole
//   result. (Microsoft: "Dynamic array formulas and spilled array
//   behavior", "Guidelines and examples of array formulas" on arguments of
//   unequal sizes, "Implicit intersection operator: @"; the Office Open XML
//   standard, ECMA-376, on single- and multi-cell formulas.)
// - Errors: an error where one value is expected is the call's answer, the
//   function is not called (the leftmost error when several); in a lifted
//   call this holds element by element. An error inside an array argument
//   is not a number: #VALUE!. HSTACK and VSTACK keep errors in their cells.
// - A call answering nothing (the Function Wizard is open) leaves the whole
//   formula without a value.
#include "host/composition.h"

#include <algorithm>
#include <variant>

#include "host/stacking.h"
#include "host/standin/standin.h"
#include "host/standin/worksheet_names.h"

namespace Zq::Host {
namespace {

enum class Builtin { kNone, kHStack, kVStack };

Builtin BuiltinOf(std::string_view name) {
  using StandIn::SameName;
  if (SameName(name, "HSTACK")) return Builtin::kHStack;
  if (SameName(name, "VSTACK")) return Builtin::kVStack;
  return Builtin::kNone;
}

// One letter per argument: 'K' for either array letter (K, K%), the letter
// itself for the others; the thread-safety mark '$' takes no argument.
std::string ArgumentKinds(std::string_view letters) {
  std::string kinds;
  for (const char letter : letters) {
    if (letter != '$' && letter != '%') kinds += letter;
  }
  return kinds;
}

// A value written in the formula as a grid; an omitted one reads as 0.
Grid GridOf(const FormulaArgument& literal) {
  if (const auto* number = std::get_if<double>(&literal)) return SingleCell(*number);
  if (const auto* boolean = std::get_if<bool>(&literal)) return SingleCell(*boolean);
  const auto* array = std::get_if<ArrayConstant>(&literal);
  if (array == nullptr) return SingleCell(0.0);
  Grid grid;
  grid.rows = array->rows;
  grid.columns = array->columns;
  grid.cells.assign(array->values.begin(), array->values.end());
  return grid;
}

// A grid in an array place: its numbers as an array constant; false when a
// cell is not a number.
bool ArrayOf(const Grid& grid, FormulaArgument& argument) {
  ArrayConstant array{grid.rows, grid.columns, {}};
  array.values.reserve(grid.cells.size());
  for (const Cell& cell : grid.cells) {
    const auto* number = std::get_if<double>(&cell);
    if (number == nullptr) return false;
    array.values.push_back(*number);
  }
  argument = std::move(array);
  return true;
}

// A cell in a one-value place; the error the call answers instead when the
// cell is an error, or text (which no function here reads as a number).
std::optional<ErrorValue> ScalarInto(const Cell& cell, FormulaArgument& argument) {
  if (const auto* number = std::get_if<double>(&cell)) {
    argument = *number;
  } else if (const auto* boolean = std::get_if<bool>(&cell)) {
    argument = *boolean;
  } else if (const auto* error = std::get_if<ErrorValue>(&cell)) {
    return *error;
  } else {
    return ErrorValue{};
  }
  return std::nullopt;
}

// The cell a lifted argument gives the element at (row, column): a single
// row or column stretches, and past the argument's end there is #N/A.
const Cell& ElementOf(const Grid& grid, std::size_t row, std::size_t column) {
  static const Cell kNotAvailable = ErrorValue{kErrorNotAvailable};
  const std::size_t r = grid.rows == 1 ? 0 : row;
  const std::size_t c = grid.columns == 1 ? 0 : column;
  return r < grid.rows && c < grid.columns ? grid.cells[r * grid.columns + c] : kNotAvailable;
}

}  // namespace

struct ComposedFormula::Call {
  const Formula* formula = nullptr;
  Builtin builtin = Builtin::kNone;
  CallableFunction function;
  std::string kinds;
  std::vector<std::unique_ptr<Call>> nested;  // one per argument; null for a value written out

  static std::unique_ptr<Call> Resolve(const Formula& formula, const FunctionLookup& lookup, std::size_t level,
                                       std::string& error, bool& threadSafe);
  std::optional<Grid> Evaluate() const;
  std::optional<Grid> CallFunction(std::vector<Grid>& grids) const;
};

std::unique_ptr<ComposedFormula::Call> ComposedFormula::Call::Resolve(const Formula& formula,
                                                                      const FunctionLookup& lookup, std::size_t level,
                                                                      std::string& error, bool& threadSafe) {
  if (level > kMaxNestingLevels) {
    error = "functions nested more than " + std::to_string(kMaxNestingLevels) + " levels deep";
    return nullptr;
  }
  auto call = std::make_unique<Call>();
  call->formula = &formula;
  call->builtin = BuiltinOf(formula.name);
  if (call->builtin == Builtin::kNone) {
    std::optional<CallableFunction> function = lookup(formula, error);
    if (!function) return nullptr;
    call->function = std::move(*function);
    call->kinds = ArgumentKinds(call->function.letters);
    threadSafe = threadSafe && call->function.threadSafe;
  } else if (formula.arguments.empty()) {
    error = formula.name + " takes at least one argument";
    return nullptr;
  }
  call->nested.resize(formula.arguments.size());
  for (std::size_t i = 0; i < formula.arguments.size(); ++i) {
    if (const auto* inner = std::get_if<NestedCall>(&formula.arguments[i])) {
      call->nested[i] = Resolve(**inner, lookup, level + 1, error, threadSafe);
      if (call->nested[i] == nullptr) return nullptr;
    }
  }
  return call;
}

std::optional<Grid> ComposedFormula::Call::Evaluate() const {
  const std::vector<FormulaArgument>& arguments = formula->arguments;
  std::vector<Grid> grids(arguments.size());
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (nested[i] == nullptr) continue;
    std::optional<Grid> result = nested[i]->Evaluate();
    if (!result) return std::nullopt;
    grids[i] = std::move(*result);
  }
  if (builtin == Builtin::kNone) return CallFunction(grids);
  std::vector<const Grid*> parts;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (nested[i] == nullptr) grids[i] = GridOf(arguments[i]);
    parts.push_back(&grids[i]);
  }
  return Stack(parts, builtin == Builtin::kHStack);
}

// grids: the inner calls' results, by argument; a lifted array constant's
// grid is put beside them.
std::optional<Grid> ComposedFormula::Call::CallFunction(std::vector<Grid>& grids) const {
  const std::vector<FormulaArgument>& arguments = formula->arguments;
  std::vector<FormulaArgument> plain(arguments);
  std::vector<std::size_t> lifted;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const bool arrayPlace = i < kinds.size() && kinds[i] == 'K';
    if (nested[i] != nullptr) {
      if (!arrayPlace) {
        lifted.push_back(i);
      } else if (!ArrayOf(grids[i], plain[i])) {
        return SingleCell(ErrorValue{});
      }
    } else if (const auto* array = std::get_if<ArrayConstant>(&arguments[i]);
               !arrayPlace && array != nullptr && array->values.size() > 1) {
      grids[i] = GridOf(arguments[i]);
      lifted.push_back(i);
    }
  }
  std::size_t rows = 1, columns = 1;
  for (const std::size_t i : lifted) {
    rows = std::max(rows, grids[i].rows);
    columns = std::max(columns, grids[i].columns);
  }
  if (rows * columns == 1) {
    for (const std::size_t i : lifted) {
      if (const std::optional<ErrorValue> error = ScalarInto(grids[i].cells[0], plain[i])) return SingleCell(*error);
    }
    return function.call(plain);
  }
  if (columns > kMaxComposedCells / rows) return SingleCell(ErrorValue{});
  Grid result;
  result.rows = rows;
  result.columns = columns;
  result.cells.reserve(rows * columns);
  for (std::size_t row = 0; row < rows; ++row) {
    for (std::size_t column = 0; column < columns; ++column) {
      std::optional<ErrorValue> error;
      for (const std::size_t i : lifted) {
        const std::optional<ErrorValue> found = ScalarInto(ElementOf(grids[i], row, column), plain[i]);
        if (!error) error = found;
      }
      // The user's break stops the calls still to come, as it stops a recalculation.
      if (!error && StandIn::BreakPressed()) error = ErrorValue{};
      if (error) {
        result.cells.emplace_back(*error);
        continue;
      }
      std::optional<Grid> element = function.call(plain);
      if (!element) return std::nullopt;
      result.cells.push_back(element->cells.empty() ? Cell{ErrorValue{}} : std::move(element->cells.front()));
    }
  }
  return result;
}

ComposedFormula::ComposedFormula() = default;
ComposedFormula::~ComposedFormula() = default;

bool ComposedFormula::Resolve(const Formula& formula, const FunctionLookup& lookup, std::string& error) {
  threadSafe_ = true;
  resolved_ = Call::Resolve(formula, lookup, 1, error, threadSafe_);
  return resolved_ != nullptr;
}

std::optional<Grid> ComposedFormula::Evaluate() const {
  if (resolved_ == nullptr) return std::nullopt;
  return resolved_->Evaluate();
}

}  // namespace Zq::Host
