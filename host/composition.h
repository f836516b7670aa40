// Evaluating a formula whose arguments may themselves be calls, as Excel
// evaluates a composed formula: the innermost calls first, each result
// passed on as its caller's argument, with Excel's rules for arrays where
// one value is expected (lifting) and for errors.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/formula.h"
#include "host/result.h"

namespace Zq::Host {

// A worksheet function found for a call: its argument letters (the type
// text without its result letter) and how to call it once with plain
// arguments (numbers, logicals, array constants, omitted); the call answers
// #VALUE! itself when an argument does not fit its letter.
struct CallableFunction {
  std::string letters;
  std::function<std::optional<Grid>(const std::vector<FormulaArgument>&)> call;
  bool threadSafe = false;
};

// Finds the worksheet function of one call, or says why it cannot be called.
using FunctionLookup = std::function<std::optional<CallableFunction>(const Formula& call, std::string& error)>;

class ComposedFormula {
 public:
  ComposedFormula();
  ~ComposedFormula();
  ComposedFormula(const ComposedFormula&) = delete;
  ComposedFormula& operator=(const ComposedFormula&) = delete;

  // Finds the function of every call, the outer before the inner; false,
  // with the first reason, when one cannot be called. HSTACK and VSTACK are
  // the host's own.
  bool Resolve(const Formula& formula, const FunctionLookup& lookup, std::string& error);

  // Whether every function of the resolved formula may run off the main thread.
  bool ThreadSafe() const { return threadSafe_; }

  // The resolved formula's value; nullopt when a call answered nothing (the
  // Function Wizard is open).
  std::optional<Grid> Evaluate() const;

 private:
  struct Call;
  std::unique_ptr<Call> resolved_;
  bool threadSafe_ = true;
};

}  // namespace Zq::Host
