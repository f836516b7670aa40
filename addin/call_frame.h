// The frame every worksheet function follows: the Function Wizard guard,
// argument checks, computation, and a result in the function's own record
// (a number, #VALUE!, or a freshly allocated array that Excel hands back to
// xlAutoFree or xlAutoFree12). Each function is declared in
// addin/worksheet_functions.h and defined as
//
//   ZQ_WORKSHEET ZqThing(double x, short flag) {
//     return ZQ_FRAME([&](Zq::Addin::Result& out) {
//       if (!(x > 0)) return out.Error();
//       return out.Number(Compute(x, flag != 0));
//     });
//   }
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <new>
#include <type_traits>
#include <utility>

#include "addin/flavour.h"
#include "addin/result_cells.h"
#include "addin/worksheet_functions.h"

namespace Zq::Addin {

// True while Excel's Function Wizard dialog of this Excel window is open.
bool FunctionWizardActive();

// A finite value becomes a number; anything else #VALUE! in that record.
inline bool StoreNumber(double value, ResultRecord& target) {
  if (std::isfinite(value)) {
    target.val.num = value;
    target.xltype = xltypeNum;
    return true;
  }
  target.val.err = xlerrValue;
  target.xltype = xltypeErr;
  return false;
}

inline void StoreError(ResultRecord& target) {
  target.val.err = xlerrValue;
  target.xltype = xltypeErr;
}

// The ceiling of one call, so that no call can take the memory of the Excel
// it runs in: an array result of more than 2^24 cells (256 MiB of records
// in 32-bit Excel, 384 MiB in 64-bit), or a computation whose working
// memory would pass 1 GiB, answers #VALUE! before anything is computed.
constexpr unsigned long long kMaxResultCells = 1ull << 24;
constexpr std::uint64_t kMaxWorkingBytes = std::uint64_t{1} << 30;

inline bool WithinWorkingMemory(std::uint64_t bytes) { return bytes <= kMaxWorkingBytes; }

// Whether a rows x columns result fits the flavour's grid and stays under
// the ceiling: for functions that would compute before they build their
// result.
inline bool WithinResultCeiling(long long rows, long long columns) {
  constexpr auto kCells = static_cast<long long>(kMaxResultCells);
  return rows >= 0 && columns >= 0 && rows <= kMaxResultRows && columns <= kMaxResultColumns &&
         rows * columns <= kCells;
}
static_assert(kMaxResultCells <= static_cast<std::size_t>(-1) / sizeof(ResultRecord), "a result's bytes fit size_t");

// Writes a worksheet function's answer into its result record.
class Result {
 public:
  explicit Result(ResultRecord& record) : record_(record) {}

  ResultPointer Error() {
    StoreError(record_);
    return &record_;
  }

  ResultPointer Number(double value) {
    StoreNumber(value, record_);
    return &record_;
  }

  // A rows x columns array; fill(ResultRecord* cells) writes every cell, row
  // by row. A fill that answers bool abandons the array with false (the user
  // broke the call). Sizes outside Excel's limits or past the ceiling, or
  // memory that cannot be had, answer #VALUE!.
  template <class Fill>
  ResultPointer Array(long rows, long columns, Fill&& fill) {
    if (rows < 1 || columns < 1 || !WithinResultCeiling(rows, columns)) return Error();
    const unsigned long long count = static_cast<unsigned long long>(rows) * static_cast<unsigned long long>(columns);
    ResultRecord* cells = NewCells(static_cast<std::size_t>(count));
    if (cells == nullptr) return Error();
    try {
      if constexpr (std::is_same_v<decltype(std::forward<Fill>(fill)(cells)), bool>) {
        if (!std::forward<Fill>(fill)(cells)) {
          DeleteCells(cells);
          return Error();
        }
      } else {
        std::forward<Fill>(fill)(cells);
      }
    } catch (...) {
      DeleteCells(cells);
      throw;
    }
    record_.val.array.lparray = cells;
    record_.val.array.rows = static_cast<decltype(record_.val.array.rows)>(rows);
    record_.val.array.columns = static_cast<decltype(record_.val.array.columns)>(columns);
    record_.xltype = xltypeMulti | xlbitDLLFree;
    return &record_;
  }

  // n values from next(), stored by StoreNumber, as a column (or a row).
  template <class Next>
  ResultPointer Values(long n, Next&& next, bool asRow = false) {
    return Array(asRow ? 1 : n, asRow ? n : 1, [&](ResultRecord* cells) {
      for (long k = 0; k < n; ++k) StoreNumber(next(), cells[k]);
    });
  }

  template <class Next>
  ResultPointer Column(long n, Next&& next) {
    return Values(n, std::forward<Next>(next), false);
  }

 private:
  ResultRecord& record_;
};

// Runs one worksheet call on `record`: null while the wizard is open, and
// #VALUE! for anything the body throws (no exception reaches Excel).
template <class Body>
ResultPointer RunFrame(ResultRecord& record, Body&& body) noexcept {
  if (FunctionWizardActive()) return nullptr;
  Result out(record);
  try {
    return std::forward<Body>(body)(out);
  } catch (...) {
    return out.Error();
  }
}

}  // namespace Zq::Addin

// Each expansion owns its result record: one per worksheet function (and
// thread, in the Excel 12 flavour; see addin/flavour.h).
#define ZQ_FRAME(...)                                              \
  ([&]() -> ::Zq::Addin::ResultPointer {                           \
    ZQ_RESULT_STORAGE ::Zq::Addin::ResultRecord zqResultRecord;    \
    return ::Zq::Addin::RunFrame(zqResultRecord, __VA_ARGS__);     \
  }())
