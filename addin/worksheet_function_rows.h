// The registration rows of all the worksheet functions, in the order of
// addin/worksheet_function_list.h, each with the add-in that registers it,
// and the table of one add-in's rows taken from them at compile time.
#pragma once

#include <cstddef>
#include <utility>

#include "addin/registration.h"
#include "addin/registration_row.h"

namespace Zq::Addin {

struct WorksheetFunctionRow {
  Owner owner;
  RegistrationRow row;
};

inline constexpr WorksheetFunctionRow WorksheetFunctionRows[] = {
#define ZQ_FUNCTION(owner, symbol, parameters, typeText, argumentText, help) \
  {Owner::owner, ZQ_ROW(symbol, typeText, argumentText, help)},
#include "addin/worksheet_function_list.h"
#undef ZQ_FUNCTION
};

inline constexpr int kWorksheetFunctionCount = static_cast<int>(std::size(WorksheetFunctionRows));

constexpr int RowCount(Owner owner) {
  int count = 0;
  for (const WorksheetFunctionRow& function : WorksheetFunctionRows) count += function.owner == owner ? 1 : 0;
  return count;
}

// The index-th row, in list order, of the functions `owner` registers.
constexpr RegistrationRow OwnedRow(Owner owner, std::size_t index) {
  for (const WorksheetFunctionRow& function : WorksheetFunctionRows) {
    if (function.owner == owner && index-- == 0) return function.row;
  }
  return {};
}

// The rows `owner` registers, in list order, then a row of null pointers.
template <Owner owner, class Indices = std::make_index_sequence<RowCount(owner)>>
struct OwnedTable;

template <Owner owner, std::size_t... Index>
struct OwnedTable<owner, std::index_sequence<Index...>> {
  static constexpr RegistrationRow rows[] = {OwnedRow(owner, Index)..., RegistrationRow{}};
};

}  // namespace Zq::Addin
