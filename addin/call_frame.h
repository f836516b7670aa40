// The frame every worksheet function follows: the Function Wizard guard,
// argument checks, computation, and a result in the function's own static
// record (a number, #VALUE!, or a freshly allocated array that Excel hands
// back to xlAutoFree). Each function is declared in
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

#include "addin/worksheet_functions.h"
#include "addin/xlcall.h"

namespace Zq::Addin {

// True while Excel's Function Wizard dialog of this Excel window is open.
bool FunctionWizardActive();

// A finite value becomes a number; anything else #VALUE! in that record.
inline bool StoreNumber(double value, XLOPER& target) {
  if (std::isfinite(value)) {
    target.val.num = value;
    target.xltype = xltypeNum;
    return true;
  }
  target.val.err = xlerrValue;
  target.xltype = xltypeErr;
  return false;
}

inline void StoreError(XLOPER& target) {
  target.val.err = xlerrValue;
  target.xltype = xltypeErr;
}

// Largest element count of an array result: both counts fit Excel's 16-bit
// fields and the byte count fits size_t on every build.
constexpr long kMaxArrayDimension = 65535;

// The ceiling of one call, so that no call can take the memory of the Excel
// it runs in: an array result of more than 2^24 cells (256 MiB of records
// in 32-bit Excel, 384 MiB in 64-bit), or a computation whose working
// memory would pass 1 GiB, answers #VALUE! before anything is computed.
constexpr unsigned long long kMaxResultCells = 1ull << 24;
constexpr std::uint64_t kMaxWorkingBytes = std::uint64_t{1} << 30;

inline bool WithinWorkingMemory(std::uint64_t bytes) { return bytes <= kMaxWorkingBytes; }

// Whether a rows x columns result stays under the ceiling: for functions
// that would compute before they build their result.
inline bool WithinResultCeiling(long long rows, long long columns) {
  constexpr auto kCells = static_cast<long long>(kMaxResultCells);
  return rows >= 0 && columns >= 0 && rows <= kCells && columns <= kCells && rows * columns <= kCells;
}
static_assert(kMaxResultCells <= static_cast<std::size_t>(-1) / sizeof(XLOPER), "a result's bytes fit size_t");

// Writes a worksheet function's answer into its static record.
class Result {
 public:
  explicit Result(XLOPER& record) : record_(record) {}

  LPXLOPER Error() {
    StoreError(record_);
    return &record_;
  }

  LPXLOPER Number(double value) {
    StoreNumber(value, record_);
    return &record_;
  }

  // A rows x columns array; fill(XLOPER* cells) writes every cell, row by
  // row. A fill that answers bool abandons the array with false (the user
  // broke the call). Sizes outside Excel's limits or past the ceiling, or
  // memory that cannot be had, answer #VALUE!.
  template <class Fill>
  LPXLOPER Array(long rows, long columns, Fill&& fill) {
    if (rows < 1 || columns < 1 || rows > kMaxArrayDimension || columns > kMaxArrayDimension) return Error();
    if (!WithinResultCeiling(rows, columns)) return Error();
    const unsigned long long count = static_cast<unsigned long long>(rows) * static_cast<unsigned long long>(columns);
    XLOPER* cells = new (std::nothrow) XLOPER[static_cast<std::size_t>(count)];
    if (cells == nullptr) return Error();
    try {
      if constexpr (std::is_same_v<decltype(std::forward<Fill>(fill)(cells)), bool>) {
        if (!std::forward<Fill>(fill)(cells)) {
          delete[] cells;
          return Error();
        }
      } else {
        std::forward<Fill>(fill)(cells);
      }
    } catch (...) {
      delete[] cells;
      throw;
    }
    record_.val.array.lparray = cells;
    record_.val.array.rows = static_cast<WORD>(rows);
    record_.val.array.columns = static_cast<WORD>(columns);
    record_.xltype = xltypeMulti | xlbitDLLFree;
    return &record_;
  }

  // n values from next(), stored by StoreNumber, as a column (or a row).
  template <class Next>
  LPXLOPER Values(long n, Next&& next, bool asRow = false) {
    return Array(asRow ? 1 : n, asRow ? n : 1, [&](XLOPER* cells) {
      for (long k = 0; k < n; ++k) StoreNumber(next(), cells[k]);
    });
  }

  template <class Next>
  LPXLOPER Column(long n, Next&& next) {
    return Values(n, std::forward<Next>(next), false);
  }

 private:
  XLOPER& record_;
};

// Runs one worksheet call on `record`: null while the wizard is open, and
// #VALUE! for anything the body throws (no exception reaches Excel).
template <class Body>
LPXLOPER RunFrame(XLOPER& record, Body&& body) noexcept {
  if (FunctionWizardActive()) return nullptr;
  Result out(record);
  try {
    return std::forward<Body>(body)(out);
  } catch (...) {
    return out.Error();
  }
}

}  // namespace Zq::Addin

// Each expansion owns its static result record: one per worksheet function.
#define ZQ_FRAME(...)                                    \
  ([&]() -> LPXLOPER {                                   \
    static XLOPER zqResultRecord;                        \
    return ::Zq::Addin::RunFrame(zqResultRecord, __VA_ARGS__); \
  }())
