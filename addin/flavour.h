// The two flavours the worksheet layer is built in, from the same sources:
// the classic add-in (XLOPER records, 16-bit sizes, one calculation thread)
// and, with ZQ_EXCEL12=1, the add-in for Excel 2007 and later (XLOPER12
// records, the big grid, functions registered thread-safe). Worksheet code
// names the flavour's types through these aliases; in the classic flavour
// every alias is exactly the type it always used.
#pragma once

#include <cstdint>

#include "addin/worksheet_layer.h"
#include "addin/xlcall.h"
#include "addin/xlcall12.h"

#ifndef ZQ_EXCEL12
#define ZQ_EXCEL12 0
#endif

namespace Zq::Addin {

#if ZQ_EXCEL12
inline constexpr bool kExcel12 = true;
// A worksheet function's result record.
using ResultRecord = XLOPER12;
// A floating-point array argument (K in the classic type text).
using ArrayArgument = FP12;
// A whole-number argument: sizes, algorithms, schemes, output codes (I in
// the classic type text). Booleans (A) stay short in both flavours.
using WholeNumber = std::int32_t;
// The largest rows and columns of an array result: the sheet's.
inline constexpr long kMaxResultRows = kExcel12Rows;
inline constexpr long kMaxResultColumns = kExcel12Columns;
#else
inline constexpr bool kExcel12 = false;
using ResultRecord = XLOPER;
using ArrayArgument = FP;
using WholeNumber = short;
// Both counts fit Excel's 16-bit fields.
inline constexpr long kMaxResultRows = 65535;
inline constexpr long kMaxResultColumns = 65535;
#endif

using ResultPointer = ResultRecord*;

}  // namespace Zq::Addin

// Where each worksheet function keeps its result record: one per function
// in the classic flavour, which Excel calls on one thread; one per function
// and thread in the Excel 12 flavour, whose functions Excel calls on many
// threads at once (Excel hands the record back to xlAutoFree12 on the
// thread that returned it, before that thread calls the function again).
#if ZQ_EXCEL12
#define ZQ_RESULT_STORAGE thread_local
#else
#define ZQ_RESULT_STORAGE static
#endif
