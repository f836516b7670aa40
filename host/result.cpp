#include "host/result.h"

#include <string_view>

#include "addin/xlcall12.h"
#include "host/standin/wide_text.h"

namespace Zq::Host {
namespace {

template <class Record>
auto BaseType(const Record& record) {
  return record.xltype & ~static_cast<decltype(record.xltype)>(xlbitXLFree | xlbitDLLFree);
}

std::string TextOf(const char* counted) { return std::string(counted + 1, static_cast<unsigned char>(counted[0])); }
std::string TextOf(const XCHAR* counted) { return StandIn::Utf8FromUtf16(std::u16string_view(counted + 1, counted[0])); }

// One scalar record as a cell.
template <class Record>
Cell CellOf(const Record& record) {
  switch (BaseType(record)) {
    case xltypeNum: return record.val.num;
    case xltypeInt: return static_cast<double>(record.val.w);
    case xltypeBool: return record.val.xbool != 0;
    case xltypeErr: return ErrorValue{static_cast<WORD>(record.val.err)};
    case xltypeStr:
      if (record.val.str == nullptr) return ErrorValue{};
      return std::make_shared<const std::string>(TextOf(record.val.str));
    default: return ErrorValue{};
  }
}

template <class Record, class Free>
std::optional<Grid> Take(Record* record, Free autoFree) {
  if (record == nullptr) return std::nullopt;
  Grid grid;
  if (BaseType(*record) == xltypeMulti) {
    const auto& array = record->val.array;
    if (array.lparray == nullptr || array.rows <= 0 || array.columns <= 0) {
      grid = SingleCell(ErrorValue{});
    } else {
      grid.rows = static_cast<std::size_t>(array.rows);
      grid.columns = static_cast<std::size_t>(array.columns);
      const std::size_t count = grid.rows * grid.columns;
      grid.cells.reserve(count);
      for (std::size_t i = 0; i < count; ++i) {
        const Record& element = array.lparray[i];
        grid.cells.push_back(BaseType(element) == xltypeMulti ? Cell{ErrorValue{}} : CellOf(element));
      }
    }
  } else {
    grid = SingleCell(CellOf(*record));
  }
  if ((record->xltype & xlbitDLLFree) != 0 && autoFree != nullptr) autoFree(record);
  return grid;
}

}  // namespace

Grid SingleCell(Cell cell) {
  Grid grid;
  grid.rows = 1;
  grid.columns = 1;
  grid.cells.push_back(std::move(cell));
  return grid;
}

std::optional<Grid> TakeResult(LPXLOPER record, AutoFree autoFree) { return Take(record, autoFree); }

std::optional<Grid> TakeResult12(XLOPER12* record, AutoFree12 autoFree) { return Take(record, autoFree); }

}  // namespace Zq::Host
