// Turning formula arguments into the C values a type text asks for, as
// Excel does before it calls a worksheet function.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "host/formula.h"
#include "host/invokers.h"

namespace Zq::Host {

// The values of one call, with the storage of their K arrays.
class MarshalledArguments {
 public:
  const ArgumentValue* Values() const { return values_.data(); }
  std::size_t Count() const { return values_.size(); }

 private:
  friend bool Marshal(std::string_view, const std::vector<FormulaArgument>&, MarshalledArguments&);
  std::vector<ArgumentValue> values_;
  std::vector<std::unique_ptr<double[]>> arrays_;
};

// Marshals the arguments for the argument letters (the type text without its
// result letter); missing trailing arguments count as omitted. Scalars:
// TRUE/FALSE read as 1/0, an array gives its top-left value, omitted gives
// 0. I and J truncate toward zero. K: a scalar is a 1x1 array, an omitted
// argument a 1x1 array holding 0; K% the same with 32-bit counts, up to
// Excel 12's grid. A trailing '$' (thread-safe) takes no argument. Answers
// false, and Excel would answer #VALUE! without calling, when a value does
// not fit its letter (an I or J out of range, an array too large for its
// counts), when there are more arguments than letters, or when an argument
// is a call not yet evaluated.
bool Marshal(std::string_view letters, const std::vector<FormulaArgument>& arguments, MarshalledArguments& out);

// How many arguments the argument letters take (K% is one, '$' none).
std::size_t ArgumentCount(std::string_view letters);

}  // namespace Zq::Host
