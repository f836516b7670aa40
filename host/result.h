// What Excel does with a worksheet function's answer: copies it into cells
// and hands records marked xlbitDLLFree back to the add-in's xlAutoFree.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "addin/xlcall.h"

// Excel 12's record, declared only: this header is also read beside the
// Windows headers, which name the record's DWORD differently.
struct XLOPER12;

namespace Zq::Host {

struct ErrorValue {
  WORD code = xlerrValue;
};

// #N/A, which the add-in never answers but the host's array rules do.
constexpr WORD kErrorNotAvailable = 42;

// A text cell's characters, held apart so that a cell takes 24 bytes rather
// than 40: a column of the big grid is a million cells.
using Text = std::shared_ptr<const std::string>;

using Cell = std::variant<double, bool, Text, ErrorValue>;

struct Grid {
  std::size_t rows = 0;
  std::size_t columns = 0;
  std::vector<Cell> cells;  // row by row
};

using AutoFree = void(ZQ_CALL*)(LPXLOPER record);
using AutoFree12 = void(ZQ_CALL*)(XLOPER12* record);

// The cells of a result; nullopt for a null pointer (nothing computed, as
// while the Function Wizard is open). Records of a kind a worksheet function
// cannot answer become #VALUE!. After copying, a record with xlbitDLLFree
// goes to autoFree (when the add-in exports one).
std::optional<Grid> TakeResult(LPXLOPER record, AutoFree autoFree);
// The same for an Excel 12 function's XLOPER12 (32-bit counts, wide
// strings), handed back to xlAutoFree12.
std::optional<Grid> TakeResult12(XLOPER12* record, AutoFree12 autoFree);

// A 1x1 grid holding one value.
Grid SingleCell(Cell cell);

}  // namespace Zq::Host
