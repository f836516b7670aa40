#include "host/result.h"

namespace Zq::Host {
namespace {

WORD BaseType(const XLOPER& record) { return record.xltype & static_cast<WORD>(~(xlbitXLFree | xlbitDLLFree)); }

// One scalar record as a cell.
Cell CellOf(const XLOPER& record) {
  switch (BaseType(record)) {
    case xltypeNum: return record.val.num;
    case xltypeInt: return static_cast<double>(record.val.w);
    case xltypeBool: return record.val.xbool != 0;
    case xltypeErr: return ErrorValue{record.val.err};
    case xltypeStr:
      if (record.val.str == nullptr) return ErrorValue{};
      return std::string(record.val.str + 1, static_cast<unsigned char>(record.val.str[0]));
    default: return ErrorValue{};
  }
}

}  // namespace

Grid SingleCell(Cell cell) {
  Grid grid;
  grid.rows = 1;
  grid.columns = 1;
  grid.cells.push_back(std::move(cell));
  return grid;
}

std::optional<Grid> TakeResult(LPXLOPER record, AutoFree autoFree) {
  if (record == nullptr) return std::nullopt;
  Grid grid;
  if (BaseType(*record) == xltypeMulti) {
    const auto& array = record->val.array;
    if (array.lparray == nullptr || array.rows == 0 || array.columns == 0) {
      grid = SingleCell(ErrorValue{});
    } else {
      grid.rows = array.rows;
      grid.columns = array.columns;
      const std::size_t count = grid.rows * grid.columns;
      grid.cells.reserve(count);
      for (std::size_t i = 0; i < count; ++i) {
        const XLOPER& element = array.lparray[i];
        grid.cells.push_back(BaseType(element) == xltypeMulti ? Cell{ErrorValue{}} : CellOf(element));
      }
    }
  } else {
    grid = SingleCell(CellOf(*record));
  }
  if ((record->xltype & xlbitDLLFree) != 0 && autoFree != nullptr) autoFree(record);
  return grid;
}

}  // namespace Zq::Host
